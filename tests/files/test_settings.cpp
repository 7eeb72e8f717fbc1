#include "files/settings.h"

#include <functional>

#include <gtest/gtest.h>

#include "program_version.h"

namespace vornia {
namespace {

const std::string Ours(ProgramVersion);
const std::string OursLine = "version=" + Ours;

TAppSettings Load(const std::string& lines)
{
    TAppSettings settings;
    LoadSettings(TIniFile::FromText("[settings]\r\n" + lines), settings);
    return settings;
}

TEST(Settings, AnEmptyFileKeepsEveryStartUpDefault)
{
    TAppSettings settings;
    LoadSettings(TIniFile(), settings);
    TAppSettings expected;
    expected.SettingsVersion = "0.0";
    EXPECT_EQ(settings, expected);
    EXPECT_EQ(settings.Board.BrickCount, 3);
    EXPECT_EQ(settings.Board.PieSevenCount, 0);
    EXPECT_EQ(settings.AutoVersionCheck, -1);
}

TEST(Settings, EachKeyTakesGoodValuesAndReplacesBadOnes)
{
    struct TCase {
        const char* Line;
        std::function<void(TAppSettings&)> Expect; // applied to the defaults
    };
    const TCase cases[] = {
        {"Brick=501", [](TAppSettings&) {}},
        {"Brick=-3", [](TAppSettings&) {}},
        {"Brick=x", [](TAppSettings&) {}},
        {"Brick=500", [](TAppSettings& s) { s.Board.BrickCount = 500; }},
        {"pieTwelve=0", [](TAppSettings& s) { s.Board.PieTwelveCount = 0; }},
        {"windowWidth=9", [](TAppSettings&) {}},
        {"windowWidth=10", [](TAppSettings& s) { s.WindowWidth = 10; }},
        {"windowWidth=8200", [](TAppSettings& s) { s.WindowWidth = 8200; }},
        {"windowWidth=8201", [](TAppSettings&) {}},
        {"windowHeight=4100", [](TAppSettings& s) { s.WindowHeight = 4100; }},
        {"windowHeight=4101", [](TAppSettings&) {}},
        {"zoomSize=60", [](TAppSettings&) {}},
        {"zoomSize=75", [](TAppSettings& s) { s.Zoom = 75; }},
        {"zoomSize=50%", [](TAppSettings&) {}},
        {"autoVersionCheck=5", [](TAppSettings& s) { s.AutoVersionCheck = 5; }},
        {"autoVersionCheck=yes", [](TAppSettings&) {}},
        {"debug=no", [](TAppSettings& s) { s.DebugMode = true; }},
        {"debug=0", [](TAppSettings&) {}},
        {"blackAndWhite=true", [](TAppSettings&) {}},
        {"blackAndWhite=1", [](TAppSettings& s) { s.BlackAndWhite = true; }},
        {"customPieceCounts=1", [](TAppSettings& s) { s.Board.CustomPieceCounts = true; }},
        {"overrideOS=2000", [](TAppSettings& s) { s.OverrideOS = true; }},
        {"overrideOS=20000", [](TAppSettings&) {}},
        {"shape=Dog Leg", [](TAppSettings& s) { s.Board.Shape = "Dog Leg"; }},
        {"shape=hexagon", [](TAppSettings& s) { s.Board.Shape = "random"; }},
        {"massDensity=HIGH", [](TAppSettings& s) { s.Board.MassDensity = "HIGH"; }},
        {"massDensity=dense", [](TAppSettings&) {}},
        {OursLine.c_str(), [](TAppSettings& s) { s.SettingsVersion = Ours; }},
        {"versionHost=updates.example", [](TAppSettings& s) { s.VersionHost = "updates.example"; }},
        {"versionHost=", [](TAppSettings&) {}},
        {"versionPort=8080", [](TAppSettings& s) { s.VersionPort = 8080; }},
        {"versionPort=0", [](TAppSettings&) {}},
        {"versionPort=65536", [](TAppSettings&) {}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Line);
        TAppSettings expected;
        expected.SettingsVersion = "0.0";
        c.Expect(expected);
        EXPECT_EQ(Load(std::string(c.Line) + "\r\n"), expected);
    }
}

TEST(Settings, OldVersionsTakeTheShapeFromCustomShape)
{
    struct TCase {
        const char* Version; // nullptr: no "version" key
        const char* CustomShape;
        const char* Expected;
    };
    const TCase cases[] = {
        {"1.2", "1", "random"},  {"1.2", "0", "traditional"}, {"1.5", "1", "random"},
        {"1.10", "1", "random"}, {"0.1", "x", "traditional"}, {Ours.c_str(), "1", "wolf"},
        {"1.51", "1", "wolf"},   {"0.0", "1", "wolf"},        {nullptr, "1", "wolf"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Version ? c.Version : "no version");
        const std::string version = c.Version ? std::string("version=") + c.Version + "\r\n" : "";
        EXPECT_EQ(Load(version + "shape=wolf\r\ncustomShape=" + c.CustomShape + "\r\n").Board.Shape, c.Expected);
    }
}

TEST(Settings, VersionTextsCompareByCharacterCode)
{
    EXPECT_EQ(CompareVersionText("1.5", "1.5"), 0);
    EXPECT_LT(CompareVersionText("1", "1.0"), 0);
    EXPECT_GT(CompareVersionText(Ours, "1.5"), 0);
    EXPECT_GT(CompareVersionText("\xC3", "a"), 0);
}

TEST(Settings, AFreshSaveWritesTheKeysInOrder)
{
    TIniFile ini;
    SaveSettings(ini, TAppSettings{});
    EXPECT_EQ(ini.ToText(), "[settings]\r\nversion=" + Ours +
                                "\r\nshape=traditional\r\ncustomPieceCounts=0\r\n"
                                "blackAndWhite=0\r\nzoomSize=100\r\nmassDensity=any\r\n"
                                "Brick=3\r\nGrain=4\r\nLumber=4\r\nOre=3\r\nWool=4\r\nDesert=1\r\nWater=9\r\n"
                                "waterBrick=1\r\nwaterGrain=1\r\nwaterLumber=1\r\nwaterOre=1\r\nwaterWool=1\r\n"
                                "waterMark=4\r\npieTwo=1\r\npieThree=2\r\npieFour=2\r\npieFive=2\r\npieSix=2\r\n"
                                "pieSeven=0\r\npieEight=2\r\npieNine=2\r\npieTen=2\r\npieEleven=2\r\npieTwelve=1\r\n"
                                "windowWidth=700\r\nwindowHeight=350\r\nautoVersionCheck=-1\r\n\r\n");
}

TEST(Settings, SavingKeepsForeignKeysAndSectionsAndDropsCustomShape)
{
    TIniFile ini = TIniFile::FromText("[window]\r\nx=1\r\n[Settings]\r\ndebug=1\r\nversion=1.2\r\nautoVersionCheck=5\r\n"
                                      "customShape=1\r\nversionHost=h.example\r\nwindowWidth=20\r\n");
    TAppSettings settings;
    LoadSettings(ini, settings);
    EXPECT_EQ(settings.Board.Shape, "random");
    settings.Zoom = 50;
    settings.Board.WoolCount = 7;
    SaveSettings(ini, settings);

    const TIniFile saved = TIniFile::FromText(ini.ToText());
    ASSERT_EQ(saved.Sections().size(), 2u);
    EXPECT_EQ(saved.Sections()[0].Lines, std::vector<std::string>{"x=1"});
    const std::vector<std::string>& lines = saved.Sections()[1].Lines;
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 5),
              (std::vector<std::string>{"debug=1", "version=" + Ours, "autoVersionCheck=5", "versionHost=h.example",
                                        "windowWidth=20"}));
    EXPECT_EQ(lines[5], "shape=random");
    EXPECT_FALSE(saved.KeyExists("settings", "customShape"));
    EXPECT_EQ(saved.ReadString("settings", "zoomSize", ""), "50");
    EXPECT_EQ(saved.ReadString("settings", "Wool", ""), "7");

    TAppSettings again;
    LoadSettings(saved, again);
    EXPECT_EQ(again.Board.Shape, "random");
    EXPECT_EQ(again.AutoVersionCheck, 5);
    EXPECT_EQ(again.Zoom, 50);
}

TEST(Settings, LocalLabelsAreWrittenOnlyOnceTurnedOn)
{
    TIniFile ini;
    TAppSettings settings;
    SaveSettings(ini, settings);
    EXPECT_FALSE(ini.KeyExists("settings", "localLabels"));

    settings.LocalLabels = true;
    SaveSettings(ini, settings);
    EXPECT_EQ(ini.ReadString("settings", "localLabels", ""), "1");
    TAppSettings again;
    LoadSettings(TIniFile::FromText(ini.ToText()), again);
    EXPECT_TRUE(again.LocalLabels);

    // Off again, the key stays and says so; anything but "1" reads as off.
    settings.LocalLabels = false;
    SaveSettings(ini, settings);
    EXPECT_EQ(ini.ReadString("settings", "localLabels", ""), "0");
    EXPECT_FALSE(Load("localLabels=yes\r\n").LocalLabels);
}

} // namespace
} // namespace vornia

namespace vornia {
namespace {

TEST(Settings, FairRulesReadOnlyFromAnExactOne)
{
    const struct {
        const char* Lines;
        TFairRules Rules;
    } rows[] = {
        {"", {}},
        {"fairNoAdjacentRed=1\r\n", {true, false, false, false}},
        {"fairNoAdjacentEqual=1\r\n", {false, true, false, false}},
        {"fairNoAdjacentResource=1\r\n", {false, false, true, false}},
        {"fairBalancedPips=1\r\nFAIRNOADJACENTRED=1\r\n", {true, false, false, true}},
        {"fairNoAdjacentRed=true\r\nfairNoAdjacentEqual=2\r\nfairNoAdjacentResource= 1\r\nfairBalancedPips=01\r\n", {}},
        {"fairNoAdjacentRed=0\r\nfairNoAdjacentEqual=\r\n", {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Lines);
        TAppSettings expected;
        expected.SettingsVersion = "0.0";
        expected.Board.Fair = row.Rules;
        EXPECT_EQ(Load(row.Lines), expected);
    }
}

TEST(Settings, FairRulesRoundTripAfterTheOtherKeys)
{
    for (int bits = 0; bits < 16; ++bits) {
        SCOPED_TRACE(bits);
        TAppSettings settings;
        settings.Board.Fair = {(bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0, (bits & 8) != 0};
        TIniFile ini = TIniFile::FromText("[settings]\r\nfairFuture=1\r\n");
        SaveSettings(ini, settings);
        const TIniFile saved = TIniFile::FromText(ini.ToText());
        TAppSettings again;
        LoadSettings(saved, again);
        EXPECT_EQ(again.Board.Fair, settings.Board.Fair);
        EXPECT_EQ(saved.ReadString("settings", "fairFuture", ""), "1");

        // Only the rules that are on are written, after every other key.
        const std::vector<std::string>& lines = saved.Sections()[0].Lines;
        std::vector<std::string> tail;
        for (const char* key :
             {"fairNoAdjacentRed", "fairNoAdjacentEqual", "fairNoAdjacentResource", "fairBalancedPips"})
            if (saved.ReadString("settings", key, "0") == "1")
                tail.push_back(std::string(key) + "=1");
        ASSERT_GE(lines.size(), tail.size() + 1);
        EXPECT_EQ(std::vector<std::string>(lines.end() - static_cast<long>(tail.size()), lines.end()), tail);
        EXPECT_EQ(lines[lines.size() - tail.size() - 1], "autoVersionCheck=-1");

        // Turned off again, a rule that is in the file is written as "0".
        again.Board.Fair = {};
        SaveSettings(ini, again);
        TAppSettings off;
        LoadSettings(TIniFile::FromText(ini.ToText()), off);
        EXPECT_FALSE(off.Board.Fair.Any());
        EXPECT_EQ(ini.KeyExists("settings", "fairBalancedPips"), (bits & 8) != 0);
    }
}

} // namespace
} // namespace vornia

// Settings files that are binary, huge or full of extremes, read as the
// program reads them at start-up and written as it writes them at close.
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>

#include "board/random_source.h"
#include "board/status_texts.h"
#include "board_fixture.h"
#include "cli/cli_run.h"
#include "files/settings.h"
#include "time_limits.h"

namespace vornia::hostile {
namespace {

using namespace std::string_literals;

// OpenIniFile and LoadSettings on the start-up defaults.
TAppSettings LoadSettingsFile(const std::string& path, TIniFile* opened = nullptr)
{
    TRecordingSink sink;
    const std::unique_ptr<TIniFile> ini = OpenIniFile(path, sink);
    EXPECT_NE(ini, nullptr);
    EXPECT_TRUE(sink.Messages.empty());
    TAppSettings settings;
    if (ini) {
        LoadSettings(*ini, settings);
        if (opened)
            *opened = *ini;
    }
    return settings;
}

std::string RandomBytes(std::size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random() & 0xFF);
    return bytes;
}

// Whatever a file holds, the program starts with settings it can use, and
// the file it writes at close reads back as those settings.
TEST(HostileSettings, AnyFileGivesUsableSettingsThatSurviveTheNextStart)
{
    struct TRow {
        const char* Name;
        std::string Text;
    };
    std::string million = "[settings]\r\n";
    for (int i = 0; i < 1'000'000; ++i)
        million += "key" + std::to_string(i) + "=" + std::to_string(i) + "\r\n";
    million += "shape=wolf\r\n";
    std::string manySections;
    for (int i = 0; i < 1'000'000; ++i)
        manySections += "[section " + std::to_string(i) + "]\n";
    manySections += "[SETTINGS]\nshape=valley\n";
    const TRow rows[] = {
        {"random bytes", RandomBytes(1 << 20, 7)},
        {"NUL bytes", "[settings]\0\r\nshape=wolf\0\r\nBrick=5\0\r\n\0\0\0"s},
        {"not UTF-8", "[settings]\r\nshape=\xE9\xE8\r\nmassDensity=\xFF\r\nversionHost=h\xF6st\r\n"},
        {"a million lines", million},
        {"a million sections", manySections},
        {"every count 500, extremes elsewhere",
         "[settings]\nshape=random\nzoomSize=-2147483648\nwindowWidth=2147483647\nwindowHeight=-1\n"
         "autoVersionCheck=-2147483648\nversionPort=0\nBrick=500\nWater=500\npieSeven=500\n"},
    };
    TTempFolder folder;
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Name);
        const std::string path = folder.File("VorniaGenerator.ini");
        WriteFileText(path, row.Text);
        TIniFile ini;
        TAppSettings loaded;
        EXPECT_LT(SecondsFor([&] { loaded = LoadSettingsFile(path, &ini); }), HangGuardSeconds);
        EXPECT_TRUE(IsKnownShape(loaded.Board.Shape));
        EXPECT_TRUE(IsKnownLandMass(loaded.Board.MassDensity));
        EXPECT_TRUE(loaded.WindowWidth >= 10 && loaded.WindowWidth <= 8200);
        EXPECT_TRUE(loaded.WindowHeight >= 10 && loaded.WindowHeight <= 4100);
        EXPECT_TRUE(loaded.Zoom == 100 || loaded.Zoom == 75 || loaded.Zoom == 50);
        for (const TCountKey& count : CountKeys)
            EXPECT_TRUE(loaded.Board.*count.Field >= 0 && loaded.Board.*count.Field <= MaxPieceCount) << count.Key;

        EXPECT_LT(SecondsFor([&] {
                      SaveSettings(ini, loaded);
                      ASSERT_TRUE(ini.UpdateFile());
                  }),
                  HangGuardSeconds);
        TAppSettings next = LoadSettingsFile(path);
        loaded.SettingsVersion = ProgramVersion;
        EXPECT_EQ(next, loaded);
    }
}

TEST(HostileSettings, ExtremesReadAsTheirRulesSay)
{
    TTempFolder folder;
    const std::string path = folder.File("VorniaGenerator.ini");
    WriteFileText(path, "[settings]\nshape=Wolf\0\nmassDensity=HIGH\nwindowWidth=2147483648\n"
                        "autoVersionCheck=-2147483648\nBrick=500\nGrain=0500\nLumber=+7\nOre=\xEF\xBC\x95\n"s);
    const TAppSettings s = LoadSettingsFile(path);
    EXPECT_EQ(s.Board.Shape, "random"); // the NUL belongs to the value
    EXPECT_EQ(s.Board.MassDensity, "HIGH");
    EXPECT_EQ(s.WindowWidth, 700);
    EXPECT_EQ(s.AutoVersionCheck, -2147483648LL);
    EXPECT_EQ(s.Board.BrickCount, 500);
    EXPECT_EQ(s.Board.GrainCount, 500);
    EXPECT_EQ(s.Board.LumberCount, 7);
    EXPECT_EQ(s.Board.OreCount, 3); // a full-width digit is no digit
}

// Every count at 500: a random board of about 3000 land tiles is made at
// once for "any"; "high" gives up after its attempts. The limits only
// guard against a hang.
TEST(HostileSettings, EveryCountAtItsMaximumStillEndsQuickly)
{
    TTempFolder folder;
    const std::string path = folder.File("VorniaGenerator.ini");
    std::string text = "[settings]\r\nshape=random\r\n";
    for (const TCountKey& count : CountKeys)
        text += std::string(count.Key) + "=500\r\n";
    struct TRow {
        const char* Mass;
        int Status;
    };
    for (const TRow row : {TRow{"any", ExitOk}, TRow{"high", ExitNoBoard}}) {
        SCOPED_TRACE(row.Mass);
        WriteFileText(path, text + "massDensity=" + row.Mass + "\r\n");
        TCliArgs args;
        args.Command = TCliCommand::Generate;
        args.SettingsFile = path;
        args.Seed = 1234;
        std::ostringstream out, err;
        int status = -1;
        EXPECT_LT(SecondsFor([&] { status = RunCli(args, out, err, nullptr); }), 2 * SlowBuildFactor);
        EXPECT_EQ(status, row.Status) << err.str();
        if (row.Status == ExitNoBoard) {
            EXPECT_EQ(err.str(), std::string(FailedBoardText) + "\n");
            continue;
        }
        EXPECT_NE(out.str().find("[New random 1]"), std::string::npos) << out.str();
    }

    // The attempts of "high", through the panel the tool drives.
    TRandomSource random;
    TPanelBoard panel;
    EXPECT_FALSE(panel.GenerateBoard(LoadSettingsFile(path).Board, 100, random).Made);
    EXPECT_EQ(panel.Attempts(), MaxRandomAttempts);
}

} // namespace
} // namespace vornia::hostile

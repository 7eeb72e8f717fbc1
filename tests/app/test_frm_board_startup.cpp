// The main window's start-up, its settings and their writing at close.
#include <filesystem>

#include "test_frm_board_fake.h"

namespace vornia::test {
namespace {

using StartUp = WindowTest;

TEST_F(StartUp, AMissingSettingsFileIsCreatedAndEveryDefaultApplies)
{
    ASSERT_TRUE(Create());
    EXPECT_EQ(Folder.Names(), std::vector<std::string>{"VorniaGenerator.ini"});
    EXPECT_EQ(ReadText(IniPath()), "");
    EXPECT_TRUE(Port.Messages.empty());

    EXPECT_EQ(Window->Caption(), "Hexlanders Of Vornia Board Generator");
    EXPECT_EQ(Window->ZoomPercent(), 100);
    EXPECT_TRUE(Window->Menu().Item(mnu::Hundred).Checked);
    EXPECT_EQ(Port.Size, (TWindowSize{700, 350}));
    EXPECT_FALSE(Window->BlackAndWhite());
    EXPECT_TRUE(Port.StatusBarVisible);
    EXPECT_FALSE(Window->Menu().Item(mnu::Debug).Visible);
    EXPECT_FALSE(Port.MemVisible);
    EXPECT_FALSE(Window->Menu().Item(mnu::AutoVersionCheck).Checked);
    EXPECT_EQ(Window->BoardSettings(), TBoardSettings{});
    // Only the version panel has text until the first board.
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Panel(i), "") << i;
    EXPECT_EQ(Panel(4), OurVersionText);
    EXPECT_EQ(Port.Attached, Window->VersionCheck());
}

TEST_F(StartUp, TheFirstRunQuestionComesAfterTheDeferredMaximise)
{
    WriteText(IniPath(), "");
    ASSERT_TRUE(Create(0));
    EXPECT_TRUE(Window->DeferredMaximize());
    EXPECT_EQ(Port.Maximized, 0);
    Window->FormShow();
    EXPECT_EQ(Port.Timers.at(TWindowTimer::Size), 50);
    EXPECT_TRUE(Port.Messages.empty());

    Port.Answers = {TMsgAnswer::Yes};
    ASSERT_TRUE(Port.Fire(*Window, TWindowTimer::Size));
    EXPECT_FALSE(Port.Timers.count(TWindowTimer::Size));
    ASSERT_EQ(Port.Log.size(), 2u);
    EXPECT_EQ(Port.Log[0], "maximize");
    EXPECT_EQ(Port.Log[1],
              "message: Would you like this application to automatically check for newer versions?\r\n"
              "If you select Yes it will request permission to access the internet, only once though.\r\n"
              "If you select No, you can turn this on later in Options.");
    EXPECT_EQ(Port.Messages[0].Kind, TMsgKind::Information);
    EXPECT_EQ(Port.Messages[0].Buttons, TMsgButtons::YesNo);
    // Yes starts the check at once and the menu follows the answer.
    EXPECT_EQ(Window->AutoVersionCheck(), 1);
    EXPECT_TRUE(Window->Menu().Item(mnu::AutoVersionCheck).Checked);
    EXPECT_EQ(Port.Socket.Opened, std::vector<std::string>{"www.vornia.example:80"});
}

TEST_F(StartUp, MaximisingDependsOnTheSystemAndOverrideOS)
{
    struct TCase {
        const char* Name;
        int Product;
        const char* Ini;
        bool AtCreation;
    };
    const TCase cases[] = {
        {"2000", 7, "", true},
        {"95", 1, "", true},
        {"2003 R2", 9, "", true},
        {"unknown", 0, "", false},
        {"XP", 10, "", false},
        {"forced on an unknown system", 0, "overrideOS=2000\r\n", true},
        {"forced on XP", 10, "overrideOS=2000\r\n", true},
        {"other override text", 0, "overrideOS=2001\r\n", false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Port = TFakeWindowPort();
        WriteIni(c.Ini);
        ASSERT_TRUE(Create(c.Product));
        EXPECT_EQ(Port.Maximized, c.AtCreation ? 1 : 0);
        EXPECT_EQ(Window->DeferredMaximize(), !c.AtCreation);
        Window->FormShow();
        Port.Fire(*Window, TWindowTimer::Size);
        // Maximised in the end either way, and asked only afterwards.
        EXPECT_EQ(Port.Maximized, 1);
        ASSERT_EQ(Port.Log.size(), 2u);
        EXPECT_EQ(Port.Log[0], "maximize");
        Window.reset();
    }
}

TEST_F(StartUp, AnUnreadableSettingsFileEndsTheProgramWithoutWriting)
{
    // A folder of that name can be neither read nor replaced, even by root.
    std::filesystem::create_directory(IniPath());
    EXPECT_FALSE(Create());
    EXPECT_EQ(Port.MessageTexts(),
              (std::vector<std::string>{"Could not open " + IniPath(), "Could not open VorniaGenerator.ini"}));
    EXPECT_EQ(Port.Messages[0].Kind, TMsgKind::Plain);
    EXPECT_EQ(Port.Messages[1].Kind, TMsgKind::Error);
    EXPECT_EQ(Port.Messages[1].Buttons, TMsgButtons::Ok);
    EXPECT_TRUE(std::filesystem::is_directory(IniPath()));
    EXPECT_EQ(Folder.Names(), std::vector<std::string>{"VorniaGenerator.ini"});
    EXPECT_EQ(Port.Maximized, 0);
}

TEST_F(StartUp, SettingsReachTheMenusThePanelAndTheWindow)
{
    WriteIni("zoomSize=75\r\nblackAndWhite=1\r\nwindowWidth=1024\r\nwindowHeight=4101\r\n"
             "autoVersionCheck=1\r\ndebug=no\r\nshape=Dog Leg\r\nmassDensity=HIGH\r\nBrick=7\r\n");
    ASSERT_TRUE(Create());
    EXPECT_EQ(Window->ZoomPercent(), 75);
    EXPECT_TRUE(Window->Menu().Item(mnu::SeventyFive).Checked);
    EXPECT_FALSE(Window->Menu().Item(mnu::Hundred).Checked);
    EXPECT_TRUE(Window->Menu().Item(mnu::BlackAndWhite).Checked);
    EXPECT_TRUE(Window->BlackAndWhite());
    EXPECT_FALSE(Port.StatusBarVisible);
    EXPECT_EQ(Port.Size, (TWindowSize{1024, 350}));
    EXPECT_TRUE(Window->Menu().Item(mnu::AutoVersionCheck).Checked);
    EXPECT_TRUE(Window->DebugMode());
    EXPECT_TRUE(Window->Menu().Item(mnu::Debug).Visible);
    EXPECT_TRUE(Port.MemVisible);
    EXPECT_EQ(Window->GetShape(), "Dog Leg");
    EXPECT_EQ(Window->BoardSettings().MassDensity, "HIGH");
    EXPECT_EQ(Window->BoardSettings().BrickCount, 7);

    // Already allowed: no question, the check starts when shown.
    Window->FormShow();
    Port.Fire(*Window, TWindowTimer::Size);
    EXPECT_TRUE(Port.Messages.empty());
    EXPECT_EQ(Port.Socket.Opened.size(), 1u);
}

TEST_F(StartUp, BadSettingValuesFallBackInTheMenusAndTheWindow)
{
    struct TCase {
        const char* Ini;
        int Zoom;
        bool BlackAndWhite;
        TWindowSize Size;
        const char* Shape;
    };
    const TCase cases[] = {
        {"zoomSize=60\r\n", 100, false, {700, 350}, "traditional"},
        {"zoomSize=50\r\nblackAndWhite=true\r\n", 50, false, {700, 350}, "traditional"},
        {"windowWidth=9\r\nwindowHeight=10\r\n", 100, false, {700, 10}, "traditional"},
        {"windowWidth=8200\r\nwindowHeight=4100\r\n", 100, false, {8200, 4100}, "traditional"},
        {"shape=hexagon\r\n", 100, false, {700, 350}, "random"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Ini);
        Port = TFakeWindowPort();
        WriteIni(c.Ini);
        ASSERT_TRUE(Create());
        EXPECT_EQ(Window->ZoomPercent(), c.Zoom);
        EXPECT_EQ(Window->BlackAndWhite(), c.BlackAndWhite);
        EXPECT_EQ(Port.StatusBarVisible, !c.BlackAndWhite);
        EXPECT_EQ(Port.Size, c.Size);
        EXPECT_EQ(Window->GetShape(), c.Shape);
        Window.reset();
    }
}

TEST_F(StartUp, AnyOtherAutoCheckValueMeansNoQuestionNoCheckAndIsKept)
{
    WriteIni("autoVersionCheck=5\r\n");
    Start();
    EXPECT_TRUE(Port.Messages.empty());
    EXPECT_TRUE(Port.Socket.Opened.empty());
    EXPECT_FALSE(Window->Menu().Item(mnu::AutoVersionCheck).Checked);
    Window->FormClose();
    EXPECT_NE(ReadText(IniPath()).find("autoVersionCheck=5\r\n"), std::string::npos);
}

TEST_F(StartUp, AnOldSettingsFileIsConvertedAndRewrittenAsTheCurrentVersion)
{
    WriteIni("version=1.2\r\nshape=traditional\r\ncustomShape=1\r\n");
    Start();
    EXPECT_EQ(Window->GetShape(), "random");
    Window->FormClose();
    const std::string text = ReadText(IniPath());
    EXPECT_EQ(text.find("customShape"), std::string::npos);
    EXPECT_NE(text.find("version=" + std::string(ProgramVersion) + "\r\n"), std::string::npos);
    EXPECT_NE(text.find("shape=random\r\n"), std::string::npos);
}

TEST_F(StartUp, ClosingWritesTheRunsSettingsAndKeepsWhatItDoesNotOwn)
{
    WriteIni("debug=0\r\nmyOwnKey=keep me\r\nzoomSize=100\r\n\r\n[other]\r\nx=1\r\n");
    Start();
    Window->ClickMenuItem(mnu::Fifty);
    Window->ClickMenuItem(mnu::BlackAndWhite);
    Window->ClickMenuItem(mnu::AutoVersionCheck);
    Port.OnOptions = [](TBoardSettings& s) {
        s.Shape = "wolf";
        s.OreCount = 11;
        return true;
    };
    Window->ClickMenuItem(mnu::CustomShape);
    Port.Size = {1600, 900}; // maximised by now
    Window->FormClose();

    const TIniFile ini = TIniFile::FromText(ReadText(IniPath()));
    const auto value = [&](const char* key) { return ini.ReadString("settings", key, "<missing>"); };
    EXPECT_EQ(value("debug"), "0");
    EXPECT_EQ(value("myOwnKey"), "keep me");
    EXPECT_EQ(value("zoomSize"), "50");
    EXPECT_EQ(value("blackAndWhite"), "1");
    EXPECT_EQ(value("autoVersionCheck"), "1");
    EXPECT_EQ(value("shape"), "wolf");
    EXPECT_EQ(value("Ore"), "11");
    EXPECT_EQ(value("windowWidth"), "1600");
    EXPECT_EQ(value("windowHeight"), "900");
    EXPECT_EQ(ini.ReadString("other", "x", ""), "1");
    // The keys the window owns follow those that were there.
    EXPECT_EQ(ini.Sections()[0].Lines[0], "debug=0");
    EXPECT_EQ(ini.Sections()[0].Lines[1], "myOwnKey=keep me");
    EXPECT_EQ(ini.Sections()[0].Lines[2], "zoomSize=50");
    EXPECT_EQ(Port.Messages.size(), 1u); // the first-run question only
}

TEST_F(StartUp, ASettingsFileThatCannotBeWrittenAtCloseIsReportedAndTheWindowStillCloses)
{
    struct TCase {
        const char* Name;
        std::function<void(const TTempFolder&)> Spoil;
    };
    const TCase cases[] = {
        {"file replaced by a folder that is not empty",
         [](const TTempFolder& folder) {
             std::filesystem::remove(folder.File("VorniaGenerator.ini"));
             std::filesystem::create_directory(folder.File("VorniaGenerator.ini"));
             WriteText(folder.File("VorniaGenerator.ini/inside"), "x");
         }},
        {"folder gone", [](const TTempFolder& folder) { std::filesystem::remove_all(folder.Path); }},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Port = TFakeWindowPort();
        std::filesystem::create_directories(Folder.Path);
        std::filesystem::remove_all(IniPath());
        Start();
        c.Spoil(Folder);
        Window->FormClose();
        ASSERT_EQ(Port.Messages.size(), 2u); // the first-run question, then the failure
        EXPECT_EQ(Port.Messages[1].Kind, TMsgKind::Error);
        EXPECT_EQ(Port.Messages[1].Text.rfind("Could not save the settings to " + IniPath() + ":\r\n", 0), 0u)
            << Port.Messages[1].Text;
        EXPECT_GT(Port.Messages[1].Text.size(), ("Could not save the settings to " + IniPath() + ":\r\n").size());
        Window->FormDestroy();
        Window.reset();
    }
}

} // namespace
} // namespace vornia::test

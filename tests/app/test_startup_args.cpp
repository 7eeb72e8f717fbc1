// The command line of the window program: files opened after the start-up,
// dropped files, and where the settings live when started from the menu.
#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

#include "app/startup_args.h"
#include "test_frm_board_fake.h"

namespace vornia::test {
namespace {

TEST(StartupArgs, FilesOptionsAndTheEndOfOptions)
{
    struct TRow {
        const char* name;
        std::vector<std::string> args;
        bool fromDesktopEntry;
        std::vector<std::string> files;
        std::vector<std::string> unknown;
    };
    const TRow rows[] = {
        {"nothing", {"vornia-generator"}, false, {}, {}},
        {"one file", {"vornia-generator", "b.mirl"}, false, {"b.mirl"}, {}},
        {"desktop entry with its file",
         {"vornia-generator", "--from-desktop-entry", "/h/b c.mirl"},
         true,
         {"/h/b c.mirl"},
         {}},
        {"desktop entry, no file", {"vornia-generator", "--from-desktop-entry"}, true, {}, {}},
        {"files in order", {"vornia-generator", "b.mirl", "a.mirl"}, false, {"b.mirl", "a.mirl"}, {}},
        {"unknown option", {"vornia-generator", "-x", "b.mirl"}, false, {"b.mirl"}, {"-x"}},
        {"after --",
         {"vornia-generator", "--", "--from-desktop-entry", "-x.mirl"},
         false,
         {"--from-desktop-entry", "-x.mirl"},
         {}},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.name);
        const TStartupArgs args = ParseStartupArgs(row.args);
        EXPECT_EQ(args.FromDesktopEntry, row.fromDesktopEntry);
        EXPECT_EQ(args.BoardFiles, row.files);
        EXPECT_EQ(args.UnknownOptions, row.unknown);
    }
}

TEST(StartupArgs, SettingsFolderFromTheMenuFollowsTheConfigHome)
{
    struct TRow {
        const char* name;
        bool fromDesktopEntry;
        const char* configHome;
        const char* home;
        std::string folder;
    };
    const TRow rows[] = {
        {"terminal", false, "/cfg", "/home/p", ""},
        {"menu, config home", true, "/cfg", "/home/p", "/cfg/vornia-generator"},
        {"menu, config home unset", true, nullptr, "/home/p", "/home/p/.config/vornia-generator"},
        {"menu, config home empty", true, "", "/home/p", "/home/p/.config/vornia-generator"},
        {"menu, config home relative", true, "cfg", "/home/p", "/home/p/.config/vornia-generator"},
        {"menu, no home at all", true, nullptr, nullptr, ""},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(SettingsFolderFor(row.fromDesktopEntry, row.configHome, row.home), row.folder);
    }
}

// Without a usable $HOME, the user database names the home folder, so that
// the settings still stay out of the current folder.
TEST(StartupArgs, HomeFolderFallsBackToTheUserDatabase)
{
    EXPECT_EQ(HomeFolder("/home/p"), "/home/p");
    const std::string fallback = HomeFolder(nullptr);
    ASSERT_FALSE(fallback.empty());
    EXPECT_EQ(fallback[0], '/');
    EXPECT_EQ(HomeFolder("relative"), fallback);
    EXPECT_EQ(HomeFolder(""), fallback);
}

TEST(StartupArgs, TheSettingsFolderIsMadeWithTheFoldersAbove)
{
    TTempFolder folder;
    const std::string settings = folder.File("config/vornia-generator");
    ASSERT_TRUE(MakeFolder(settings));
    EXPECT_TRUE(std::filesystem::is_directory(settings));
    EXPECT_TRUE(MakeFolder(settings)) << "a folder that is there already";
    WriteText(folder.File("file"), "x");
    std::string error;
    EXPECT_FALSE(MakeFolder(folder.File("file/below"), &error));
    EXPECT_FALSE(error.empty());
}

// A window whose settings live in a folder made for it, as from the menu.
TEST_F(WindowTest, SettingsKeptInTheFolderTheDesktopEntryGives)
{
    const std::string config = Folder.File("config/vornia-generator");
    ASSERT_TRUE(MakeFolder(config));
    Window = std::make_unique<TfrmBoard>(Port, 0, config);
    Window->BoardRandom().UseFixedClock(FixedClockMs);
    ASSERT_TRUE(Window->FormCreate());
    Window->FormClose();
    EXPECT_TRUE(std::filesystem::exists(config + "/VorniaGenerator.ini"));
    EXPECT_EQ(Folder.Names(), std::vector<std::string>{"config"});
}

class StartupFiles : public WindowTest {
protected:
    std::string Board(const std::string& name)
    {
        const std::string path = Folder.File(name);
        WriteText(path, "[settings]\r\nplate[0]=Ore;10;33;6;;;;\r\nplateCount=1\r\nzoomSize=75\r\n");
        return path;
    }
};

TEST_F(StartupFiles, OpenAfterTheStartUpAndItsQuestionAsFileOpenWould)
{
    struct TRow {
        const char* name;
        int osProduct; // 0: the maximise and the question come 50 ms after showing
    };
    for (const TRow row : {TRow{"deferred", 0}, TRow{"at once", 5}}) {
        SCOPED_TRACE(row.name);
        Port = TFakeWindowPort();
        Port.Answers = {TMsgAnswer::No};
        const std::string board = Board("b.mirl");
        ASSERT_TRUE(Create(row.osProduct));
        Window->SetStartupBoardFiles({board, Folder.File("missing.mirl"), board});
        Window->FormShow();
        if (row.osProduct == 0) {
            EXPECT_EQ(Window->BoardPanel().Registry().Boards().size(), 0u) << "nothing before the start-up is over";
            ASSERT_TRUE(Port.Fire(*Window, TWindowTimer::Size));
        }
        ASSERT_EQ(Port.Messages.size(), 2u);
        EXPECT_EQ(Port.Messages[0].Text, std::string(VersionQuestion));
        EXPECT_EQ(Port.Messages[1].Text, "Sorry, could not find this board.\r\n" + Folder.File("missing.mirl"));
        EXPECT_EQ(Port.Caption, std::string(WindowCaption) + " [" + board + "]");
        EXPECT_EQ(Window->BoardPanel().Registry().Boards().size(), 1u) << "the same file twice is one board";
        EXPECT_EQ(Window->ZoomPercent(), 75);
        EXPECT_EQ(Window->BoardPanel().Plates().Count(), 1);
        Window.reset();
    }
}

// A readable file without a board's keys is refused by every way of opening
// it, and the current board stays; a file with a plate count of 0 (a board of
// no pieces) still opens.
TEST_F(StartupFiles, AFileThatHoldsNoBoardIsNotOpenedByAnyWay)
{
    struct TRow {
        const char* Name;
        const char* Text;
        bool Board;
    };
    const TRow rows[] = {
        {"a text file", "root:x:0:0:root:/root:/bin/bash\n", false},
        {"an empty file", "", false},
        {"settings without a board", "[settings]\r\nshape=cross\r\nzoomSize=50\r\n", false},
        {"a plate count elsewhere", "[other]\r\nplateCount=1\r\nplate[0]=Ore;10;33;6;;;;\r\n", false},
        {"a board of no pieces", "[settings]\r\nplateCount=0\r\n", true},
        {"a plate without a count", "[SETTINGS]\r\nPLATE[0]=Ore;10;33;6;;;;\r\n", true},
    };
    enum class TWay { Open, CommandLine, Drop };
    for (const TRow& row : rows) {
        for (const TWay way : {TWay::Open, TWay::CommandLine, TWay::Drop}) {
            SCOPED_TRACE(std::string(row.Name) + " by way " + std::to_string(static_cast<int>(way)));
            Port = TFakeWindowPort();
            Port.Answers = {TMsgAnswer::No};
            const std::string first = Board("first.mirl"), path = Folder.File("x.mirl");
            WriteText(path, row.Text);
            ASSERT_TRUE(Create(5));
            Window->SetStartupBoardFiles(way == TWay::CommandLine ? std::vector{first, path} : std::vector{first});
            Window->FormShow();
            if (way == TWay::Open) {
                Port.Files = {path};
                Window->ClickMenuItem(mnu::Open);
            } else if (way == TWay::Drop) {
                EXPECT_TRUE(Window->DropBoardFiles({path}));
            }
            const std::string current = row.Board ? path : first;
            EXPECT_EQ(Port.Caption, std::string(WindowCaption) + " [" + current + "]");
            EXPECT_EQ(Window->BoardPanel().Registry().Boards().size(), row.Board ? 2u : 1u);
            // Of several files on the command line, the message names the one.
            const std::string refused =
                std::string(NoBoardInFileText) + (way == TWay::CommandLine ? "\r\n" + path : std::string());
            EXPECT_EQ(Port.MessageTexts().back(), row.Board ? std::string(VersionQuestion) : refused);
            Window.reset();
        }
    }
}

TEST_F(StartupFiles, DroppedFilesOpenOnlyWhenFileOpenCouldBeChosen)
{
    Start();
    const std::string a = Board("a.mirl"), b = Board("b.mirl");
    Window->EnableMenus(false); // as while a board is being made
    EXPECT_FALSE(Window->DropBoardFiles({a}));
    EXPECT_TRUE(Window->BoardPanel().Registry().Boards().empty());
    Window->EnableMenus(true);
    EXPECT_TRUE(Window->DropBoardFiles({a, b}));
    EXPECT_EQ(BoardEntries(), (std::vector<std::string>{"-", "[" + a + "]", "[" + b + "] *"}));
    EXPECT_EQ(Window->AppSettings().Zoom, 100) << "the settings' zoom is written only at closing";
}

} // namespace
} // namespace vornia::test

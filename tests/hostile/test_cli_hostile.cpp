// vornia-cli given hostile arguments and hostile files, run as the program.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include <sys/stat.h>

#include "board_fixture.h"
#include "cli/cli_args.h"
#include "time_limits.h"

namespace vornia::hostile {
namespace {

using namespace std::string_literals;

const std::string CliPath = VORNIA_CLI_PATH;

std::size_t LineCount(const std::string& text)
{
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

// An argument that holds line ends or terminal control characters is named
// in the message with escapes, so that the message stays one printable line.
TEST(HostileCli, ArgumentsWithControlCharactersGiveOnePrintableLine)
{
    struct TRow {
        std::vector<std::string> Args;
        const char* Named;
    };
    const TRow rows[] = {
        {{"gen\nerate"}, "'gen\\nerate'"},
        {{"generate", "--shape", "wolf\r\x1b[2J"}, "'wolf\\r\\x1b[2J'"},
        {{"generate", "--counts", "Brick=\t5"}, "Brick=\\t5"},
        {{"stats", "a.mirl", "--mass", "\x7f"s}, "'\\x7f'"},
        {{"render", "a.mirl", "--png", "b.png", "--zoom", "7\0"s + "5"}, "'7\\x005'"},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Named);
        std::vector<std::string> args{"vornia-cli"};
        args.insert(args.end(), row.Args.begin(), row.Args.end());
        const TCliParse parse = ParseCliArgs(args);
        ASSERT_FALSE(parse.Ok);
        EXPECT_NE(parse.Error.find(row.Named), std::string::npos) << parse.Error;
        for (const char c : parse.Error)
            EXPECT_TRUE(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) << parse.Error;
    }

    TTempFolder folder;
    const TRunResult run = RunProgram({CliPath, "generate", "--out", "a\nb.mirl", "--seed", "x\ny"}, folder);
    EXPECT_EQ(run.ExitCode, 2);
    EXPECT_EQ(LineCount(run.Err), 1u) << run.Err;
    EXPECT_NE(run.Err.find("'x\\ny'"), std::string::npos) << run.Err;
}

TEST(HostileCli, BoardFilesThatCannotBeReadEndWithStatusOne)
{
    TTempFolder folder;
    const std::string dir = folder.File("folder.mirl"), fifo = folder.File("fifo.mirl");
    std::filesystem::create_directory(dir);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    for (const std::string& path : {dir, fifo, folder.File("missing.mirl")}) {
        SCOPED_TRACE(path);
        const TRunResult run = RunProgram({CliPath, "stats", path}, folder, FewSeconds);
        EXPECT_EQ(run.ExitCode, 1) << run.Err;
        EXPECT_NE(run.Err.find("cannot read " + path), std::string::npos) << run.Err;
        EXPECT_TRUE(run.Out.empty());
    }
}

// Settings to read and files to write where there is a folder, a FIFO or
// nothing: a message and status 1, and nothing under the folder's name.
TEST(HostileCli, FoldersAndFifosWhereFilesBelongEndWithStatusOne)
{
    TTempFolder folder;
    const std::string dir = folder.File("taken"), fifo = folder.File("fifo.ini");
    std::filesystem::create_directory(dir);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    struct TRow {
        std::vector<std::string> Args;
        const char* Said;
    };
    const TRow rows[] = {
        {{"generate", "--settings", dir}, "cannot read"},
        {{"generate", "--settings", fifo}, "cannot read"},
        {{"generate", "--out", dir, "--force"}, "is a folder"},
        {{"generate", "--out", folder.File("missing/board.mirl")}, "cannot write"},
        {{"generate", "--png", dir}, "cannot write"},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Args[1] + " " + row.Args[2]);
        std::vector<std::string> argv{CliPath};
        argv.insert(argv.end(), row.Args.begin(), row.Args.end());
        const TRunResult run = RunProgram(argv, folder, HangGuardSeconds);
        EXPECT_EQ(run.ExitCode, 1) << run.Err;
        EXPECT_NE(run.Err.find(row.Said), std::string::npos) << run.Err;
        EXPECT_TRUE(std::filesystem::is_directory(dir));
        EXPECT_TRUE(std::filesystem::is_empty(dir));
    }
}

// A board whose picture would be larger than 16384 pixels on a side is
// refused before any memory is taken for it; one just inside is drawn, and
// so is one with a plate far up and left of the picture (it falls outside).
TEST(HostileCli, RenderRefusesAPictureBeyondTheLargestSide)
{
    struct TRow {
        const char* Name;
        std::string Plate; // the value of plate[0], at 100 per cent
        int Status;
    };
    // At 100 per cent a plate reaches 2 * 39 to the right and 45 + 23 down;
    // the picture has a margin of 10.
    const TRow rows[] = {
        {"just inside", "Grain;" + std::to_string(16384 - 10 - 78) + ";10;5;;;btEast;", 0},
        {"one pixel too wide", "Grain;" + std::to_string(16384 - 10 - 78 + 1) + ";10;5;;;btEast;", 1},
        {"one pixel too high", "Grain;10;" + std::to_string(16384 - 10 - 68 + 1) + ";5;;;btEast;", 1},
        {"at the end of the 32-bit range", "Ore;2147483647;2147483647;8;;;btWest;", 1},
        {"at the start of the 32-bit range", "Ore;-2147483648;-2147483648;8;;;btWest;", 0},
    };
    TTempFolder folder;
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Name);
        const std::string board = folder.File("far.mirl"), png = folder.File("far.png");
        WriteFileText(board, "[settings]\r\n" + PlateLine(0, row.Plate) + PlateLine(1, "Water;10;10;;;;btEast;") +
                                 "plateCount=2\r\nzoomSize=100\r\n");
        std::filesystem::remove(png);
        const TRunResult run = RunProgram({CliPath, "render", board, "--png", png}, folder, HangGuardSeconds);
        EXPECT_EQ(run.ExitCode, row.Status) << run.Err;
        EXPECT_EQ(std::filesystem::exists(png), row.Status == 0);
        if (row.Status != 0) {
            EXPECT_NE(run.Err.find("16384"), std::string::npos) << run.Err;
        }
    }
}

} // namespace
} // namespace vornia::hostile

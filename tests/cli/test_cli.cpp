#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <thread>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "board/board_settings.h"
#include "board/panel_board.h"
#include "cli/cli_args.h"
#include "cli/cli_batch.h"
#include "cli/cli_run.h"
#include "files/file_utils.h"
#include "tests/scoped_locale.h"

#include <nlohmann/json.hpp>

namespace vornia {
namespace {

namespace fs = std::filesystem;

TCliParse Parse(std::initializer_list<const char*> words)
{
    std::vector<std::string> args{"vornia-cli"};
    for (const char* w : words)
        args.emplace_back(w);
    return ParseCliArgs(args);
}

TEST(CliArgs, UsageErrorsNameTheBadArgument)
{
    struct TRow {
        std::initializer_list<const char*> args;
        const char* named;
    };
    const TRow rows[] = {
        {{}, "missing command"},
        {{"make"}, "'make'"},
        {{"generate", "--zoom", "60"}, "'60'"},
        {{"generate", "--zoom"}, "--zoom"},
        {{"generate", "--seed", "86400000"}, "'86400000'"},
        {{"generate", "--seed", "-1"}, "'-1'"},
        {{"generate", "--shape", "hexagon"}, "'hexagon'"},
        {{"generate", "--mass", "huge"}, "'huge'"},
        {{"generate", "--counts", "Brick=501"}, "Brick=501"},
        {{"generate", "--counts", "Gold=3"}, "'Gold'"},
        {{"generate", "--counts", "Brick"}, "'Brick'"},
        {{"generate", "--counts", "Brick=2,"}, "''"},
        {{"generate", "--pieces", "7-8"}, "'7-8' for --pieces (3-4 or 5-6)"},
        {{"generate", "--pieces"}, "--pieces"},
        {{"stats", "a.mirl", "--pieces", "5-6"}, "'--pieces'"},
        {{"generate", "--bw"}, "--bw"},
        {{"generate", "extra"}, "'extra'"},
        {{"stats"}, "missing board file"},
        {{"stats", "a.mirl", "--png", "x.png"}, "'--png'"},
        {{"render", "a.mirl"}, "--png"},
        {{"generate", "--count", "0", "--out-dir", "d"}, "'0'"},
        {{"generate", "--count", "10001", "--out-dir", "d"}, "'10001'"},
        {{"generate", "--count", "many", "--out-dir", "d"}, "'many'"},
        {{"generate", "--count", "5"}, "--out-dir"},
        {{"generate", "--out-dir", "d", "--out", "b.mirl"}, "--out"},
        {{"generate", "--out-dir", "d", "--png", "b.png"}, "--png"},
        {{"generate", "--out-dir", "d", "--svg", "b.svg"}, "--svg"},
        {{"stats", "a.mirl", "--out-dir", "d"}, "'--out-dir'"},
        {{"render", "a.mirl"}, "--svg"},
        {{"render", "a.mirl", "--bw"}, "--pdf"},
        {{"render", "a.mirl", "--svg"}, "--svg"},
        {{"stats", "a.mirl", "--pdf", "x.pdf"}, "'--pdf'"},
        {{"generate", "--bw", "--out", "b.mirl"}, "--bw"},
        {{"analyse"}, "missing board file"},
        {{"analyse", "a.mirl", "--png", "x.png"}, "'--png'"},
        {{"generate", "--json"}, "--analyse"},
        {{"generate", "--corners"}, "--corners"},
        {{"render", "a.mirl", "--corners"}, "--png"},
        {{"generate", "--analyse", "--out-dir", "d"}, "--out-dir"},
    };
    for (const auto& row : rows) {
        const TCliParse parse = ParseCliArgs([&] {
            std::vector<std::string> v{"vornia-cli"};
            for (const char* w : row.args)
                v.emplace_back(w);
            return v;
        }());
        SCOPED_TRACE(row.named);
        EXPECT_FALSE(parse.Ok);
        EXPECT_NE(parse.Error.find(row.named), std::string::npos) << parse.Error;
        EXPECT_EQ(parse.Error.find('\n'), std::string::npos);
    }
}

TEST(CliArgs, AcceptsTheWholeContract)
{
    const TCliParse parse = Parse({"generate",
                                   "--settings",
                                   "s.ini",
                                   "--shape",
                                   "Dog Leg",
                                   "--mass",
                                   "HIGH",
                                   "--pieces",
                                   "5-6",
                                   "--counts",
                                   "brick=0,PIETWELVE=500",
                                   "--zoom",
                                   "75",
                                   "--seed",
                                   "86399999",
                                   "--out",
                                   "b.mirl",
                                   "--force",
                                   "--png",
                                   "b.png",
                                   "--bw"});
    ASSERT_TRUE(parse.Ok) << parse.Error;
    const TCliArgs& a = parse.Args;
    EXPECT_EQ(a.Command, TCliCommand::Generate);
    EXPECT_EQ(*a.Shape, "dog leg");
    EXPECT_EQ(*a.Pieces, "5-6");
    EXPECT_EQ(a.Counts, (std::vector<std::pair<std::string, int>>{{"Brick", 0}, {"pieTwelve", 500}}));
    EXPECT_EQ(*a.Zoom, 75);
    EXPECT_EQ(*a.Seed, 86399999u);
    EXPECT_TRUE(a.Force && a.BlackAndWhite);
    // Any one or more of the three pictures.
    struct TPictures {
        std::initializer_list<const char*> Args;
        const char* Png;
        const char* Svg;
        const char* Pdf;
    };
    const TPictures pictures[] = {
        {{"render", "b.mirl", "--svg", "b.svg"}, "", "b.svg", ""},
        {{"render", "b.mirl", "--pdf", "b.pdf", "--bw"}, "", "", "b.pdf"},
        {{"render", "b.mirl", "--pdf", "c.pdf", "--png", "c.png", "--svg", "c.svg"}, "c.png", "c.svg", "c.pdf"},
        {{"generate", "--svg", "g.svg", "--pdf", "g.pdf"}, "", "g.svg", "g.pdf"},
    };
    for (const TPictures& row : pictures) {
        const TCliParse pictureParse = Parse(row.Args);
        SCOPED_TRACE(*(row.Args.begin() + 1));
        ASSERT_TRUE(pictureParse.Ok) << pictureParse.Error;
        EXPECT_EQ(pictureParse.Args.PngFile, row.Png);
        EXPECT_EQ(pictureParse.Args.SvgFile, row.Svg);
        EXPECT_EQ(pictureParse.Args.PdfFile, row.Pdf);
    }
    EXPECT_EQ(Parse({"--help"}).Args.Command, TCliCommand::Help);
    EXPECT_EQ(Parse({"render", "x.mirl", "--help"}).Args.Command, TCliCommand::Help);
}

class CliRun : public ::testing::Test {
protected:
    fs::path dir;
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("vornia-cli-test-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    int Run(std::initializer_list<const char*> words, std::string* out = nullptr, std::string* err = nullptr)
    {
        const TCliParse parse = Parse(words);
        EXPECT_TRUE(parse.Ok) << parse.Error;
        std::ostringstream o, e;
        const int status = RunCli(parse.Args, o, e, nullptr);
        if (out)
            *out = o.str();
        if (err)
            *err = e.str();
        return status;
    }
    std::string Path(const char* name) const { return (dir / name).string(); }
    static std::string Read(const std::string& path)
    {
        std::string text;
        ReadWholeFile(path, text);
        return text;
    }
    static std::vector<std::string> Lines(const std::string& text)
    {
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }
};

TEST_F(CliRun, GeneratePrintsTheSixPanelLines)
{
    std::string out;
    ASSERT_EQ(Run({"generate", "--seed", "1"}, &out), ExitOk);
    EXPECT_EQ(Lines(out), (std::vector<std::string>{"[New traditional 1]", "shape: traditional", "plain waters: 9",
                                                   "land mass: any", "mass stats: 1.89 - 4.42 - 4.42  (high)",
                                                   "Attempts: 0"}));
}

TEST_F(CliRun, SameSeedSameFileAndStatsReadItBack)
{
    for (auto shape : ShapeNames) {
        for (const char* zoom : {"100", "75", "50"}) {
            SCOPED_TRACE(std::string(shape) + " at " + zoom);
            const std::string shapeText(shape);
            std::string first, second, stats;
            const std::string a = Path("a.mirl"), b = Path("b.mirl");
            ASSERT_EQ(Run({"generate", "--shape", shapeText.c_str(), "--zoom", zoom, "--seed", "4242", "--counts",
                           "Water=40", "--out", a.c_str(), "--force"},
                          &first),
                      ExitOk);
            ASSERT_EQ(Run({"generate", "--shape", shapeText.c_str(), "--zoom", zoom, "--seed", "4242", "--counts",
                           "Water=40", "--out", b.c_str(), "--force"},
                          &second),
                      ExitOk);
            EXPECT_EQ(first, second);
            EXPECT_EQ(Read(a), Read(b));
            EXPECT_NE(Read(a).find("\r\nzoomSize=" + std::string(zoom) + "\r\n"), std::string::npos);
            ASSERT_EQ(Run({"stats", a.c_str(), "--shape", shapeText.c_str()}, &stats), ExitOk);
            auto generated = Lines(first), read = Lines(stats);
            ASSERT_EQ(read.size(), 6u);
            EXPECT_EQ(read[0], "[" + FullPath(a) + "]");
            EXPECT_EQ(std::vector<std::string>(read.begin() + 1, read.end() - 1),
                      std::vector<std::string>(generated.begin() + 1, generated.end() - 1));
            EXPECT_EQ(read[5], "Attempts: 0");
        }
    }
}

// A piece set is the 24 counts written out, wherever --pieces stands; the
// settings file comes first and --counts last.
TEST_F(CliRun, PieceSetIsItsCountsWrittenOut)
{
    std::string written;
    for (std::size_t k = 0; k < CountKeys.size(); ++k)
        written += (k ? "," : "") + std::string(CountKeys[k].Key) + "=" + std::to_string(PieceSets[1].Counts[k]);
    const std::string ini = Path("s.ini");
    std::ofstream(ini) << "[settings]\r\nBrick=40\r\npieTwo=9\r\n";
    for (const char* shape : {"random", "cross"}) {
        SCOPED_TRACE(shape);
        const std::string a = Path("a.mirl"), b = Path("b.mirl"), c = Path("c.mirl");
        std::string byCounts, bySet, withSettings;
        ASSERT_EQ(Run({"generate", "--shape", shape, "--seed", "77", "--counts", written.c_str(), "--out", a.c_str(),
                       "--force"},
                      &byCounts),
                  ExitOk);
        ASSERT_EQ(Run({"generate", "--counts", "pieTwo=2", "--shape", shape, "--pieces", "5-6", "--seed", "77", "--out",
                       b.c_str(), "--force"},
                      &bySet),
                  ExitOk);
        ASSERT_EQ(Run({"generate", "--settings", ini.c_str(), "--pieces", "5-6", "--shape", shape, "--seed", "77",
                       "--out", c.c_str(), "--force"},
                      &withSettings),
                  ExitOk);
        EXPECT_EQ(byCounts, bySet);
        EXPECT_EQ(Read(a), Read(b));
        EXPECT_EQ(Read(a), Read(c));
    }
}

TEST_F(CliRun, SettingsFileThenOptions)
{
    const std::string ini = Path("s.ini");
    std::ofstream(ini) << "[settings]\r\nshape=cross\r\nmassDensity=low\r\nWater=0\r\nzoomSize=50\r\n";
    std::string out;
    ASSERT_EQ(Run({"generate", "--settings", ini.c_str(), "--mass", "any", "--seed", "3"}, &out), ExitOk);
    const auto lines = Lines(out);
    EXPECT_EQ(lines[0], "[New cross 1]");
    EXPECT_EQ(lines[1], "shape: cross");
    EXPECT_EQ(lines[2], "plain waters: 0");
    EXPECT_EQ(lines[3], "land mass: any");
}

TEST_F(CliRun, FailuresAndTheirExitStatus)
{
    std::string out, err;
    const std::string board = Path("board.mirl");
    // A random board that can never be made: two land plates asked to be "high".
    EXPECT_EQ(Run({"generate", "--shape", "random", "--mass", "high", "--counts",
                   "Brick=2,Grain=0,Lumber=0,Ore=0,Wool=0,Desert=0", "--out", board.c_str()},
                  &out, &err),
              ExitNoBoard);
    EXPECT_EQ(err, "Failed to create custom board. Please try again.\n");
    EXPECT_TRUE(out.empty());
    EXPECT_FALSE(fs::exists(board));

    std::ofstream(board) << "old";
    EXPECT_EQ(Run({"generate", "--out", board.c_str()}, &out, &err), ExitFileError);
    EXPECT_NE(err.find("--force"), std::string::npos);
    EXPECT_EQ(Read(board), "old");
    EXPECT_EQ(Run({"generate", "--out", board.c_str(), "--force"}), ExitOk);
    EXPECT_NE(Read(board), "old");

    const std::string intoFolder = (dir / "no" / "such" / "x.mirl").string();
    EXPECT_EQ(Run({"generate", "--out", intoFolder.c_str()}, &out, &err), ExitFileError);
}

// What the tool says when it is given a shape by another spelling, an
// unknown shape or a folder for its board file.
TEST_F(CliRun, MessagesSayWhatIsWrongAndShapesTakeTheTablesSpelling)
{
    const TCliParse unknown = Parse({"generate", "--shape", "hexagon"});
    ASSERT_FALSE(unknown.Ok);
    std::string everyShape;
    for (const std::string_view shape : ShapeNames)
        everyShape += (everyShape.empty() ? "(" : ", ") + std::string(shape);
    EXPECT_EQ(ShapeNames.size(), 14u);
    EXPECT_NE(unknown.Error.find(everyShape + ")"), std::string::npos) << unknown.Error;

    const std::string folder = Path("boards");
    fs::create_directory(folder);
    struct TRow {
        std::initializer_list<const char*> Args;
        int Status;
        std::vector<std::string> Lines; // the first lines printed
        std::string Said, NotSaid;      // in the error output
    };
    const TRow rows[] = {
        {{"generate", "--shape", "Dog Leg", "--seed", "3"}, ExitOk, {"[New dog leg 1]", "shape: dog leg"}, "", ""},
        {{"stats", folder.c_str(), "--shape", "LONG LAKE"}, ExitFileError, {}, "folder", ""},
        {{"generate", "--out", folder.c_str()}, ExitFileError, {}, "is a folder", "--force"},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(*(row.Args.begin() + 2));
        std::string out, err;
        EXPECT_EQ(Run(row.Args, &out, &err), row.Status) << err;
        const std::vector<std::string> lines = Lines(out);
        EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + std::min(lines.size(), row.Lines.size())),
                  row.Lines);
        EXPECT_NE(err.find(row.Said), std::string::npos) << err;
        if (!row.NotSaid.empty()) {
            EXPECT_EQ(err.find(row.NotSaid), std::string::npos) << err;
        }
    }
    EXPECT_TRUE(fs::is_empty(folder));
}

// stats and render refuse a readable file that holds no board, as they do a
// file they cannot read; a board of no pieces is still a board.
TEST_F(CliRun, AFileThatHoldsNoBoardIsAFileError)
{
    struct TRow {
        const char* Name;
        const char* Text;
        int Status;
    };
    const TRow rows[] = {
        {"a text file", "root:x:0:0:root:/root:/bin/bash\n", ExitFileError},
        {"an empty file", "", ExitFileError},
        {"settings without a board", "[settings]\r\nshape=cross\r\n", ExitFileError},
        {"a board of no pieces", "[settings]\r\nplateCount=0\r\n", ExitOk},
    };
    const std::string board = Path("x.mirl"), png = Path("x.png");
    const std::string refused = "vornia-cli: " + board + ": holds no board\n";
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Name);
        std::ofstream(board, std::ios::binary) << row.Text;
        std::string out, err;
        EXPECT_EQ(Run({"stats", board.c_str()}, &out, &err), row.Status) << err;
        EXPECT_EQ(err, row.Status == ExitOk ? "" : refused);
        EXPECT_EQ(out.empty(), row.Status != ExitOk);
        if (row.Status != ExitOk) {
            EXPECT_EQ(Run({"render", board.c_str(), "--png", png.c_str()}, &out, &err), ExitFileError);
            EXPECT_EQ(err, refused);
        }
    }
    EXPECT_FALSE(fs::exists(png));
}

TEST(CliBatch, SeedsCountOnFromTheFirstAndWrapAtTheEndOfTheDay)
{
    struct TRow {
        std::uint32_t first;
        int board;
        std::uint32_t seed;
    };
    for (const TRow row : {TRow{5, 1, 5}, TRow{5, 10, 14}, TRow{86399999, 1, 86399999}, TRow{86399999, 2, 0},
                           TRow{86399990, 10000, 9989}}) {
        SCOPED_TRACE(std::to_string(row.first) + " board " + std::to_string(row.board));
        EXPECT_EQ(BatchSeed(row.first, row.board), row.seed);
    }
    EXPECT_EQ(BatchBoardFileName(7), "board-0007.mirl");
    EXPECT_EQ(BatchBoardFileName(10000), "board-10000.mirl");
}

TEST_F(CliRun, ABatchOfAHundredIsTheRunsFirstHundredBoardsEachRemadeByItsSeed)
{
    const std::string out = Path("batch");
    std::string printed;
    ASSERT_EQ(Run({"generate", "--shape", "dog leg", "--count", "100", "--out-dir", out.c_str(), "--seed", "86399950"},
                  &printed),
              ExitOk);
    EXPECT_EQ(printed, "100 of 100 boards made; the table is " + (fs::path(out) / "boards.tsv").string() + "\n");
    const auto table = Lines(Read(Path("batch/boards.tsv")));
    ASSERT_EQ(table.size(), 101u);
    EXPECT_EQ(table[0], BatchTableHeader());
    for (const int board : {1, 50, 51, 100}) {
        SCOPED_TRACE(board);
        const std::string seed = std::to_string((86399950 + board - 1) % 86400000);
        const std::string file = BatchBoardFileName(board);
        std::string single;
        const std::string alone = Path("alone.mirl");
        ASSERT_EQ(Run({"generate", "--shape", "dog leg", "--seed", seed.c_str(), "--out", alone.c_str(), "--force",
                       "--balance"},
                      &single),
                  ExitOk);
        EXPECT_EQ(Read(alone), Read(out + "/" + file));
        // The row shows what the panel showed for the same board.
        const auto panels = Lines(single);
        const std::string stats = panels[4].substr(std::string("mass stats: ").size());
        std::istringstream averages(stats);
        std::string lowest, dash, actual, highest, category;
        averages >> lowest >> dash >> actual >> dash >> highest >> category;
        // "balance: pips Brick=P ...; pairs red=R equal=E resource=S": its numbers in order.
        std::string balance;
        for (std::size_t at = panels[6].find('='); at != std::string::npos; at = panels[6].find('=', at + 1))
            balance += "\t" + panels[6].substr(at + 1, panels[6].find_first_of(" ;", at) - at - 1);
        EXPECT_EQ(table[static_cast<std::size_t>(board)],
                  file + "\tNew dog leg " + std::to_string(board) + "\t" + seed + "\tdog leg\t0\t" + lowest + "\t" +
                      actual + "\t" + highest + "\t" + category.substr(1, category.size() - 2) + balance + "\tok");
    }
}

TEST_F(CliRun, ABatchReplacesFilesOnlyWithForceAndListsFailedBoards)
{
    const std::string out = Path("batch");
    fs::create_directories(out);
    for (const char* name : {"board-0002.mirl", "boards.tsv"}) {
        SCOPED_TRACE(name);
        std::ofstream(out + "/" + name) << "old";
        std::string err;
        EXPECT_EQ(Run({"generate", "--count", "3", "--out-dir", out.c_str()}, nullptr, &err), ExitFileError);
        EXPECT_NE(err.find(name), std::string::npos) << err;
        EXPECT_EQ(Read(out + "/" + name), "old");
        EXPECT_FALSE(fs::exists(out + "/board-0001.mirl"));
        fs::remove(out + "/" + name);
    }
    std::ofstream(out + "/board-0002.mirl") << "old";
    ASSERT_EQ(Run({"generate", "--count", "3", "--out-dir", out.c_str(), "--force"}), ExitOk);
    EXPECT_NE(Read(out + "/board-0002.mirl"), "old");

    // Boards that cannot be made: rows without a file, and exit status 3.
    const std::string firstBoard = Read(out + "/board-0001.mirl");
    std::string err;
    EXPECT_EQ(Run({"generate", "--shape", "random", "--mass", "high", "--counts",
                   "Brick=2,Grain=0,Lumber=0,Ore=0,Wool=0,Desert=0", "--count", "2", "--out-dir", out.c_str(), "--seed",
                   "9", "--force"},
                  nullptr, &err),
              ExitNoBoard);
    EXPECT_NE(err.find("2 boards could not be made"), std::string::npos) << err;
    const auto table = Lines(Read(out + "/boards.tsv"));
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table[1], "\t\t9\trandom\t" + std::to_string(MaxRandomAttempts) + "\t\t\t\t" + std::string(8, '\t') +
                            "\tFailed to create custom board. Please try again.");
    EXPECT_EQ(Read(out + "/board-0001.mirl"), firstBoard) << "a failed board leaves the file of its number alone";
}

// A booklet that records what the batch gives it.
class TRecordedBooklet : public TBooklet {
public:
    struct TLog {
        std::string Path;
        std::vector<std::string> Headings;
        std::vector<bool> BlackAndWhite;
        bool Finished = false;
        bool RefuseBegin = false;
    };
    explicit TRecordedBooklet(TLog& log) : Log(log) {}
    bool Begin(const std::string& path, std::string& error) override
    {
        Log.Path = path;
        error = "refused";
        return !Log.RefuseBegin;
    }
    bool AddBoard(const std::string& heading, const TPictureRequest& board, std::string&) override
    {
        EXPECT_GT(board.Plates.PlacedCount(), 0);
        Log.Headings.push_back(heading);
        Log.BlackAndWhite.push_back(board.BlackAndWhite);
        return true;
    }
    bool Finish(std::string&) override
    {
        Log.Finished = true;
        return true;
    }

private:
    TLog& Log;
};

TEST_F(CliRun, ABatchBookletHasAPageForEachBoardMade)
{
    struct TRow {
        const char* name;
        std::vector<const char*> args;
        bool refuseBegin;
        int status;
        std::vector<std::string> headings;
        bool finished;
    };
    const std::string out = Path("batch"), book = Path("book.pdf");
    const TRow rows[] = {
        {"three boards", {"--count", "3", "--bw"}, false, ExitOk, {"New cross 1", "New cross 2", "New cross 3"}, true},
        {"every board failed",
         {"--count", "2", "--shape", "random", "--mass", "high", "--counts",
          "Brick=2,Grain=0,Lumber=0,Ore=0,Wool=0,Desert=0"},
         false,
         ExitNoBoard,
         {},
         false},
        {"booklet not writable", {"--count", "2"}, true, ExitFileError, {}, false},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove_all(out);
        std::vector<std::string> words{"vornia-cli", "generate", "--shape", "cross", "--out-dir", out, "--pdf", book};
        words.insert(words.end(), row.args.begin(), row.args.end());
        const TCliParse parse = ParseCliArgs(words);
        ASSERT_TRUE(parse.Ok) << parse.Error;
        TRecordedBooklet::TLog log;
        log.RefuseBegin = row.refuseBegin;
        std::ostringstream o, e;
        EXPECT_EQ(RunCli(parse.Args, o, e, nullptr, false, [&] { return std::make_unique<TRecordedBooklet>(log); }),
                  row.status);
        EXPECT_EQ(log.Path, book);
        EXPECT_EQ(log.Headings, row.headings);
        EXPECT_EQ(log.Finished, row.finished);
        for (const bool bw : log.BlackAndWhite)
            EXPECT_TRUE(bw);
        EXPECT_EQ(fs::exists(out + "/board-0001.mirl"), row.status == ExitOk);
    }
}

// A file that cannot be read or written is named once, then the reason.
TEST_F(CliRun, FileMessagesNameTheFileOnce)
{
    const std::string missing = Path("missing.ini"), folder = dir.string(), taken = Path("taken");
    fs::create_directory(taken);
    struct TRow {
        std::initializer_list<const char*> Args;
        std::string Named;
        std::string Said;
    };
    const TRow rows[] = {
        {{"generate", "--settings", missing.c_str()}, missing, "cannot read %: No such file or directory\n"},
        {{"stats", missing.c_str()}, missing, "cannot read %: No such file or directory\n"},
        {{"stats", folder.c_str()}, folder, "cannot read %: it is a folder\n"},
        {{"generate", "--out", taken.c_str(), "--force"},
         taken,
         "% is a folder; --out names the board file to write\n"},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Said);
        std::string err;
        EXPECT_EQ(Run(row.Args, nullptr, &err), ExitFileError);
        std::string said = "vornia-cli: " + row.Said;
        said.replace(said.find('%'), 1, row.Named);
        EXPECT_EQ(err.substr(0, said.size()), said);
        EXPECT_EQ(err.find(row.Named, err.find(row.Named) + 1), std::string::npos) << err;
    }
}

// The real program, with pictures. Its standard error holds only its own
// messages: Qt's warning about a session without a runtime folder is not one.
TEST_F(CliRun, ProgramDrawsPicturesAndRefusesHugeOnes)
{
    const std::string cli = "env -u XDG_RUNTIME_DIR " + std::string(VORNIA_CLI_PATH);
    const std::string board = Path("b.mirl"), png = Path("b.png"), errFile = Path("err.txt");
    std::string err;
    auto run = [&](const std::string& args) {
        const int status = WEXITSTATUS(std::system((cli + " " + args + " >/dev/null 2>'" + errFile + "'").c_str()));
        err = Read(errFile);
        return status;
    };
    ASSERT_EQ(run("generate --seed 1 --out '" + board + "' --png '" + png + "'"), ExitOk);
    EXPECT_EQ(err, "");
    EXPECT_TRUE(fs::file_size(png) > 1000);
    ASSERT_EQ(run("render '" + board + "' --png '" + Path("half.png") + "' --zoom 50 --bw"), ExitOk);
    EXPECT_EQ(err, "");
    EXPECT_TRUE(fs::exists(Path("half.png")));
    EXPECT_EQ(run("render '" + board + "' --zoom 40 --png x.png"), ExitUsage);

    std::ofstream(Path("far.mirl")) << "[settings]\r\nplate[0]=Grain;20000;10;;;;;\r\nplateCount=1\r\n";
    EXPECT_EQ(run("render '" + Path("far.mirl") + "' --png '" + Path("far.png") + "'"), ExitFileError);
    EXPECT_FALSE(fs::exists(Path("far.png")));
    const std::string folder = dir.string();
    EXPECT_EQ(run("render '" + board + "' --png '" + folder + "'"), ExitFileError);
    EXPECT_EQ(err.rfind("vornia-cli: cannot write " + folder + ": ", 0), 0u) << err;
    EXPECT_EQ(err.find(folder, err.find(folder) + 1), std::string::npos) << err;
    // Shapes and text know no pixel limit.
    EXPECT_EQ(run("render '" + Path("far.mirl") + "' --svg '" + Path("far.svg") + "' --pdf '" + Path("far.pdf") + "'"),
              ExitOk);
    EXPECT_NE(Read(Path("far.svg")).find("viewBox=\"0 0 20088 88\""), std::string::npos);
    EXPECT_EQ(Read(Path("far.pdf")).rfind("%PDF-", 0), 0u);
}

TEST_F(CliRun, ProgramWritesEveryPictureAskedForAndStopsAtTheFirstItCannot)
{
    const std::string cli = "env -u XDG_RUNTIME_DIR " + std::string(VORNIA_CLI_PATH);
    const std::string board = Path("b.mirl"), errFile = Path("err.txt");
    std::string err;
    auto run = [&](const std::string& args) {
        const int status = WEXITSTATUS(std::system((cli + " " + args + " >/dev/null 2>'" + errFile + "'").c_str()));
        err = Read(errFile);
        return status;
    };
    ASSERT_EQ(
        run("generate --seed 2 --out '" + board + "' --svg '" + Path("g.svg") + "' --pdf '" + Path("g.pdf") + "'"),
        ExitOk);
    ASSERT_EQ(run("render '" + board + "' --pdf '" + Path("r.pdf") + "' --svg '" + Path("r.svg") + "' --png '" +
                  Path("r.png") + "'"),
              ExitOk);
    EXPECT_EQ(err, "");
    // generate and render draw the same board the same way.
    EXPECT_EQ(Read(Path("g.svg")), Read(Path("r.svg")));
    EXPECT_NE(Read(Path("r.svg")).find(">Desert</text>"), std::string::npos);
    EXPECT_EQ(Read(Path("r.pdf")).rfind("%PDF-", 0), 0u);
    EXPECT_TRUE(fs::file_size(Path("r.png")) > 1000);

    // A picture into a missing folder: the file error, and nothing after it.
    const std::string missing = Path("no/such/x.svg");
    EXPECT_EQ(run("render '" + board + "' --svg '" + missing + "' --pdf '" + Path("after.pdf") + "'"), ExitFileError);
    EXPECT_EQ(err.rfind("vornia-cli: cannot write " + missing + ": ", 0), 0u) << err;
    EXPECT_FALSE(fs::exists(Path("after.pdf")));
}

// The program under the user's locale: what it prints and writes is the same
// as under C.
TEST_F(CliRun, ProgramWritesTheSameInEveryLocale)
{
    const std::string cli = VORNIA_CLI_PATH;
    auto runUnder = [&](const std::string& locale, const std::string& tag) {
        const std::string board = Path("b.mirl"), png = Path("b.png"), svg = Path("b.svg"), out = Path("out.txt");
        const std::string command = "LC_ALL=" + locale + " LANG=" + locale + " " + cli +
                                    " generate --seed 1 --force --out '" + board + "' --png '" + png + "' --svg '" +
                                    svg + "' >'" + out + "' 2>/dev/null";
        EXPECT_EQ(WEXITSTATUS(std::system(command.c_str())), ExitOk) << tag;
        return std::vector<std::string>{Read(out), Read(board), Read(png), Read(svg)};
    };
    const auto plain = runUnder("C", "C");
    EXPECT_NE(plain[0].find("mass stats: 1.89 - 4.42 - 4.42  (high)\n"), std::string::npos) << plain[0];
    for (const char* locale : test::CommaLocales) {
        SCOPED_TRACE(locale);
        const auto local = runUnder(locale, locale);
        EXPECT_EQ(local[0], plain[0]);
        EXPECT_TRUE(local[1] == plain[1]) << "the board file differs";
        EXPECT_TRUE(local[2] == plain[2]) << "the picture differs";
        EXPECT_TRUE(local[3] == plain[3]) << "the SVG picture differs";
    }
}

// The real program's booklet: a PDF page for each board, headed by its name.
TEST_F(CliRun, ProgramWritesTheBookletOfABatch)
{
    if (std::system("command -v pdfinfo >/dev/null && command -v pdftotext >/dev/null") != 0)
        GTEST_SKIP() << "pdfinfo or pdftotext is missing";
    const std::string out = Path("batch"), book = Path("book.pdf"), text = Path("book.txt");
    const std::string command = std::string(VORNIA_CLI_PATH) + " generate --count 4 --seed 7 --out-dir '" + out +
                                "' --pdf '" + book + "' >/dev/null 2>&1";
    ASSERT_EQ(WEXITSTATUS(std::system(command.c_str())), ExitOk);
    ASSERT_EQ(std::system(("pdfinfo '" + book + "' | grep -q '^Pages: *4$'").c_str()), 0);
    ASSERT_EQ(std::system(("pdftotext '" + book + "' '" + text + "'").c_str()), 0);
    const std::string words = Read(text);
    for (const char* heading : {"New traditional 1", "New traditional 4"})
        EXPECT_NE(words.find(heading), std::string::npos) << heading;
}

// A batch killed at any moment: every board file there is whole, and the
// table, written last, is not there at all.
TEST_F(CliRun, ABatchKilledMidwayLeavesOnlyWholeBoardFiles)
{
    const std::string out = Path("batch");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
        ::execl(VORNIA_CLI_PATH, "vornia-cli", "generate", "--count", "10000", "--out-dir", out.c_str(), nullptr);
        ::_exit(127);
    }
    auto boardFiles = [&] {
        std::vector<fs::path> files;
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(out, ec))
            if (entry.path().filename().string().rfind("board-", 0) == 0)
                files.push_back(entry.path());
        return files;
    };
    for (int wait = 0; wait < 600 && boardFiles().size() < 20; ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the batch ended before it was killed";

    const auto files = boardFiles();
    EXPECT_GE(files.size(), 20u);
    EXPECT_FALSE(fs::exists(out + "/boards.tsv"));
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.string());
        const std::string text = Read(file.string());
        const auto end = std::string("\r\nera=hexlanders\r\n\r\n");
        ASSERT_GE(text.size(), end.size());
        EXPECT_EQ(text.substr(text.size() - end.size()), end);
        EXPECT_NE(text.find("\r\nplateCount=37\r\n"), std::string::npos);
    }
}

} // namespace
} // namespace vornia

namespace vornia {
namespace {

TEST(CliArgs, FairWordsAndBalance)
{
    const struct {
        std::initializer_list<const char*> Words;
        bool Ok;
        std::optional<TFairRules> Fair;
        bool Balance;
    } rows[] = {
        {{"generate", "--fair", "all"}, true, TFairRules{true, true, true, true}, false},
        {{"generate", "--fair", "none", "--balance"}, true, TFairRules{}, true},
        {{"generate", "--fair", "pips,red"}, true, TFairRules{true, false, false, true}, false},
        {{"generate"}, true, std::nullopt, false},
        {{"stats", "b.mirl", "--balance"}, true, std::nullopt, true},
        {{"generate", "--fair", "red,blue"}, false, std::nullopt, false},
        {{"generate", "--fair"}, false, std::nullopt, false},
        {{"stats", "b.mirl", "--fair", "all"}, false, std::nullopt, false},
        {{"render", "b.mirl", "--png", "b.png", "--balance"}, false, std::nullopt, false},
    };
    for (const auto& row : rows) {
        std::string words;
        for (const char* w : row.Words)
            words += std::string(w) + " ";
        SCOPED_TRACE(words);
        std::vector<std::string> args{"vornia-cli"};
        args.insert(args.end(), row.Words.begin(), row.Words.end());
        const TCliParse parse = ParseCliArgs(args);
        ASSERT_EQ(parse.Ok, row.Ok) << parse.Error;
        if (!row.Ok) {
            EXPECT_NE(parse.Error.find(args.back() == "--fair" ? "--fair" : "'"), std::string::npos) << parse.Error;
            continue;
        }
        EXPECT_EQ(parse.Args.Fair, row.Fair);
        EXPECT_EQ(parse.Args.Balance, row.Balance);
    }
}

TEST_F(CliRun, FairBoardsAndTheirBalanceLine)
{
    std::string fair, plain, none, err;
    ASSERT_EQ(Run({"generate", "--shape", "traditional", "--fair", "all", "--seed", "7", "--balance"}, &fair, &err),
              ExitOk)
        << err;
    const auto lines = Lines(fair);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[1], "shape: traditional (fair)");
    EXPECT_EQ(lines[6].rfind("balance: pips Brick=", 0), 0u) << lines[6];
    EXPECT_NE(lines[6].find("; pairs red=0 equal=0 resource=0"), std::string::npos) << lines[6];

    // Rules off, by the word or by leaving them out, is the board as it always was.
    ASSERT_EQ(Run({"generate", "--shape", "traditional", "--seed", "7"}, &plain), ExitOk);
    ASSERT_EQ(Run({"generate", "--shape", "traditional", "--fair", "none", "--seed", "7"}, &none), ExitOk);
    EXPECT_EQ(none, plain);
    EXPECT_EQ(Lines(plain).size(), 6u);
    EXPECT_EQ(Lines(plain)[1], "shape: traditional");

    // The board file of a fair board reads back to the same balance.
    const std::string board = Path("fair.mirl");
    std::string stats;
    ASSERT_EQ(Run({"generate", "--fair", "all", "--seed", "7", "--balance", "--out", board.c_str()}), ExitOk);
    ASSERT_EQ(Run({"stats", board.c_str(), "--balance"}, &stats), ExitOk);
    ASSERT_EQ(Lines(stats).size(), 7u);
    EXPECT_EQ(Lines(stats)[6], lines[6]);
}

TEST_F(CliRun, ImpossibleFairBoardWritesNothing)
{
    const std::string board = Path("never.mirl"), picture = Path("never.png");
    std::string out, err;
    // Two Brick alone on a random board always touch.
    EXPECT_EQ(Run({"generate", "--shape", "random", "--counts", "Brick=2,Grain=0,Lumber=0,Ore=0,Wool=0,Desert=0",
                   "--fair", "resource", "--balance", "--out", board.c_str()},
                  &out, &err),
              ExitNoBoard);
    EXPECT_EQ(err, "No arrangement of these pieces meets the fair-board rules.\n");
    EXPECT_TRUE(out.empty());
    EXPECT_FALSE(fs::exists(board));
}

TEST_F(CliRun, SettingsFileChoosesTheRulesAndFairOverridesIt)
{
    const std::string ini = Path("s.ini");
    std::ofstream(ini) << "[settings]\r\nfairNoAdjacentRed=1\r\nfairNoAdjacentResource=1\r\n";
    std::string fromFile, overridden, plain;
    ASSERT_EQ(Run({"generate", "--settings", ini.c_str(), "--seed", "11", "--balance"}, &fromFile), ExitOk);
    EXPECT_NE(fromFile.find("pairs red=0 equal="), std::string::npos) << fromFile;
    EXPECT_NE(fromFile.find(" resource=0\n"), std::string::npos) << fromFile;
    ASSERT_EQ(Run({"generate", "--settings", ini.c_str(), "--fair", "none", "--seed", "11", "--balance"}, &overridden),
              ExitOk);
    ASSERT_EQ(Run({"generate", "--seed", "11", "--balance"}, &plain), ExitOk);
    EXPECT_EQ(overridden, plain);
    EXPECT_NE(fromFile, plain);
}

TEST_F(CliRun, AnalyseReadsAsATableOrAsJsonAndGenerateAnalysesTheBoardItMade)
{
    const std::string board = Path("b.mirl");
    std::string made, table, json, err;
    ASSERT_EQ(Run({"generate", "--seed", "7", "--out", board.c_str(), "--analyse", "--json"}, &made, &err), ExitOk)
        << err;
    ASSERT_EQ(Run({"analyse", board.c_str()}, &table), ExitOk);
    ASSERT_EQ(Run({"analyse", board.c_str(), "--json"}, &json), ExitOk);

    const auto lines = Lines(table);
    ASSERT_GE(lines.size(), 10u);
    EXPECT_EQ(lines[1], "resource  plates  numbered  pips  pip share  number share");
    EXPECT_EQ(lines[2].rfind("Brick ", 0), 0u) << lines[2];
    EXPECT_EQ(lines[7], "best starting corners");
    EXPECT_EQ(lines[9].rfind("   1 ", 0), 0u) << lines[9];

    const auto object = nlohmann::ordered_json::parse(json);
    std::vector<std::string> keys;
    for (const auto& [key, value] : object.items())
        keys.push_back(key);
    EXPECT_EQ(keys, (std::vector<std::string>{"board", "zoom", "score", "lost", "pairs", "resources", "bestCorners",
                                              "corners"}));
    EXPECT_EQ(lines.back(), "score: " + std::to_string(object["score"].get<int>()) + " of 100 (best corners -" +
                                lines.back().substr(lines.back().find(" -") + 2));
    const auto& best = object["bestCorners"];
    ASSERT_GE(best.size(), 2u);
    EXPECT_EQ(best[0]["rank"], 1);
    EXPECT_GE(best[0]["pips"].get<int>(), best[1]["pips"].get<int>());
    EXPECT_EQ(object["resources"].size(), 5u);
    // A traditional board: 19 land hexes have 54 corners.
    EXPECT_EQ(object["corners"].size(), 54u);
    // The board just made and the same board read back analyse alike.
    auto madeObject = nlohmann::ordered_json::parse(made);
    EXPECT_EQ(madeObject["board"], "[New traditional 1]");
    madeObject["board"] = object["board"];
    EXPECT_EQ(madeObject, object);
}

TEST_F(CliRun, ABoardWithEveryRedNumberOnOneResourceScoresBelowGeneratedBoards)
{
    const std::string unfair = std::string(VORNIA_TEST_DATA) + "/analysis/every_red_on_grain.mirl";
    std::string json;
    ASSERT_EQ(Run({"analyse", unfair.c_str(), "--json"}, &json), ExitOk);
    const int unfairScore = nlohmann::json::parse(json)["score"];
    for (int seed = 0; seed < 40; ++seed) {
        const std::string text = std::to_string(seed);
        ASSERT_EQ(Run({"generate", "--seed", text.c_str(), "--analyse", "--json"}, &json), ExitOk);
        EXPECT_LT(unfairScore, nlohmann::json::parse(json)["score"].get<int>()) << "seed " << seed;
    }
}

TEST_F(CliRun, AnalyseJsonKeepsBytesThatAreNotUtf8)
{
    const std::string board = Path("odd.mirl");
    std::ofstream(board) << "[settings]\r\nplate[0]=Gr\xff"
                            "ain;150;50;6;;;btNorthWest;\r\n"
                            "plate[1]=Water;189;118;;Ore\xfe;2:1;btNorthWest;\r\nplateCount=2\r\nzoomSize=100\r\n";
    std::string json, table;
    ASSERT_EQ(Run({"analyse", board.c_str(), "--json"}, &json), ExitOk);
    const auto object = nlohmann::json::parse(json);
    EXPECT_EQ(object.at("bestCorners").at(0).at("resources").at(0), "Gr\xef\xbf\xbd"
                                                                    "ain");
    int harbours = 0;
    for (const auto& corner : object.at("corners"))
        harbours += corner.at("harbour") == "2:1 Ore\xef\xbf\xbd" ? 1 : 0;
    EXPECT_EQ(harbours, 2);
    ASSERT_EQ(Run({"analyse", board.c_str()}, &table), ExitOk);
    EXPECT_NE(table.find("2:1 Ore\xfe"), std::string::npos) << table;
}

} // namespace
} // namespace vornia

// Board files that are damaged, huge, binary or not files at all, read as
// Open reads them and saved again as Save As writes them.
#include <gtest/gtest.h>

#include <iostream>
#include <random>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "board_fixture.h"
#include "time_limits.h"

namespace vornia::hostile {
namespace {

using namespace std::string_literals;

TEST(HostileBoardFile, ADamagedPlateCountGivesABoundedBoardOrNone)
{
    struct TRow {
        const char* Count;
        bool Plates; // true: the file's plates first, then at most a bounded number more
    };
    const TRow rows[] = {{"2147483647", true}, {"-5", false}, {"99999999999", false}, {"", false}};
    TTempFolder folder;
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Count);
        const std::string path = folder.File("count.mirl");
        WriteFileText(path, "[settings]\r\n" + PlateLine(0, "Brick;10;33;6;;;btNorthWest;") +
                                PlateLine(1, "Water;88;33;;Ore;2:1;btWest;") + "plateCount=" + row.Count +
                                "\r\nzoomSize=100\r\n");
        TOpenedBoard board;
        const double seconds = SecondsFor([&] { board = OpenBoardFile(path); });
        EXPECT_LT(seconds, HangGuardSeconds);
        ASSERT_TRUE(board.Opened);
        const TPlateList& plates = *board.Content.Plates;
        if (!row.Plates) {
            EXPECT_EQ(plates.Count(), 0);
            continue;
        }
        ASSERT_GE(plates.Count(), 2);
        EXPECT_LT(plates.Count(), 100'000);
        EXPECT_EQ(plates[0].Kind, "Brick");
        EXPECT_EQ(plates[1].TradeResource, "Ore");
        // The plates beyond the keys present are empty, at 0, 0 - and the
        // whole board can still be measured and saved.
        EXPECT_EQ(plates[plates.Count() - 1], plates[2]);
        TOpenedPanel opened(std::move(board.Content));
        EXPECT_LT(SecondsFor([&] { opened.Panel.ComputeStats(); }), HangGuardSeconds);
        EXPECT_LT(SecondsFor([&] { SavedText(opened.Panel.Plates(), 100); }), HangGuardSeconds);
    }
}

// A plate line of 50 MB opens, is measured and saved whole; how fast is
// bench_board_file's to say.
TEST(HostileBoardFile, AFiftyMegabytePlateLineIsReadAndSavedWhole)
{
    constexpr std::size_t Size = std::size_t{50} << 20;
    TTempFolder folder;
    for (const bool separated : {true, false}) {
        SCOPED_TRACE(separated ? "a 50 MB kind" : "50 MB without a separator");
        const std::string path = folder.File("long.mirl");
        {
            std::string text = "[settings]\r\nplateCount=2\r\nplate[0]=";
            text.append(Size, 'G');
            text += separated ? ";10;33;6;;;btEast;\r\n" : "\r\n";
            text += PlateLine(1, "Water;49;33;;;;btWest;");
            WriteFileText(path, text);
        }
        const double seconds = SecondsFor([&] {
            TOpenedBoard board = OpenBoardFile(path);
            ASSERT_TRUE(board.Opened);
            ASSERT_EQ(board.Content.Plates->Count(), 2);
            const TResourcePlate& plate = (*board.Content.Plates)[0];
            EXPECT_EQ(plate.Kind.size(), separated ? Size : 0u);
            EXPECT_EQ(plate.X, separated ? 10 : 0);
            TOpenedPanel opened(std::move(board.Content));
            EXPECT_EQ(opened.Panel.ComputeStats().PlainWaters, 1);
            EXPECT_GT(SavedText(opened.Panel.Plates(), 100).size(), separated ? Size : 0u);
        });
        EXPECT_LT(seconds, HangGuardSeconds);
    }
}

TEST(HostileBoardFile, AFileBeyondTheSizeLimitIsRefusedWithoutBeingRead)
{
    TTempFolder folder;
    const std::string path = folder.File("sparse.mirl");
    WriteFileText(path, "[settings]\r\nplateCount=1\r\n");
    ASSERT_EQ(::truncate(path.c_str(), static_cast<off_t>(MaxIniFileBytes + 1)), 0); // sparse: no disk used
    TOpenedBoard board;
    EXPECT_LT(SecondsFor([&] { board = OpenBoardFile(path); }), FewSeconds);
    EXPECT_FALSE(board.Opened);
    EXPECT_EQ(board.Messages, std::vector<std::string>{"Could not open " + path});
}

// Random bytes, NUL bytes and text that is not UTF-8 are only bytes: a board
// that holds them is saved and read back byte for byte.
TEST(HostileBoardFile, BinaryAndNonUtf8BytesSurviveOpenAndSave)
{
    TTempFolder folder;
    std::mt19937 random(20240611);
    std::string junk(1 << 20, '\0');
    for (char& c : junk)
        c = static_cast<char>(random() & 0xFF);
    const std::string path = folder.File("junk.mirl");
    WriteFileText(path, junk);
    TOpenedBoard board = OpenBoardFile(path);
    ASSERT_TRUE(board.Opened);
    {
        TOpenedPanel opened(std::move(board.Content));
        opened.Panel.ComputeStats();
    }

    const std::string odd = std::string("[settings]\r\nplateCount=3\r\n") +
                            PlateLine(0, "Gr\0ain;10;33;\xff\xfe;;;btEast;"s) +
                            PlateLine(1, "\xC9t\xE9;49;33;8;;;btWest;") +
                            PlateLine(2, "Water;\0;33;;\x80\x81;3:1;;"s);
    WriteFileText(path, odd);
    board = OpenBoardFile(path);
    ASSERT_TRUE(board.Opened);
    const TPlateList& plates = *board.Content.Plates;
    ASSERT_EQ(plates.Count(), 3);
    EXPECT_EQ(plates[0].Kind, "Gr\0ain"s);
    EXPECT_EQ(plates[0].Number, "\xff\xfe");
    EXPECT_EQ(plates[1].Kind, "\xC9t\xE9");
    EXPECT_EQ(plates[2].X, 0); // "\0" is no number
    EXPECT_EQ(plates[2].TradeResource, "\x80\x81");

    TIniFile saved(folder.File("saved.mirl"));
    WriteBoard(saved, plates, board.Content.Zoom);
    ASSERT_TRUE(saved.UpdateFile());
    const TOpenedBoard again = OpenBoardFile(saved.Path());
    ASSERT_TRUE(again.Opened);
    ASSERT_EQ(again.Content.Plates->Count(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ((*again.Content.Plates)[i], plates[i]) << "plate " << i;
}

// A board of a million plates (a million lines) opens, is measured and is
// saved in time proportional to its size.
TEST(HostileBoardFile, AMillionLineBoardOpensAndSavesInTime)
{
    constexpr int Plates = 1'000'000;
    TTempFolder folder;
    const std::string path = folder.File("million.mirl");
    {
        std::string text = "[settings]\r\nplateCount=" + std::to_string(Plates) + "\r\nzoomSize=50\r\n";
        text.reserve(std::size_t{40} * Plates);
        for (int i = 0; i < Plates; ++i) {
            // A field of land 1000 columns wide, on the grid of 50 per cent.
            const int column = i % 1000, row = i / 1000;
            text += PlateLine(i, std::string(i % 3 ? "Grain;" : "Water;") + std::to_string(10 + 38 * column + 19 * (row % 2)) +
                                     ";" + std::to_string(11 + 33 * row) + ";;;;btNorthWest;");
        }
        WriteFileText(path, text);
    }
    TOpenedBoard board;
    const double open = SecondsFor([&] { board = OpenBoardFile(path); });
    EXPECT_LT(open, HangGuardSeconds);
    ASSERT_TRUE(board.Opened);
    ASSERT_EQ(board.Content.Plates->Count(), Plates);
    TOpenedPanel opened(std::move(board.Content));
    TStats stats;
    const double measure = SecondsFor([&] { stats = opened.Panel.ComputeStats(); });
    EXPECT_LT(measure, HangGuardSeconds);
    EXPECT_EQ(stats.PlainWaters, (Plates + 2) / 3);
    std::string saved;
    const double save = SecondsFor([&] { saved = SavedText(opened.Panel.Plates(), 50); });
    EXPECT_LT(save, HangGuardSeconds);
    std::cout << "[ seconds  ] open " << open << ", statistics " << measure << ", save " << save << "\n";
    const TBoardFileContent reread = ReadBoard(TIniFile::FromText(saved));
    ASSERT_EQ(reread.Plates->Count(), Plates);
    EXPECT_EQ((*reread.Plates)[Plates - 1], opened.Panel.Plates()[Plates - 1]);
}

// The inverse of the 64-bit mix that spreads positions over the position
// index, as it was before the mix took a salt.
std::uint64_t UnsaltedUnmix(std::uint64_t k)
{
    k ^= k >> 33;
    k *= 0x9cb4b2f8129337dbULL; // the inverse of 0xc4ceb9fe1a85ec53 modulo 2^64
    k ^= k >> 33;
    k *= 0x4f74430c22a54005ULL; // the inverse of 0xff51afd7ed558ccd
    k ^= k >> 33;
    return k;
}

// Files built to defeat the lookups by position: a pile of water plates at
// one place with land beside it, and positions whose unsalted hashes all
// share their low bits (one run of the table).
TEST(HostileBoardFile, CraftedPositionsDoNotMakeReadingOrMeasuringQuadratic)
{
    constexpr int Plates = 200'000;
    struct TRow {
        const char* Name;
        std::string Text;
        double Average;
    };
    std::string pile = "[settings]\r\nplateCount=" + std::to_string(Plates) + "\r\n";
    for (int i = 0; i < Plates - 1; ++i)
        pile += PlateLine(i, i % 2 ? "Water;10;33;;;;;" : "Grain;88;33;;;;;");
    pile += PlateLine(Plates - 1, "Ore;10;33;;;;;"); // the only land of the pile, at its bottom
    std::string colliding = "[settings]\r\nplateCount=" + std::to_string(Plates) + "\r\n";
    for (int i = 0; i < Plates; ++i) {
        const std::uint64_t key = UnsaltedUnmix(std::uint64_t(i + 1) << 24);
        colliding += PlateLine(i, "Grain;" + std::to_string(static_cast<std::int32_t>(key >> 32)) + ";" +
                                      std::to_string(static_cast<std::int32_t>(key & 0xFFFFFFFF)) + ";;;;;");
    }
    // The pile: every land plate has exactly one land neighbour across the pile.
    const TRow rows[] = {{"a pile of water beside land", pile, 1.0}, {"colliding positions", colliding, 0.0}};

    TTempFolder folder;
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Name);
        const std::string path = folder.File("crafted.mirl");
        WriteFileText(path, row.Text);
        TOpenedBoard board;
        EXPECT_LT(SecondsFor([&] { board = OpenBoardFile(path); }), HangGuardSeconds);
        ASSERT_EQ(board.Content.Plates->Count(), Plates);
        TOpenedPanel opened(std::move(board.Content));
        TStats stats;
        EXPECT_LT(SecondsFor([&] { stats = opened.Panel.ComputeStats(); }), HangGuardSeconds);
        EXPECT_EQ(stats.ActualAverage, row.Average);
        const TResourcePlate& last = opened.Panel.Plates()[Plates - 1];
        EXPECT_EQ(opened.Panel.LandPlateAt(last.X, last.Y), Plates - 1);
    }
}

TEST(HostileBoardFile, MixedLineEndsAreLineEndsAlike)
{
    TTempFolder folder;
    const std::string path = folder.File("mixed.mirl");
    WriteFileText(path, "[settings]\r" + std::string("plate[0]=Brick;10;33;6;;;btNorthWest;\n") +
                            "plate[1]=Ore;49;33;8;;;btEast;\r\n" + "plate[2]=Water;88;33;;;;btWest;\r\r\n\n" +
                            "plateCount=3\rzoomSize=75\n");
    const TOpenedBoard board = OpenBoardFile(path);
    ASSERT_TRUE(board.Opened);
    ASSERT_EQ(board.Content.Plates->Count(), 3);
    EXPECT_EQ(board.Content.Zoom, 75);
    EXPECT_EQ((*board.Content.Plates)[1].Border, btEast);
    EXPECT_EQ((*board.Content.Plates)[2].Border, btWest);
}

TEST(HostileBoardFile, WhatIsNoReadableFileIsReportedAndNothingHangs)
{
    TTempFolder folder;
    struct TRow {
        const char* Name;
        std::string Path;
    };
    std::vector<TRow> rows{{"a folder", folder.File("folder.mirl")}, {"a FIFO without a writer", folder.File("fifo.mirl")}};
    std::filesystem::create_directory(rows[0].Path);
    ASSERT_EQ(::mkfifo(rows[1].Path.c_str(), 0644), 0);
    if (::geteuid() != 0) {
        rows.push_back({"a file without read permission", folder.File("secret.mirl")});
        WriteFileText(rows.back().Path, "[settings]\r\nplateCount=0\r\n");
        ::chmod(rows.back().Path.c_str(), 0);
    }
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Name);
        TOpenedBoard board;
        EXPECT_LT(SecondsFor([&] { board = OpenBoardFile(row.Path); }), FewSeconds);
        EXPECT_FALSE(board.Opened);
        EXPECT_EQ(board.Messages, std::vector<std::string>{"Could not open " + row.Path});
    }
}

} // namespace
} // namespace vornia::hostile

// Boards at the ends of the 32-bit position range. Positions wrap modulo
// 2^32 by design, so a board read from a file keeps its neighbours wherever
// it lies; no step, zoom change or move may overflow (the sanitizer build
// checks that), and a picture of such a board is refused.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "board/board_layout.h"
#include "board/geometry.h"
#include "board/random_source.h"
#include "board_fixture.h"
#include "time_limits.h"

namespace vornia::hostile {
namespace {

constexpr std::int64_t Int32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t Int32Min = std::numeric_limits<std::int32_t>::min();

struct TGenerated {
    std::vector<TResourcePlate> Plates;
    TStats Stats;
    std::int32_t MinX, MaxX, MinY, MaxY;
};

// A traditional board with a fixed seed, as vornia-cli makes it.
TGenerated GenerateTraditional()
{
    TRandomSource random;
    random.UseFixedClock(4242);
    TPanelBoard panel;
    panel.GenerateBoard(TBoardSettings{}, 100, random);
    TGenerated g{{}, panel.ComputeStats(), 0, 0, 0, 0};
    g.MinX = g.MinY = std::numeric_limits<std::int32_t>::max();
    g.MaxX = g.MaxY = std::numeric_limits<std::int32_t>::min();
    for (const TPlateEntry& e : panel.Plates().All()) {
        g.Plates.push_back(e.Plate);
        g.MinX = std::min(g.MinX, e.Plate.X);
        g.MaxX = std::max(g.MaxX, e.Plate.X);
        g.MinY = std::min(g.MinY, e.Plate.Y);
        g.MaxY = std::max(g.MaxY, e.Plate.Y);
    }
    return g;
}

// The board file of the plates moved by (dx, dy), positions wrapping.
std::string ShiftedBoardText(const std::vector<TResourcePlate>& plates, std::int64_t dx, std::int64_t dy)
{
    std::string text = "[settings]\r\n";
    for (std::size_t i = 0; i < plates.size(); ++i) {
        TResourcePlate p = plates[i];
        p.X = WrapInt32(p.X + dx);
        p.Y = WrapInt32(p.Y + dy);
        text += PlateLine(static_cast<int>(i), PlateValue(p));
    }
    return text + "plateCount=" + std::to_string(plates.size()) + "\r\nzoomSize=100\r\n";
}

// The offset of each plate from the first, modulo 2^32.
std::vector<std::uint64_t> Offsets(const TPlateList& plates)
{
    std::vector<std::uint64_t> offsets;
    for (const TPlateEntry& e : plates.All())
        offsets.push_back((std::uint64_t{static_cast<std::uint32_t>(std::int64_t{e.Plate.X} - plates[0].X)} << 32) |
                          static_cast<std::uint32_t>(std::int64_t{e.Plate.Y} - plates[0].Y));
    return offsets;
}

TEST(HostileCoordinates, BoardsAtTheEndsOfTheRangeKeepTheirNeighbours)
{
    const TGenerated g = GenerateTraditional();
    ASSERT_FALSE(g.Plates.empty());
    struct TRow {
        const char* Name;
        std::int64_t Dx, Dy;
        bool Wraps; // some plates lie across the end of the range
    };
    const TRow rows[] = {
        {"just below the end", Int32Max - g.MaxX - 1, Int32Max - g.MaxY - 1, false},
        {"at the start", Int32Min - g.MinX, Int32Min - g.MinY, false},
        {"across the end", Int32Max - (g.MinX + g.MaxX) / 2, Int32Max - (g.MinY + g.MaxY) / 2, true},
        {"across the start", Int32Min - (g.MinX + g.MaxX) / 2, Int32Min - (g.MinY + g.MaxY) / 2, true},
    };
    TTempFolder folder;
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Name);
        const std::string path = folder.File("edge.mirl");
        WriteFileText(path, ShiftedBoardText(g.Plates, row.Dx, row.Dy));
        TOpenedBoard board = OpenBoardFile(path);
        ASSERT_TRUE(board.Opened);
        TOpenedPanel opened(std::move(board.Content));
        TPanelBoard& panel = opened.Panel;
        EXPECT_EQ(panel.ComputeStats(), g.Stats);
        const std::vector<std::uint64_t> offsets = Offsets(panel.Plates());

        // A zoom change there and back.
        std::vector<TResourcePlate> before(panel.Plates().All().size());
        for (int i = 0; i < panel.Plates().Count(); ++i)
            before[static_cast<std::size_t>(i)] = panel.Plates()[i];
        ASSERT_TRUE(RescaleBoard(panel.Plates(), 100, 50));
        panel.SetZoom(50);
        if (!row.Wraps) {
            EXPECT_EQ(panel.ComputeStats(), g.Stats);
        }
        ASSERT_TRUE(RescaleBoard(panel.Plates(), 50, 100));
        panel.SetZoom(100);
        EXPECT_EQ(panel.Plates().PlacedCount(), static_cast<int>(g.Plates.size()));
        if (!row.Wraps) {
            for (int i = 0; i < panel.Plates().Count(); ++i)
                EXPECT_EQ(panel.Plates()[i], before[static_cast<std::size_t>(i)]) << "plate " << i;
        }

        // The move to the corner of a board read back is a plain move (modulo 2^32).
        TOpenedPanel reread(OpenBoardFile(path).Content);
        TRandomSource unused;
        TBoardLayout(reread.Panel, unused, "any").MoveToCorner();
        EXPECT_EQ(Offsets(reread.Panel.Plates()), offsets);
        EXPECT_EQ(reread.Panel.ComputeStats(), g.Stats);
    }
}

// vornia-cli reads such a board, measures it like any other and refuses to
// draw it at every zoom: it is two billion pixels away.
TEST(HostileCoordinates, TheToolMeasuresButDoesNotDrawABoardAtTheEnd)
{
    const TGenerated g = GenerateTraditional();
    TTempFolder folder;
    const std::string path = folder.File("edge.mirl"), png = folder.File("edge.png");
    WriteFileText(path, ShiftedBoardText(g.Plates, Int32Max - g.MaxX - 1, Int32Max - g.MaxY - 1));

    const TRunResult stats = RunProgram({VORNIA_CLI_PATH, "stats", path}, folder, HangGuardSeconds);
    EXPECT_EQ(stats.ExitCode, 0) << stats.Err;
    EXPECT_NE(stats.Out.find("plain waters: " + std::to_string(g.Stats.PlainWaters)), std::string::npos)
        << stats.Out;
    for (const char* zoom : {"100", "75", "50"}) {
        SCOPED_TRACE(zoom);
        const TRunResult render =
            RunProgram({VORNIA_CLI_PATH, "render", path, "--png", png, "--zoom", zoom}, folder, HangGuardSeconds);
        EXPECT_EQ(render.ExitCode, 1) << render.Err;
        EXPECT_NE(render.Err.find("16384"), std::string::npos) << render.Err;
        EXPECT_FALSE(std::filesystem::exists(png));
    }
}

} // namespace
} // namespace vornia::hostile

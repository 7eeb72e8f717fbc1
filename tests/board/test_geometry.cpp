#include <climits>
#include <tuple>

#include <gtest/gtest.h>

#include "board/board_layout.h"
#include "board_test_support.h"

namespace vornia {
namespace {

struct TStepRow {
    const char* name;
    int zoom;
    int direction;
    std::int32_t x, y;
};

TEST(Geometry, NeighbourPositionsAtEachZoom)
{
    const TStepRow rows[] = {
        {"100 south-east", 100, btSouthEast, 189, 118},
        {"100 west", 100, btWest, 72, 50},
        {"100 none", 100, btNone, 150, 50},
        {"100 out of range", 100, 9, 150, 50},
        {"50 south-east", 50, btSouthEast, 169, 83},
        {"50 west", 50, btWest, 112, 50},
        {"75 north-west", 75, btNorthWest, 150 - 29, 50 - 50},
        {"75 east", 75, btEast, 150 + 58, 50},
        {"other zoom uses 100", 60, btNorthEast, 150 + 39, 50 - 68},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(StepXAtZoom(150, row.direction, row.zoom), row.x);
        EXPECT_EQ(StepYAtZoom(50, row.direction, row.zoom), row.y);
    }
}

TEST(Geometry, StepsWrapInsteadOfOverflowing)
{
    EXPECT_EQ(StepXAtZoom(INT32_MAX, btEast, 100), INT32_MIN + 77);
    EXPECT_EQ(StepYAtZoom(INT32_MIN, btNorthWest, 100), INT32_MAX - 67);
}

TEST(Geometry, OutlineRunsFromTheUpperLeftVertex)
{
    const auto outline = HexOutline(10, 33, MetricsAtZoom(100));
    EXPECT_EQ(outline[0], (TPoint{10, 33}));
    EXPECT_EQ(outline[1], (TPoint{10 + 39, 33 - 23}));
    EXPECT_EQ(outline[4], (TPoint{10 + 39, 33 + 45 + 23}));
}

TEST(Plate, BorderNamesRoundTripAndRejectOthers)
{
    for (int side = btNorthWest; side <= btWest; ++side)
        EXPECT_EQ(BorderFromName(BorderName(side)), side);
    EXPECT_EQ(BorderName(btNone), "");
    EXPECT_EQ(BorderName(200), "");
    EXPECT_EQ(BorderFromName("BTEAST"), btEast);
    EXPECT_EQ(BorderFromName("btNone"), btNone);
    EXPECT_EQ(BorderFromName(""), btNone);
    EXPECT_EQ(BorderFromName("btEast "), btNone);
}

TEST(Plate, ColoursFollowTheKindIgnoringCase)
{
    struct TRow {
        const char* kind;
        TColor color, text;
    };
    const TRow rows[] = {
        {"Grain", 0x00FFFF, 0}, {"wool", 0x00FF00, 0},   {"Lumber", 0x008000, 0},  {"ORE", 0x800080, 0x00FFFF},
        {"Brick", 0x0000FF, 0}, {"Desert", 0x008080, 0}, {"water", 0xFF0000, 0xFFFFFF},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.kind);
        TResourcePlate p;
        p.Kind = row.kind;
        SetPlateColors(p);
        EXPECT_EQ(p.Color, row.color);
        EXPECT_EQ(p.TextColor, row.text);
    }
    TResourcePlate odd;
    odd.Kind = "Gold";
    odd.Color = 0x123456;
    odd.TextColor = 0x777777;
    SetPlateColors(odd);
    EXPECT_EQ(odd.Color, 0x123456u);
    EXPECT_EQ(odd.TextColor, clBlack);
}

class PositionQueries : public ::testing::TestWithParam<TLookupMode> {
protected:
    TRandomSource random;
    TPanelBoard panel{GetParam()};
    TBoardLayout layout{panel, random, "any"};
    int Add(const char* kind, int x, int y, bool placed)
    {
        TResourcePlate p;
        p.Kind = kind;
        p.X = x;
        p.Y = y;
        p.Placed = placed;
        return panel.Plates().Add(kind, p);
    }
};

TEST_P(PositionQueries, FirstPlacedPlateAtAPositionWins)
{
    Add("Grain", 150, 50, false); // carries the position but is not placed
    const int water = Add("Water", 150, 50, true);
    const int land = Add("Ore", 150, 50, true);
    EXPECT_EQ(panel.PlateAt(150, 50), water);
    EXPECT_EQ(panel.LandPlateAt(150, 50), land);
    EXPECT_EQ(panel.FirstPlacedPlate(), water);
    panel.Plates().Unplace(water);
    EXPECT_EQ(panel.PlateAt(150, 50), land);
    panel.Plates().Place(0, 150, 50);
    EXPECT_EQ(panel.PlateAt(150, 50), 0);
    EXPECT_EQ(panel.LandPlateAt(150, 50), 0);
}

TEST_P(PositionQueries, SidesAndNeighbours)
{
    const int centre = Add("Grain", 150, 50, true);
    Add("Water", 189, 118, true); // south-east
    Add("Brick", 72, 50, true);   // west
    EXPECT_FALSE(panel.IsSideFree(btSouthEast, centre));
    EXPECT_FALSE(panel.IsSideFree(btWest, centre));
    EXPECT_TRUE(panel.IsSideFree(btEast, centre));
    EXPECT_FALSE(panel.HasLandNeighbour(btSouthEast, 150, 50));
    EXPECT_TRUE(panel.HasLandNeighbour(btWest, 150, 50));
    TSideList sides;
    sides.push_back({"kept", btNone});
    panel.CollectFreeSides(sides, centre);
    ASSERT_EQ(sides.size(), 5u);
    EXPECT_EQ(sides[0].Name, "kept");
    EXPECT_EQ(sides[1].Name, "btNorthWest");
    EXPECT_EQ(sides[4].Side, btSouthWest);
}

TEST_P(PositionQueries, CountsAndFirstUnplacedFollowPlacement)
{
    TResourcePlate harbour;
    harbour.Kind = "Water";
    harbour.TradeResource = "Ore";
    Add("Water", 0, 0, false);
    panel.Plates().Add("Water", harbour);
    Add("Grain", 0, 0, false);
    EXPECT_EQ(layout.FirstUnplacedHarbour(), 1);
    EXPECT_EQ(layout.FirstUnplacedWater(), 0);
    EXPECT_EQ(layout.FirstUnplacedLand(), 2);
    panel.Plates().Place(0, 10, 10);
    panel.Plates().Place(1, 20, 10);
    EXPECT_EQ(layout.FirstUnplacedHarbour(), -1);
    EXPECT_EQ(layout.FirstUnplacedWater(), -1);
    EXPECT_EQ(panel.PlacedPlateCount(), 2);
    EXPECT_EQ(panel.PlainWaterCount(), 1);
    panel.Plates().Unplace(0);
    EXPECT_EQ(layout.FirstUnplacedWater(), 0);
    EXPECT_EQ(panel.PlainWaterCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(BothLookups, PositionQueries,
                         ::testing::Values(TLookupMode::Indexed, TLookupMode::LiteralScan), [](const auto& lookup) {
                             return lookup.param == TLookupMode::Indexed ? "Indexed" : "LiteralScan";
                         });

TEST(PositionIndex, SurvivesManyInsertionsAndErasures)
{
    TPositionIndex index;
    for (int i = 0; i < 5000; ++i)
        index.Set(i * 78, (i % 7) * 68, i);
    for (int i = 0; i < 5000; i += 2)
        index.Erase(i * 78, (i % 7) * 68);
    for (int i = 0; i < 5000; ++i)
        ASSERT_EQ(index.Find(i * 78, (i % 7) * 68), i % 2 ? i : -1) << i;
    EXPECT_EQ(index.Size(), 2500);
}

TEST(Registry, RegisterReplacesByNameInPlaceAndSwitches)
{
    TPanelBoard panel;
    for (const char* name : {"One", "Two"}) {
        panel.Registry().NewPlateList();
        panel.Registry().SetBoardName(name);
        panel.Registry().RegisterBoard(panel.BoardName());
    }
    panel.Registry().NewPlateList();
    TResourcePlate p;
    p.Kind = "Ore";
    p.Placed = true;
    panel.Plates().Add("Ore", p);
    panel.Registry().RegisterBoard("[ONE]");
    ASSERT_EQ(panel.Registry().Boards().size(), 2u);
    EXPECT_EQ(panel.Registry().Boards()[0].Name, "[ONE]");
    EXPECT_EQ(panel.Registry().Boards()[0].List->Count(), 1);

    EXPECT_FALSE(panel.SwitchToBoard("[two]")); // the current name
    EXPECT_FALSE(panel.SwitchToBoard("[Three]"));
    EXPECT_TRUE(panel.SwitchToBoard("[ONE]"));
    EXPECT_EQ(panel.BoardName(), "[ONE]");
    EXPECT_EQ(&panel.Plates(), panel.Registry().Boards()[0].List.get());

    panel.Registry().RenameBoard("[one]", "[/tmp/a.mirl]");
    EXPECT_EQ(panel.Registry().FindBoard("[/TMP/A.MIRL]"), 0);
    panel.Registry().FreeBoards();
    EXPECT_TRUE(panel.Registry().Boards().empty());
    EXPECT_EQ(panel.Plates().Count(), 0);
}

TEST(Registry, ListPlatesWritesPlacedPlatesOnly)
{
    TPanelBoard panel;
    std::vector<std::string> lines;
    auto sink = [&lines](const std::string& line) { lines.push_back(line); };
    TResourcePlate unplaced;
    unplaced.Kind = "Grain";
    panel.Plates().Add("Grain", unplaced);
    panel.ListPlates(sink);
    EXPECT_TRUE(lines.empty());

    TResourcePlate harbour;
    harbour.Kind = "Water";
    harbour.TradeResource = "Ore";
    harbour.TradeRatio = "2:1";
    harbour.X = 10;
    harbour.Y = -33;
    harbour.Placed = true;
    panel.Plates().Add("Water", harbour);
    panel.ListPlates(sink);
    EXPECT_EQ(lines, (std::vector<std::string>{"Water - 10,-33 - ,Ore,2:1"}));
}

} // namespace
} // namespace vornia

namespace vornia {
namespace {

// Random placements on a few crowded positions: the index answers as the scan.
TEST(PositionIndex, CrowdedPositionsAnswerAsTheScan)
{
    TPanelBoard panel;
    TRandomSource r;
    r.SetSeed(99);
    for (int i = 0; i < 300; ++i) {
        TResourcePlate p;
        p.Kind = r.Next(3) == 0 ? "Water" : "Ore";
        p.Placed = r.Next(2) == 0;
        p.X = r.Next(3);
        p.Y = r.Next(2);
        panel.Plates().Add(p.Kind, p);
    }
    TPlateList& plates = panel.Plates();
    for (int step = 0; step < 3000; ++step) {
        const int i = r.Next(plates.Count());
        switch (r.Next(5)) {
        case 0: plates.Place(i, r.Next(3), r.Next(2)); break;
        case 1: plates.Unplace(i); break;
        case 2: plates.SwapPositions(i, r.Next(plates.Count())); break;
        case 3: if (r.Next(50) == 0) plates.Reindex(); break;
        default: if (r.Next(100) == 0) plates.MoveAll(0, 0); break;
        }
        for (int x = 0; x < 3; ++x)
            for (int y = 0; y < 2; ++y) {
                ASSERT_EQ(panel.PlateAt(x, y), reference::PlateAt(plates, x, y)) << step;
                ASSERT_EQ(panel.LandPlateAt(x, y), reference::LandPlateAt(plates, x, y)) << step;
                ASSERT_EQ(panel.PlacedPlateCount(), reference::PlacedCount(plates)) << step;
                ASSERT_EQ(plates.FirstUnplaced(TPlateSort::Land), reference::FirstUnplaced(plates, TPlateSort::Land))
                    << step;
            }
    }
}

// Every reader of a zoom (files, drawing, metrics) sees the same three.
TEST(Geometry, AnyOtherZoomThanFiftyOrSeventyFiveIsAHundred)
{
    const int zooms[] = {50, 75, 100, 0, -50, 49, 51, 74, 76, 99, 150, INT32_MIN, INT32_MAX};
    for (const int zoom : zooms) {
        SCOPED_TRACE(zoom);
        const int clean = CleanZoom(zoom);
        EXPECT_EQ(clean, zoom == 50 || zoom == 75 ? zoom : 100);
        EXPECT_EQ(MetricsAtZoom(zoom).HalfWidth, MetricsAtZoom(clean).HalfWidth);
    }
}

// Unplaced plates (left at 0, 0 or anywhere) never widen the box; a plate
// placed alone is a box of one point, negative positions included.
TEST(Geometry, PlacedBoundsCoverThePlacedPlatesOnly)
{
    TPlateList plates;
    EXPECT_FALSE(PlacedBounds(plates));
    for (int i = 0; i < 4; ++i)
        plates.Add("Ore", TResourcePlate{});
    EXPECT_FALSE(PlacedBounds(plates));
    plates.Place(2, -40, 1200);
    auto box = PlacedBounds(plates);
    ASSERT_TRUE(box);
    EXPECT_EQ(std::tie(box->MinX, box->MinY, box->MaxX, box->MaxY), std::make_tuple(-40, 1200, -40, 1200));
    plates.Place(3, 5000, 1300);
    plates.Place(1, 2000, 1100);
    box = PlacedBounds(plates);
    ASSERT_TRUE(box);
    EXPECT_EQ(std::tie(box->MinX, box->MinY, box->MaxX, box->MaxY), std::make_tuple(-40, 1100, 5000, 1300));
}

} // namespace
} // namespace vornia

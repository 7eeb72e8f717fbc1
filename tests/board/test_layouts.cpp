#include <gtest/gtest.h>

#include <set>

#include "board/board_layout.h"
#include "board_test_support.h"

namespace vornia {
namespace {

using testing::FixedRandom;
using testing::LandRows;

// A panel whose list holds the given kinds, unplaced, in this order.
class LayoutTest : public ::testing::Test {
protected:
    TPanelBoard panel;
    TRandomSource random = FixedRandom(1234);
    TBoardLayout layout{panel, random, "any"};
    void Walk(const char* shape)
    {
        const TWalkedShape* row = FindWalkedShape(shape);
        ASSERT_NE(row, nullptr);
        layout.WalkShape(*row);
    }
    void AddPlates(int count, const char* kind, const char* resource = "")
    {
        for (int i = 0; i < count; ++i) {
            TResourcePlate p;
            p.Kind = kind;
            p.TradeResource = resource;
            SetPlateColors(p);
            panel.Plates().Add(kind, p);
        }
    }
    std::set<std::pair<int, int>> PlacedPositions() const
    {
        std::set<std::pair<int, int>> positions;
        for (const auto& e : panel.Plates().All())
            if (e.Plate.Placed)
                positions.insert({e.Plate.X, e.Plate.Y});
        return positions;
    }
};

TEST_F(LayoutTest, WalkedShapesHaveTheirRowsWithNineteenLandPlates)
{
    struct TRow {
        const char* shape;
        std::vector<int> rows;
    };
    const TRow rows[] = {
        {"long lake", {8, 3, 8}},
        {"albatross", {1, 2, 4, 4, 5, 2, 1}},
        {"great lakes", {1, 2, 2, 2, 5, 2, 2, 2, 1}},
        {"pine cone", {1, 2, 3, 4, 5, 4}},
        {"valley", {6, 7, 6}},
        {"dog leg", {2, 3, 4, 4, 4, 2}},
        {"wolf", {6, 5, 2, 3, 2, 1}},
        {"coelecanth", {2, 5, 5, 5, 2}},
        {"scorpion", {2, 5, 5, 5, 2}},
        {"lesser great lakes", {2, 3, 2, 5, 2, 3, 2}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.shape);
        panel.Registry().NewPlateList();
        AddPlates(1, "Water"); // water between land plates takes no step
        AddPlates(10, "Grain");
        AddPlates(2, "Water");
        AddPlates(9, "Ore");
        Walk(row.shape);
        EXPECT_EQ(LandRows(panel.Plates()), row.rows);
        EXPECT_EQ(PlacedPositions().size(), static_cast<std::size_t>(panel.PlacedPlateCount()));
        EXPECT_EQ(panel.Plates()[1].X, StartX);
        EXPECT_EQ(panel.Plates()[1].Y, StartY);
    }
}

TEST_F(LayoutTest, TwentiethStepRevisitsAPositionInFourShapes)
{
    struct TRow {
        const char* shape;
        bool shared;
    };
    // clang-format off
    const TRow rows[] = {
        {"albatross", true},
        {"great lakes", true},
        {"wolf", true},
        {"lesser great lakes", true},
        {"valley", false},
        {"long lake", false},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.shape);
        panel.Registry().NewPlateList();
        AddPlates(25, "Wool");
        Walk(row.shape);
        EXPECT_EQ(panel.PlacedPlateCount(), 20);
        EXPECT_EQ(PlacedPositions().size(), row.shared ? 19u : 20u);
        EXPECT_FALSE(panel.Plates()[20].Placed);
    }
}

TEST_F(LayoutTest, CrossGrowsFourArmsInTurn)
{
    AddPlates(19, "Brick");
    layout.BuildCross();
    int nw = 0, ne = 0, se = 0, sw = 0;
    for (const auto& e : panel.Plates().All()) {
        const auto& p = e.Plate;
        ASSERT_TRUE(p.Placed);
        nw += p.X < StartX && p.Y < StartY;
        ne += p.X > StartX && p.Y < StartY;
        se += p.X > StartX && p.Y > StartY;
        sw += p.X < StartX && p.Y > StartY;
    }
    EXPECT_EQ((std::vector<int>{nw, ne, se, sw}), (std::vector<int>{5, 5, 4, 4}));
}

TEST_F(LayoutTest, NoLandPlacesNothingNotEvenWater)
{
    AddPlates(5, "Water");
    for (auto shape : {"cross", "valley"}) {
        SCOPED_TRACE(shape);
        layout.RunLayout(shape);
        EXPECT_EQ(panel.PlacedPlateCount(), 0);
    }
}

TEST_F(LayoutTest, TraditionalRingAndLandPositions)
{
    // All 18 water plates are harbours so that every ring side shows.
    AddPlates(19, "Lumber");
    AddPlates(18, "Water", "Ore");
    layout.BuildTraditional();
    const int a = 39, pitch = 68;
    std::vector<std::pair<int, int>> land;
    for (int i = 0; i < 19; ++i)
        land.push_back({panel.Plates()[i].X, panel.Plates()[i].Y});
    EXPECT_EQ(land[0], std::make_pair(189, 50 + pitch));
    EXPECT_EQ(land[3], std::make_pair(150, 50 + 2 * pitch));
    EXPECT_EQ(land[7], std::make_pair(111, 50 + 3 * pitch));
    EXPECT_EQ(land[12], std::make_pair(150, 50 + 4 * pitch));
    EXPECT_EQ(land[16], std::make_pair(189, 50 + 5 * pitch));
    EXPECT_EQ(PlacedPositions().size(), 37u);

    struct TRing {
        int x, y;
        TBorderType side;
    };
    const TRing ring[] = {
        {150, 0, btSouthEast},       {150 + 2 * a, 0, btSouthEast}, {150 + 4 * a, 0, btSouthWest},
        {150 + 6 * a, 0, btSouthWest}, {150 - a, 1, btSouthEast},   {150 + 7 * a, 1, btSouthWest},
        {150 - 2 * a, 2, btEast},     {150 + 8 * a, 2, btWest},      {150 - 3 * a, 3, btEast},
        {150 + 9 * a, 3, btWest},     {150 - 2 * a, 4, btEast},      {150 + 8 * a, 4, btWest},
        {150 - a, 5, btNorthEast},    {150 + 7 * a, 5, btNorthWest}, {150, 6, btNorthEast},
        {150 + 2 * a, 6, btNorthEast}, {150 + 4 * a, 6, btNorthWest}, {150 + 6 * a, 6, btNorthWest},
    };
    for (int k = 0; k < 18; ++k) {
        SCOPED_TRACE(k);
        const auto& p = panel.Plates()[19 + k];
        EXPECT_EQ(p.X, ring[k].x);
        EXPECT_EQ(p.Y, 50 + ring[k].y * pitch);
        EXPECT_EQ(p.Border, ring[k].side);
    }
}

// The island of rows 3, 4, 5, 4, 3 stands where the traditional island has
// always stood, at every zoom: its rows written out as the game has them.
TEST_F(LayoutTest, FixedIslandRowsGiveTheTraditionalPositionsAtEveryZoom)
{
    ASSERT_EQ(FixedIslands[0].Name, "traditional");
    for (const int zoom : {100, 75, 50}) {
        SCOPED_TRACE(zoom);
        const THexMetrics m = MetricsAtZoom(zoom);
        const int a = m.HalfWidth;
        const auto at = [&](int x, int row) { return TPoint{x, 50 + row * m.RowPitch()}; };
        const std::vector<TPoint> land{
            at(150 + a, 1), at(150 + 3 * a, 1), at(150 + 5 * a, 1),                                         //
            at(150, 2),     at(150 + 2 * a, 2), at(150 + 4 * a, 2), at(150 + 6 * a, 2),                     //
            at(150 - a, 3), at(150 + a, 3),     at(150 + 3 * a, 3), at(150 + 5 * a, 3), at(150 + 7 * a, 3), //
            at(150, 4),     at(150 + 2 * a, 4), at(150 + 4 * a, 4), at(150 + 6 * a, 4),                     //
            at(150 + a, 5), at(150 + 3 * a, 5), at(150 + 5 * a, 5),
        };
        const std::vector<TPoint> ring{
            at(150, 0),         at(150 + 2 * a, 0), at(150 + 4 * a, 0), at(150 + 6 * a, 0), //
            at(150 - a, 1),     at(150 + 7 * a, 1), at(150 - 2 * a, 2), at(150 + 8 * a, 2), //
            at(150 - 3 * a, 3), at(150 + 9 * a, 3), at(150 - 2 * a, 4), at(150 + 8 * a, 4), //
            at(150 - a, 5),     at(150 + 7 * a, 5),                                         //
            at(150, 6),         at(150 + 2 * a, 6), at(150 + 4 * a, 6), at(150 + 6 * a, 6),
        };
        EXPECT_EQ(IslandLandPositions(FixedIslands[0], m), land);
        EXPECT_EQ(IslandRingPositions(FixedIslands[0], m), ring);
    }
}

// The island for five and six players: seven land rows from 3 to 6 plates
// in a ring of 22, every harbour facing the land.
TEST_F(LayoutTest, LargeTraditionalRowsAndRing)
{
    const TFixedIsland* island = FindFixedIsland("LARGE traditional");
    ASSERT_NE(island, nullptr);
    AddPlates(30, "Ore");
    AddPlates(22, "Water", "Grain");
    layout.BuildFixedIsland(*island);
    EXPECT_EQ(LandRows(panel.Plates()), (std::vector<int>{3, 4, 5, 6, 5, 4, 3}));
    EXPECT_EQ(PlacedPositions().size(), 52u);
    // The widest row starts at 150 - 2A, with water at both ends.
    EXPECT_EQ(panel.Plates()[12].X, 150 - 2 * 39);
    EXPECT_EQ(panel.Plates()[30 + 10].X, 150 - 4 * 39);
    EXPECT_EQ(panel.Plates()[30 + 11].X, 150 + 10 * 39);
}

TEST_F(LayoutTest, TraditionalAtHalfZoom)
{
    panel.SetZoom(50);
    AddPlates(19, "Grain");
    AddPlates(18, "Water");
    layout.BuildTraditional();
    EXPECT_EQ(panel.Plates()[0].X, 169);
    EXPECT_EQ(panel.Plates()[0].Y, 83);
}

TEST_F(LayoutTest, SingleLandPlateIsRingedHarboursFirst)
{
    AddPlates(1, "Ore");
    AddPlates(4, "Water");
    AddPlates(3, "Water", "Wool");
    layout.BuildCross();
    EXPECT_EQ(panel.PlacedPlateCount(), 7);
    EXPECT_EQ(PlacedPositions().size(), 7u);
    int facing = 0;
    for (const auto& e : panel.Plates().All()) {
        const auto& p = e.Plate;
        if (!IsHarbour(p))
            continue;
        ASSERT_TRUE(p.Placed);
        // Each harbour faces the land plate.
        EXPECT_EQ(StepXAtZoom(p.X, p.Border, 100), StartX);
        EXPECT_EQ(StepYAtZoom(p.Y, p.Border, 100), StartY);
        ++facing;
    }
    EXPECT_EQ(facing, 3);
    EXPECT_EQ(panel.PlainWaterCount(), 3); // one plain water found no coast
}

TEST_F(LayoutTest, LakeIsFilledFirstAndTakesAHarbour)
{
    // A ring of six land plates around (150 + 78, 50): the lake gets the harbour.
    AddPlates(7, "Grain");
    AddPlates(1, "Water", "Brick");
    AddPlates(1, "Water");
    const std::int32_t cx = 228, cy = 50;
    for (int d = btNorthWest; d <= btWest; ++d)
        panel.Plates().Place(d, StepXAtZoom(cx, d, 100), StepYAtZoom(cy, d, 100));
    panel.Plates().Place(6, StepXAtZoom(StepXAtZoom(cx, btEast, 100), btEast, 100), cy);
    layout.SurroundWithWater(); // two waters: positions are not shuffled
    EXPECT_EQ(panel.Plates()[7].X, cx);
    EXPECT_EQ(panel.Plates()[7].Y, cy);
    EXPECT_TRUE(panel.Plates()[8].Placed);
}

TEST_F(LayoutTest, HarbourTieGoesToTheEarlierSide)
{
    AddPlates(1, "Water", "Ore");
    AddPlates(2, "Wool");
    panel.Plates().Place(0, 150, 50);
    panel.Plates().Place(1, 150 + 78, 50);
    panel.Plates().Place(2, 150 - 78, 50);
    layout.SetHarbourSides();
    EXPECT_EQ(panel.Plates()[0].Border, btEast);
}

} // namespace
} // namespace vornia

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "board/ordered_picker.h"
#include "board_test_support.h"

namespace vornia {
namespace {

using testing::SetAllCounts;
using testing::TFixedClock;
using testing::TTestOwner;

TEST(RandomSource, LinearCongruentialStepAndUpperBits)
{
    TRandomSource r;
    r.SetSeed(0);
    EXPECT_EQ(r.Next(100), 0); // seed 1: (1 * 100) >> 32
    EXPECT_EQ(r.Seed(), 1u);
    EXPECT_EQ(r.Next(1000), static_cast<int>((std::uint64_t{134775814u} * 1000) >> 32));
    r.UseFixedClock(86399999);
    r.Reseed();
    EXPECT_EQ(r.Seed(), 86399999u);
}

TEST(OrderedPicker, TakesTheSameEntriesAsDeletingFromAList)
{
    TRandomSource r;
    r.SetSeed(42);
    for (int n : {0, 1, 2, 7, 64, 1000}) {
        std::vector<int> list(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i)
            list[static_cast<std::size_t>(i)] = i;
        TOrderedPicker picker(n);
        while (!list.empty()) {
            const int k = r.Next(static_cast<int>(list.size()));
            ASSERT_EQ(picker.Take(k), list[static_cast<std::size_t>(k)]);
            list.erase(list.begin() + k);
        }
        EXPECT_EQ(picker.Remaining(), 0);
    }
}

class Generation : public ::testing::Test {
protected:
    TTestOwner owner;
    TPanelBoard panel{owner};
    TFixedClock clock{777};
};

TEST_F(Generation, TraditionalBoardIsNamedCountedAndDealt)
{
    panel.GenerateBoard();
    EXPECT_EQ(panel.BoardName(), "[New traditional 1]");
    EXPECT_EQ(owner.Captions, (std::vector<std::string>{"", "[New traditional 1]"}));
    EXPECT_EQ(owner.Calls, (std::vector<std::string>{"caption", "caption", "menu", "stats", "paint"}));
    EXPECT_EQ(owner.MenuItems, (std::vector<std::string>{"[New traditional 1]"}));
    const TPlateList& plates = panel.Plates();
    ASSERT_EQ(plates.Count(), 37);
    std::map<std::string, int> numbers;
    int harbours = 0, plainWater = 0;
    for (const auto& e : plates.All()) {
        const auto& p = e.Plate;
        EXPECT_TRUE(p.Placed);
        EXPECT_EQ(e.Text, p.Kind);
        if (IsLand(p) && !IsDesert(p))
            ++numbers[p.Number];
        else
            EXPECT_EQ(p.Number, "");
        harbours += IsHarbour(p);
        plainWater += IsPlainWater(p);
    }
    EXPECT_EQ(numbers, (std::map<std::string, int>{{"2", 1}, {"3", 2}, {"4", 2}, {"5", 2}, {"6", 2}, {"8", 2},
                                                    {"9", 2}, {"10", 2}, {"11", 2}, {"12", 1}}));
    EXPECT_EQ(harbours, 9);
    EXPECT_EQ(plainWater, 9);
    // Moved into the corner: the west-most water at x 10, the top row at 10 + PeakHeight.
    int minX = INT32_MAX, minY = INT32_MAX;
    for (const auto& e : plates.All()) {
        minX = std::min(minX, e.Plate.X);
        minY = std::min(minY, e.Plate.Y);
    }
    EXPECT_EQ(minX, 10);
    EXPECT_EQ(minY, 33);
    EXPECT_EQ(owner.LastStats.PlainWaters, 9);
    EXPECT_EQ(FormatAverage(owner.LastStats.LowestAverage), "1.89");
    EXPECT_EQ(owner.LastStats.LandMass, "high");

    panel.GenerateBoard();
    EXPECT_EQ(panel.BoardName(), "[New traditional 2]");
    EXPECT_EQ(panel.Registry().Boards().size(), 2u);
}

TEST_F(Generation, ShapeKeepsItsCapitalsInTheName)
{
    owner.Settings.Shape = "Dog Leg";
    panel.GenerateBoard();
    EXPECT_EQ(panel.BoardName(), "[New Dog Leg 1]");
    EXPECT_EQ(testing::LandRows(panel.Plates()), (std::vector<int>{2, 3, 4, 4, 4, 2}));
}

TEST_F(Generation, FailedRandomBoardKeepsTheCounterAndThePreviousName)
{
    panel.GenerateBoard();
    owner.Settings.Shape = "random";
    owner.Settings.MassDensity = "high";
    SetAllCounts(owner.Settings, 0);
    owner.Settings.GrainCount = 2; // two land plates: the category is always empty
    owner.Calls.clear();
    panel.GenerateBoard();
    EXPECT_EQ(panel.Attempts(), MaxRandomAttempts);
    EXPECT_EQ(owner.StatusFlags, rsFailed);
    EXPECT_EQ(owner.Calls, (std::vector<std::string>{"caption", "reset"}));
    EXPECT_EQ(panel.BoardName(), "[New traditional 1]");
    EXPECT_EQ(panel.Registry().Boards().size(), 1u);
    EXPECT_EQ(panel.PlacedPlateCount(), 0);

    owner.Settings.MassDensity = "any";
    panel.GenerateBoard();
    EXPECT_EQ(panel.BoardName(), "[New random 2]");
    EXPECT_EQ(panel.Attempts(), 1);
}

TEST_F(Generation, RandomLandMassEdges)
{
    struct TRow {
        const char* name;
        int land;
        const char* mass;
        bool success;
        int attempts;
    };
    const TRow rows[] = {
        {"no land, any", 0, "any", true, 1},       {"no land, low", 0, "low", false, MaxRandomAttempts},
        {"one land, low", 1, "low", true, 1},      {"one land, medium", 1, "medium", false, MaxRandomAttempts},
        {"two land, low", 2, "LOW", false, MaxRandomAttempts},
        {"beyond the table", 102, "high", false, MaxRandomAttempts},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        SetAllCounts(owner.Settings, 0);
        owner.Settings.Shape = "random";
        owner.Settings.MassDensity = row.mass;
        owner.Settings.OreCount = row.land;
        owner.Settings.WaterCount = 3;
        panel.Registry().NewPlateList();
        panel.GenerateBoard();
        EXPECT_EQ(owner.StatusFlags == rsFailed, !row.success);
        EXPECT_EQ(panel.Attempts(), row.attempts);
        owner.StatusFlags = -1;
    }
}

TEST_F(Generation, DealingWithCustomCounts)
{
    owner.Settings.Shape = "cross";
    SetAllCounts(owner.Settings, 0);
    owner.Settings.BrickCount = 6;
    owner.Settings.PieSevenCount = 4; // fewer numbers than land: the last land plates get none
    panel.GenerateBoard();
    int withNumber = 0, lastNumbered = -1, firstBare = -1;
    for (int i = 0; i < panel.Plates().Count(); ++i) {
        const auto& p = panel.Plates()[i];
        if (!p.Number.empty()) {
            EXPECT_EQ(p.Number, "7");
            ++withNumber;
            lastNumbered = i;
        } else if (firstBare < 0) {
            firstBare = i;
        }
    }
    EXPECT_EQ(withNumber, 4);
    EXPECT_LT(lastNumbered, firstBare == 4 ? 4 : 99);

    owner.Settings.PieSevenCount = 0;
    owner.Settings.PieTwoCount = 50; // more numbers than land: the surplus is on no plate
    owner.Settings.DesertCount = 0;
    panel.GenerateBoard();
    for (const auto& e : panel.Plates().All())
        EXPECT_EQ(e.Plate.Number, "2");
}

// Properties that hold for every shape and many seeds.
TEST(GenerationProperties, EveryShapeConservesPlatesAndTurnsHarboursToLand)
{
    for (auto shape : ShapeNames) {
        for (std::uint32_t seed : {1u, 2u, 99u, 4321u, 86399999u}) {
            SCOPED_TRACE(std::string(shape) + " seed " + std::to_string(seed));
            TFixedClock clock(seed);
            TTestOwner owner;
            owner.Settings.Shape = std::string(shape);
            owner.Settings.WaterCount = 30;
            TPanelBoard panel(owner);
            panel.GenerateBoard();
            ASSERT_EQ(panel.Registry().Boards().size(), 1u);
            const TPlateList& plates = panel.Plates();
            const int expected = shape == "traditional" ? 37 : 19 + 30 + 9;
            ASSERT_EQ(plates.Count(), expected);
            std::set<std::pair<int, int>> seen;
            for (const auto& e : plates.All()) {
                const auto& p = e.Plate;
                if (!p.Number.empty()) {
                    EXPECT_TRUE(IsLand(p) && !IsDesert(p));
                }
                if (!p.Placed)
                    continue;
                if (IsHarbour(p)) {
                    bool anyLand = false;
                    for (int d = btNorthWest; d <= btWest; ++d)
                        anyLand |= panel.HasLandNeighbour(d, p.X, p.Y);
                    if (anyLand) {
                        EXPECT_TRUE(panel.HasLandNeighbour(p.Border, p.X, p.Y));
                    }
                }
                seen.insert({p.X, p.Y});
            }
            if (shape != "albatross" && shape != "great lakes" && shape != "wolf" && shape != "lesser great lakes") {
                EXPECT_EQ(seen.size(), static_cast<std::size_t>(panel.PlacedPlateCount()));
            }
            // Every land plate is on the board for these counts.
            for (const auto& e : plates.All()) {
                if (IsLand(e.Plate)) {
                    EXPECT_TRUE(e.Plate.Placed);
                }
            }
        }
    }
}

TEST(GenerationProperties, SameSeedSameBoard)
{
    auto make = [](std::uint32_t seed) {
        TFixedClock clock(seed);
        TTestOwner owner;
        owner.Settings.Shape = "random";
        TPanelBoard panel(owner);
        panel.GenerateBoard();
        std::vector<TResourcePlate> plates;
        for (const auto& e : panel.Plates().All())
            plates.push_back(e.Plate);
        return plates;
    };
    EXPECT_EQ(make(5), make(5));
    EXPECT_NE(make(5), make(6));
}

} // namespace
} // namespace vornia

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <thread>

#include "board/ordered_picker.h"
#include "board/status_texts.h"
#include "board_test_support.h"

namespace vornia {
namespace {

using testing::FixedRandom;

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
    TBoardSettings settings;
    TPanelBoard panel;
    TRandomSource random = FixedRandom(777);
    TGenerationResult Generate() { return panel.GenerateBoard(settings, 100, random); }
};

TEST_F(Generation, TraditionalBoardIsNamedCountedAndDealt)
{
    const TGenerationResult made = Generate();
    EXPECT_TRUE(made.Made);
    EXPECT_EQ(made.Name, "[New traditional 1]");
    EXPECT_EQ(panel.BoardName(), "[New traditional 1]");
    EXPECT_EQ(made.FailureText, "");
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
    EXPECT_EQ(made.Stats.PlainWaters, 9);
    EXPECT_EQ(FormatAverage(made.Stats.LowestAverage), "1.89");
    EXPECT_EQ(made.Stats.LandMass, "high");
    EXPECT_EQ(made.Stats.Attempts, 0);

    EXPECT_EQ(Generate().Name, "[New traditional 2]");
    EXPECT_EQ(panel.BoardName(), "[New traditional 2]");
    EXPECT_EQ(panel.Registry().Boards().size(), 2u);
}

// The island for five and six players is made of its own pieces whatever
// the counts say, and its numbers cover every land plate but the deserts.
TEST_F(Generation, LargeTraditionalHasItsOwnPieces)
{
    settings.Shape = "large traditional";
    SetAllCounts(settings, 500);
    const TGenerationResult made = Generate();
    ASSERT_TRUE(made.Made);
    EXPECT_EQ(made.Name, "[New large traditional 1]");
    std::map<std::string, int> kinds, numbers;
    for (const auto& e : panel.Plates().All()) {
        const auto& p = e.Plate;
        EXPECT_TRUE(p.Placed);
        ++kinds[IsHarbour(p) ? p.TradeRatio + p.TradeResource : p.Kind];
        if (IsLand(p) && !IsDesert(p))
            ++numbers[p.Number];
    }
    EXPECT_EQ(kinds, (std::map<std::string, int>{{"Grain", 6},
                                                 {"Wool", 6},
                                                 {"Lumber", 6},
                                                 {"Ore", 5},
                                                 {"Brick", 5},
                                                 {"Desert", 2},
                                                 {"Water", 11},
                                                 {"2:1Grain", 1},
                                                 {"2:1Wool", 2},
                                                 {"2:1Lumber", 1},
                                                 {"2:1Brick", 1},
                                                 {"2:1Ore", 1},
                                                 {"3:1    ?", 5}}));
    EXPECT_EQ(
        numbers,
        (std::map<std::string, int>{
            {"2", 2}, {"3", 3}, {"4", 3}, {"5", 3}, {"6", 3}, {"8", 3}, {"9", 3}, {"10", 3}, {"11", 3}, {"12", 2}}));
}

TEST_F(Generation, ShapeKeepsItsCapitalsInTheName)
{
    settings.Shape = "Dog Leg";
    Generate();
    EXPECT_EQ(panel.BoardName(), "[New Dog Leg 1]");
    EXPECT_EQ(testing::LandRows(panel.Plates()), (std::vector<int>{2, 3, 4, 4, 4, 2}));
}

TEST_F(Generation, FailedRandomBoardKeepsTheCounterAndThePreviousName)
{
    Generate();
    settings.Shape = "random";
    settings.MassDensity = "high";
    SetAllCounts(settings, 0);
    settings.GrainCount = 2; // two land plates: the category is always empty
    const TGenerationResult failed = Generate();
    EXPECT_EQ(panel.Attempts(), MaxRandomAttempts);
    EXPECT_FALSE(failed.Made);
    EXPECT_EQ(failed.FailureText, FailedBoardText);
    EXPECT_EQ(failed.Name, "");
    EXPECT_EQ(panel.BoardName(), "[New traditional 1]");
    EXPECT_FALSE(panel.Registry().CurrentIsRegistered());
    EXPECT_EQ(panel.Registry().Boards().size(), 1u);
    EXPECT_EQ(panel.PlacedPlateCount(), 0);

    settings.MassDensity = "any";
    EXPECT_EQ(Generate().Name, "[New random 2]");
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
        SetAllCounts(settings, 0);
        settings.Shape = "random";
        settings.MassDensity = row.mass;
        settings.OreCount = row.land;
        settings.WaterCount = 3;
        EXPECT_EQ(Generate().Made, row.success);
        EXPECT_EQ(panel.Attempts(), row.attempts);
    }
}

TEST_F(Generation, DealingWithCustomCounts)
{
    settings.Shape = "cross";
    SetAllCounts(settings, 0);
    settings.BrickCount = 6;
    settings.PieSevenCount = 4; // fewer numbers than land: the last land plates get none
    Generate();
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

    settings.PieSevenCount = 0;
    settings.PieTwoCount = 50; // more numbers than land: the surplus is on no plate
    settings.DesertCount = 0;
    Generate();
    for (const auto& e : panel.Plates().All())
        EXPECT_EQ(e.Plate.Number, "2");
}

// Properties that hold for every shape and many seeds.
TEST(GenerationProperties, EveryShapeConservesPlatesAndTurnsHarboursToLand)
{
    for (auto shape : ShapeNames) {
        for (std::uint32_t seed : {1u, 2u, 99u, 4321u, 86399999u}) {
            SCOPED_TRACE(std::string(shape) + " seed " + std::to_string(seed));
            TRandomSource random = FixedRandom(seed);
            TBoardSettings settings;
            settings.Shape = std::string(shape);
            settings.WaterCount = 30;
            TPanelBoard panel;
            panel.GenerateBoard(settings, 100, random);
            ASSERT_EQ(panel.Registry().Boards().size(), 1u);
            const TPlateList& plates = panel.Plates();
            // A fixed island has its own pieces whatever the counts.
            const int expected = shape == "traditional" ? 37 : shape == "large traditional" ? 52 : 19 + 30 + 9;
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

std::vector<TResourcePlate> PlatesOf(const TPanelBoard& panel)
{
    std::vector<TResourcePlate> plates;
    for (const auto& e : panel.Plates().All())
        plates.push_back(e.Plate);
    return plates;
}

TEST(GenerationProperties, SameSeedSameBoard)
{
    auto make = [](std::uint32_t seed) {
        TRandomSource random = FixedRandom(seed);
        TBoardSettings settings;
        settings.Shape = "random";
        TPanelBoard panel;
        panel.GenerateBoard(settings, 100, random);
        return PlatesOf(panel);
    };
    EXPECT_EQ(make(5), make(5));
    EXPECT_NE(make(5), make(6));
}

// Each panel draws from its own generator only: boards made at the same time
// on two threads are the boards each makes alone.
TEST(GenerationProperties, TwoSourcesAtOnceMakeTheBoardsEachMakesAlone)
{
    TBoardSettings randomShape, fair;
    randomShape.Shape = "random";
    randomShape.MassDensity = "medium";
    fair.Fair.NoAdjacentRed = true;
    fair.Fair.BalancedPips = true;
    using TBoards = std::vector<std::vector<TResourcePlate>>;
    auto make = [](const TBoardSettings& settings, std::uint32_t seed, TBoards& boards) {
        TRandomSource random = FixedRandom(seed);
        TPanelBoard panel;
        for (int i = 0; i < 20; ++i)
            if (panel.GenerateBoard(settings, 75, random).Made)
                boards.push_back(PlatesOf(panel));
    };
    TBoards randomAlone, fairAlone, randomAtOnce, fairAtOnce;
    make(randomShape, 11, randomAlone);
    make(fair, 22, fairAlone);
    {
        std::thread one(make, std::cref(randomShape), 11u, std::ref(randomAtOnce));
        std::thread other(make, std::cref(fair), 22u, std::ref(fairAtOnce));
        one.join();
        other.join();
    }
    EXPECT_EQ(randomAlone.size(), 20u);
    EXPECT_EQ(fairAlone.size(), 20u);
    EXPECT_EQ(randomAtOnce, randomAlone);
    EXPECT_EQ(fairAtOnce, fairAlone);
}

} // namespace
} // namespace vornia

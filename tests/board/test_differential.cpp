// The position index must answer exactly as the literal scans of the plate
// list: boards made both ways from the same seed are identical plate for
// plate (and so give the same board file) and have the same statistics.
#include <gtest/gtest.h>

#include "board_test_support.h"

namespace vornia {
namespace {

using testing::FixedRandom;

struct TOutcome {
    std::vector<TPlateEntry> plates;
    TStats stats;
    std::string name;
    int attempts = 0;
};

TOutcome Generate(const TBoardSettings& settings, int zoom, std::uint32_t seed, TLookupMode mode)
{
    TRandomSource random = FixedRandom(seed);
    TPanelBoard panel(mode);
    panel.GenerateBoard(settings, zoom, random);
    TOutcome outcome;
    for (const auto& e : panel.Plates().All())
        outcome.plates.push_back({e.Text, e.Plate});
    outcome.stats = panel.ComputeStats();
    outcome.name = panel.BoardName();
    outcome.attempts = panel.Attempts();
    return outcome;
}

void ExpectSame(const TOutcome& indexed, const TOutcome& literal)
{
    ASSERT_EQ(indexed.plates.size(), literal.plates.size());
    for (std::size_t i = 0; i < indexed.plates.size(); ++i) {
        ASSERT_EQ(indexed.plates[i].Text, literal.plates[i].Text) << i;
        ASSERT_EQ(indexed.plates[i].Plate, literal.plates[i].Plate) << i;
    }
    EXPECT_EQ(indexed.stats, literal.stats);
    EXPECT_EQ(indexed.name, literal.name);
    EXPECT_EQ(indexed.attempts, literal.attempts);
}

std::vector<std::pair<std::string, TBoardSettings>> CountSets(int randomSets, int maxCount, std::uint32_t salt)
{
    std::vector<std::pair<std::string, TBoardSettings>> sets;
    TBoardSettings zero;
    SetAllCounts(zero, 0);
    sets.push_back({"all zero", zero});
    sets.push_back({"defaults", TBoardSettings{}});
    TRandomSource r;
    r.SetSeed(salt);
    for (int k = 0; k < randomSets; ++k) {
        TBoardSettings s;
        for (const auto& key : CountKeys)
            s.*(key.Field) = r.Next(maxCount + 1);
        sets.push_back({"random set " + std::to_string(k), s});
    }
    return sets;
}

TEST(IndexMatchesLiteralScans, EveryShapeZoomAndLandMassOnSmallBoards)
{
    std::uint32_t seed = 1;
    for (const auto& [setName, counts] : CountSets(3, 12, 7)) {
        for (auto shape : ShapeNames) {
            for (int zoom : {100, 75, 50}) {
                for (auto mass : LandMassNames) {
                    if (shape != "random" && mass != "any" && zoom != 75)
                        continue; // the land mass only steers the random shape
                    TBoardSettings s = counts;
                    s.Shape = std::string(shape);
                    s.MassDensity = std::string(mass);
                    seed = seed * 7919 % 86400000;
                    SCOPED_TRACE(setName + ", " + s.Shape + ", " + s.MassDensity + ", zoom " +
                                 std::to_string(zoom) + ", seed " + std::to_string(seed));
                    ExpectSame(Generate(s, zoom, seed, TLookupMode::Indexed),
                               Generate(s, zoom, seed, TLookupMode::LiteralScan));
                }
            }
        }
    }
}

TEST(IndexMatchesLiteralScans, LargeCountSetsUpToFiveHundred)
{
    // Larger boards, where duplicates, traps and long coasts occur; the literal
    // scans are slow here, so fewer combinations.
    std::uint32_t seed = 11;
    const char* shapes[] = {"random", "cross", "wolf", "albatross", "scorpion"};
    for (const auto& [setName, counts] : CountSets(2, 500, 3)) {
        for (const char* shape : shapes) {
            TBoardSettings s = counts;
            s.Shape = shape;
            seed = seed * 104729 % 86400000;
            SCOPED_TRACE(setName + ", " + s.Shape + ", seed " + std::to_string(seed));
            ExpectSame(Generate(s, 100, seed, TLookupMode::Indexed), Generate(s, 100, seed, TLookupMode::LiteralScan));
        }
    }
}

TEST(IndexMatchesLiteralScans, ManySeedsOfTheRandomShapeWithEachLandMass)
{
    TBoardSettings s;
    s.Shape = "random";
    s.WaterCount = 20;
    for (auto mass : LandMassNames) {
        s.MassDensity = std::string(mass);
        for (std::uint32_t seed = 100; seed < 120; ++seed) {
            SCOPED_TRACE(s.MassDensity + " seed " + std::to_string(seed));
            ExpectSame(Generate(s, 100, seed, TLookupMode::Indexed), Generate(s, 100, seed, TLookupMode::LiteralScan));
        }
    }
}

} // namespace
} // namespace vornia

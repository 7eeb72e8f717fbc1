#include <gtest/gtest.h>

#include <cmath>

#include "board/stats.h"
#include "tests/scoped_locale.h"

namespace vornia {
namespace {

TEST(MaxSharedSides, KnownRowsAndExceptions)
{
    const std::pair<int, int> rows[] = {{0, 0},  {1, 0},  {2, 1},   {3, 3},   {4, 5},   {5, 7},   {6, 9},
                                        {7, 12}, {10, 19}, {19, 42}, {37, 90}, {50, 125}, {96, 253}, {100, 265},
                                        {101, 267}};
    for (auto [n, expected] : rows)
        EXPECT_EQ(MaxSharedSides(n), expected) << n;
    for (int n = 1; n <= 101; ++n) {
        if (n == 96 || n == 101)
            continue;
        EXPECT_EQ(MaxSharedSides(n), static_cast<int>(std::floor(3.0 * n - std::sqrt(12.0 * n - 3)))) << n;
    }
    EXPECT_DOUBLE_EQ(HighestPossibleAverage(96), 2.0 * 253 / 96);
    EXPECT_DOUBLE_EQ(HighestPossibleAverage(102), -1);
}

struct TFigureRow {
    const char* name;
    int n;
    long long sides;
    const char* category;
    double lowest, actual, highest;
};

TEST(LandMassFigures, CategoriesIncludingExactBorders)
{
    const TFigureRow rows[] = {
        {"no land", 0, 0, "", 0, 0, 0},
        {"one tile", 1, 0, "low", 0, 0, 0},
        {"two adjacent", 2, 2, "", 2.0, 1.0, 1.0},
        {"line of five", 5, 8, "low", 8.0 / 5, 8.0 / 5, 14.0 / 5},
        {"hexagon of 19", 19, 84, "high", 36.0 / 19, 84.0 / 19, 84.0 / 19},
        // 7 tiles: lowest 12/7, highest 24/7, thirds at 16/7 and 20/7.
        {"on the low/medium border", 7, 16, "low", 12.0 / 7, 16.0 / 7, 24.0 / 7},
        {"on the medium/high border", 7, 20, "medium", 12.0 / 7, 20.0 / 7, 24.0 / 7},
        {"inside high", 7, 22, "high", 12.0 / 7, 22.0 / 7, 24.0 / 7},
        {"islands below the lowest", 4, 2, "", 6.0 / 4, 2.0 / 4, 10.0 / 4},
        {"beyond the table", 102, 300, "", 202.0 / 102, 300.0 / 102, -1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TStats stats;
        stats.LandMass = "stale";
        LandMassFigures(row.n, row.sides, stats);
        EXPECT_EQ(stats.LandMass, row.category);
        EXPECT_DOUBLE_EQ(stats.LowestAverage, row.lowest);
        EXPECT_DOUBLE_EQ(stats.ActualAverage, row.actual);
        EXPECT_DOUBLE_EQ(stats.HighestAverage, row.highest);
    }
}

TEST(LandMassFigures, EveryBorderOfSmallBoardsTakesTheLowerThird)
{
    // Sweep every n and s for which an average lies exactly on a border.
    for (int n = 3; n <= 101; ++n) {
        const long long lowest = 2LL * n - 2, highest = 2LL * MaxSharedSides(n);
        const long long t3 = highest - lowest; // a third, over 3n
        for (int k = 1; k <= 2; ++k) {
            if ((3 * lowest + k * t3) % 3 != 0)
                continue;
            const long long s = (3 * lowest + k * t3) / 3;
            TStats stats;
            LandMassFigures(n, s, stats);
            EXPECT_EQ(stats.LandMass, k == 1 ? "low" : "medium") << "n=" << n << " s=" << s;
        }
    }
}

TEST(FormatAverage, CutsAfterTwoDecimalsWithoutRounding)
{
    EXPECT_EQ(FormatAverage(1.8947368), "1.89");
    EXPECT_EQ(FormatAverage(84.0 / 19), "4.42");
    EXPECT_EQ(FormatAverage(2.999), "2.99");
    EXPECT_EQ(FormatAverage(2.5), "2.5");
    EXPECT_EQ(FormatAverage(2), "2");
    EXPECT_EQ(FormatAverage(-1), "-1");
    EXPECT_EQ(FormatAverage(0), "0");
}

// The toolkit switches the C library to the user's locale; a decimal comma
// there must not reach the status bar.
TEST(FormatAverage, WritesAPointInEveryLocale)
{
    const std::pair<double, const char*> rows[] = {
        {1.8947368, "1.89"}, {84.0 / 19, "4.42"}, {2.5, "2.5"}, {-0.125, "-0.12"}, {1e20, "1E+20"}};
    for (const char* name : test::CommaLocales) {
        SCOPED_TRACE(name);
        test::TScopedLocale locale(name);
        ASSERT_TRUE(locale.Ok) << "the locale is missing; scripts/deps.sh generates it";
        for (const auto& [value, text] : rows)
            EXPECT_EQ(FormatAverage(value), text) << value;
    }
}

} // namespace
} // namespace vornia

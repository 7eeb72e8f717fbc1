// Land-mass statistics: how clumped the land of a board is.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vornia {

struct TStats {
    std::int32_t PlainWaters = 0;
    std::string LandMass;
    double ActualAverage = 0;
    double LowestAverage = 0;
    double HighestAverage = 0;
    std::int32_t Attempts = 0;

    friend bool operator==(const TStats&, const TStats&) = default;
};

constexpr int MaxSharedSidesTableSize = 102;
// The most sides n hex tiles can share with each other, n = 0..101.
int MaxSharedSides(int n);
// 2 * MaxSharedSides(n) / n for n <= 101, else -1.
double HighestPossibleAverage(int n);
// The averages and category of n land tiles sharing s land-neighbour sides
// (each shared side counted from both tiles). The category is decided exactly
// in integers; the averages are for display.
void LandMassFigures(int n, long long s, TStats& stats);

// The shortest general decimal form, cut (not rounded) two places after the point.
std::string FormatAverage(double value);

} // namespace vornia

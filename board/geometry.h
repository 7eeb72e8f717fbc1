// Hex metrics per zoom and the six neighbour steps.
#pragma once

#include <array>
#include <cstdint>

#include "plate.h"

namespace vornia {

struct THexMetrics {
    int HalfWidth;  // A: half the width of a hex
    int SideLength; // B: the vertical west and east sides
    int PeakHeight; // C: top vertex above the upper side vertices
    int TokenSize;  // diameter of the number token
    int DotSize;    // diameter of a harbour dot
    constexpr int RowPitch() const { return SideLength + PeakHeight; }
};

// The zoom a percentage stands for: 50 and 75 are themselves, every other
// value is 100. The settings file, the board file, the drawing and the
// metrics all read a zoom through this.
constexpr int CleanZoom(int zoom)
{
    return (zoom == 50 || zoom == 75) ? zoom : 100;
}

// 100, 75 or 50 per cent, as CleanZoom makes of the zoom.
constexpr THexMetrics MetricsAtZoom(int zoom)
{
    switch (CleanZoom(zoom)) {
    case 75: return {29, 33, 17, 22, 6};
    case 50: return {19, 22, 11, 15, 4};
    default: return {39, 45, 23, 30, 8};
    }
}

constexpr bool IsKnownZoom(int zoom) { return zoom == 100 || zoom == 75 || zoom == 50; }

// Step of a direction in units of (HalfWidth, RowPitch); btNone and other values do not move.
struct TStepUnits {
    int dx;
    int dy;
};
constexpr std::array<TStepUnits, 7> StepTable{{
    {-1, -1}, // btNorthWest
    {+1, -1}, // btNorthEast
    {+2, 0},  // btEast
    {+1, +1}, // btSouthEast
    {-1, +1}, // btSouthWest
    {-2, 0},  // btWest
    {0, 0},   // btNone
}};

constexpr TStepUnits StepUnits(int direction)
{
    return (direction >= 0 && direction < 6) ? StepTable[static_cast<std::size_t>(direction)]
                                              : StepTable[6];
}

// Positions are 32-bit; arithmetic on them wraps modulo 2^32 (as the 32-bit
// positions of the board file always did) instead of overflowing.
constexpr std::int32_t WrapInt32(std::int64_t value)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(value)));
}

struct TPoint {
    std::int32_t x;
    std::int32_t y;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

// The neighbour position of (x, y) across a side, with the metrics at hand.
constexpr TPoint StepWith(std::int32_t x, std::int32_t y, int direction, const THexMetrics& m)
{
    const TStepUnits u = StepUnits(direction);
    return {WrapInt32(std::int64_t{x} + std::int64_t{u.dx} * m.HalfWidth),
            WrapInt32(std::int64_t{y} + std::int64_t{u.dy} * m.RowPitch())};
}

constexpr std::int32_t StepXAtZoom(std::int32_t x, int direction, int zoom)
{
    return WrapInt32(std::int64_t{x} + std::int64_t{StepUnits(direction).dx} * MetricsAtZoom(zoom).HalfWidth);
}

constexpr std::int32_t StepYAtZoom(std::int32_t y, int direction, int zoom)
{
    return WrapInt32(std::int64_t{y} + std::int64_t{StepUnits(direction).dy} * MetricsAtZoom(zoom).RowPitch());
}


// The six vertices of the outline from the upper-left vertex, clockwise.
constexpr std::array<TPoint, 6> HexOutline(std::int32_t x, std::int32_t y, const THexMetrics& m)
{
    const int a = m.HalfWidth, b = m.SideLength, c = m.PeakHeight;
    return {{{x, y}, {x + a, y - c}, {x + 2 * a, y}, {x + 2 * a, y + b}, {x + a, y + b + c}, {x, y + b}}};
}

} // namespace vornia

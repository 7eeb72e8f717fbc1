// Reading drawn pictures back: pixel colours as TColor, the colours used in
// a region, and the parts of a hexagon.
#pragma once

#include <QImage>
#include <array>
#include <cmath>
#include <functional>
#include <set>
#include <vector>

#include "board/geometry.h"
#include "board/plate.h"

namespace vornia::testing {

inline TColor PixelAt(const QImage& image, int x, int y)
{
    const QRgb rgb = image.pixel(x, y);
    return RgbColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

// Every colour in the rectangle [x1, x2) x [y1, y2), clipped to the image.
inline std::set<TColor> ColorsIn(const QImage& image, int x1, int y1, int x2, int y2)
{
    std::set<TColor> colors;
    for (int y = std::max(0, y1); y < std::min(image.height(), y2); ++y)
        for (int x = std::max(0, x1); x < std::min(image.width(), x2); ++x)
            colors.insert(PixelAt(image, x, y));
    return colors;
}

inline std::set<TColor> AllColors(const QImage& image) { return ColorsIn(image, 0, 0, image.width(), image.height()); }

inline int CountColor(const QImage& image, int x1, int y1, int x2, int y2, TColor color)
{
    int count = 0;
    for (int y = std::max(0, y1); y < std::min(image.height(), y2); ++y)
        for (int x = std::max(0, x1); x < std::min(image.width(), x2); ++x)
            count += PixelAt(image, x, y) == color;
    return count;
}

// How far the pixel centre (x + 0.5, y + 0.5) lies inside the hexagon, in
// pixels: negative outside.
inline double DepthInHex(const std::array<TPoint, 6>& hex, int x, int y)
{
    double depth = 1e9;
    const double px = x + 0.5, py = y + 0.5;
    for (std::size_t i = 0; i < 6; ++i) {
        const TPoint a = hex[i], b = hex[(i + 1) % 6];
        const double ex = b.x - a.x, ey = b.y - a.y;
        const double cross = ex * (py - a.y) - ey * (px - a.x);
        depth = std::min(depth, cross / std::sqrt(ex * ex + ey * ey));
    }
    return depth;
}

// The sizes in pixels of the 4-connected regions of pixels for which the
// test holds, in the order their first pixels come row by row.
inline std::vector<int> RegionSizes(const QImage& image, const std::function<bool(TColor)>& test)
{
    const int w = image.width(), h = image.height();
    std::vector<char> seen(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
    auto index = [w](int x, int y) { return static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x); };
    std::vector<int> sizes;
    std::vector<std::pair<int, int>> stack;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (seen[index(x, y)] || !test(PixelAt(image, x, y)))
                continue;
            int size = 0;
            stack.assign(1, {x, y});
            seen[index(x, y)] = 1;
            while (!stack.empty()) {
                const auto [cx, cy] = stack.back();
                stack.pop_back();
                ++size;
                for (auto [nx, ny] : {std::pair{cx - 1, cy}, std::pair{cx + 1, cy}, std::pair{cx, cy - 1},
                                      std::pair{cx, cy + 1}}) {
                    if (nx < 0 || ny < 0 || nx >= w || ny >= h || seen[index(nx, ny)] ||
                        !test(PixelAt(image, nx, ny)))
                        continue;
                    seen[index(nx, ny)] = 1;
                    stack.push_back({nx, ny});
                }
            }
            sizes.push_back(size);
        }
    return sizes;
}

inline int CountRegions(const QImage& image, const std::function<bool(TColor)>& test)
{
    return static_cast<int>(RegionSizes(image, test).size());
}

// The 2 x 2 blocks of the rectangle, from its top-left corner, whose pixels
// are not all of one colour: none at all in a picture drawn at half the
// resolution and scaled up twice.
inline int SplitBlocks(const QImage& image, QRect area = {})
{
    if (area.isNull())
        area = image.rect();
    area = area.intersected(image.rect());
    int split = 0;
    for (int y = area.top(); y + 1 <= area.bottom(); y += 2)
        for (int x = area.left(); x + 1 <= area.right(); x += 2) {
            const QRgb p = image.pixel(x, y);
            split += image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p || image.pixel(x + 1, y + 1) != p;
        }
    return split;
}

} // namespace vornia::testing

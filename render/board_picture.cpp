#include "board_picture.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>

#include "board/geometry.h"

namespace vornia {

TPictureSize BoardPictureSize(const TPlateList& plates, int zoom)
{
    const THexMetrics m = MetricsAtZoom(zoom);
    // The far sides of the lowest, rightmost hexes; nothing is drawn left of
    // or above the picture's corner.
    std::int64_t right = 0, bottom = 0;
    if (const std::optional<TPlacedBounds> box = PlacedBounds(plates)) {
        right = std::max<std::int64_t>(0, std::int64_t{box->MaxX} + 2 * m.HalfWidth);
        bottom = std::max<std::int64_t>(0, std::int64_t{box->MaxY} + m.SideLength + m.PeakHeight);
    }
    const auto side = [](std::int64_t extent) {
        return static_cast<int>(std::min<std::int64_t>(extent + PictureMargin, std::numeric_limits<int>::max()));
    };
    return {side(right), side(bottom)};
}

bool CheckPictureSize(const TPictureSize& size, std::string* error)
{
    if (size.width <= MaxPictureSide && size.height <= MaxPictureSide)
        return true;
    if (error)
        *error = "The board's picture would be " + std::to_string(size.width) + " x " +
                 std::to_string(size.height) + " pixels; pictures larger than " + std::to_string(MaxPictureSide) +
                 " pixels on a side are refused.";
    return false;
}

std::optional<TPictureFormat> PictureFormatOf(std::string_view path)
{
    const std::size_t dot = path.rfind('.');
    const std::size_t slash = path.rfind('/');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
        return std::nullopt;
    const std::string_view extension = path.substr(dot + 1);
    for (const auto& [name, format] : {std::pair{"png", TPictureFormat::Png}, std::pair{"svg", TPictureFormat::Svg},
                                       std::pair{"pdf", TPictureFormat::Pdf}})
        if (SameText(extension, name))
            return format;
    return std::nullopt;
}

} // namespace vornia

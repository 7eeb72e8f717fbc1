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
    std::int64_t right = 0, bottom = 0;
    for (const TPlateEntry& entry : plates.All()) {
        const TResourcePlate& p = entry.Plate;
        if (!p.Placed)
            continue;
        right = std::max(right, std::int64_t{p.X} + 2 * m.HalfWidth);
        bottom = std::max(bottom, std::int64_t{p.Y} + m.SideLength + m.PeakHeight);
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

#include "print_layout.h"

#include <algorithm>

namespace vornia {

TPrintDecision DecidePrint(int placedPlateCount, bool blackAndWhite)
{
    if (placedPlateCount <= 0)
        return {TPrintStep::NoBoard, NoBoardToPrintText};
    if (!blackAndWhite)
        return {TPrintStep::ConfirmColor, PrintInColorQuestion};
    return {TPrintStep::Print, {}};
}

std::int64_t MulDiv(int a, int b, int c)
{
    if (c == 0)
        return 0;
    const std::int64_t product = std::int64_t{a} * b;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t n = product < 0 ? -product : product;
    const std::int64_t d = c < 0 ? -std::int64_t{c} : c;
    const std::int64_t rounded = (n + d / 2) / d;
    return negative ? -rounded : rounded;
}

TPrintRect FitToPage(int w, int h, int pw, int ph)
{
    // A zero side would divide by zero; a picture or page of no area has
    // nothing to show.
    if (w <= 0 || h <= 0 || pw <= 0 || ph <= 0)
        return {};
    const std::int64_t widthAtPageHeight = MulDiv(w, ph, h);
    if (widthAtPageHeight < pw)
        return {static_cast<int>(widthAtPageHeight), ph};
    return {pw, static_cast<int>(MulDiv(h, pw, w))};
}

TPagePlacement FitCentred(int w, int h, double areaWidth, double areaHeight)
{
    if (w <= 0 || h <= 0 || !(areaWidth > 0) || !(areaHeight > 0))
        return {};
    const double scale = std::min(areaWidth / w, areaHeight / h);
    return {(areaWidth - w * scale) / 2, (areaHeight - h * scale) / 2, scale};
}

double PdfPointsPerPixel(int w, int h)
{
    constexpr double PointsPerPixel = 72.0 / 96.0;
    const double longest = std::max({w, h, 1}) * PointsPerPixel;
    return longest > PdfMaxPagePoints ? PointsPerPixel * PdfMaxPagePoints / longest : PointsPerPixel;
}

} // namespace vornia

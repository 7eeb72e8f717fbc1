// The corner pips drawn over a board: the board painter's overlay.
#include <cstdint>
#include <string>

#include "board_painter.h"

namespace vornia {

namespace {

// Diameters in pixels and font sizes in points, by zoom. A disc holds two
// digits of its font; a ring leaves a gap to the discs one side away.
struct TPipSizes {
    int Disc, Ring, Tag;
    int DiscFont, TagFont;
    int RingPen;
};

constexpr TPipSizes PipSizesAtZoom(int zoom)
{
    switch (CleanZoom(zoom)) {
    case 75: return {17, 24, 15, 7, 7, 2};
    case 50: return {16, 22, 14, 7, 6, 1};
    default: return {20, 28, 16, 8, 7, 2};
    }
}

struct THeat {
    TColor Fill;
    TColor Text;
};

// Cool to hot in five steps of three pips.
THeat HeatOf(int pips, bool blackAndWhite)
{
    if (blackAndWhite)
        return {clWhite, clBlack};
    if (pips <= 3)
        return {RgbColor(66, 103, 210), clWhite};
    if (pips <= 6)
        return {RgbColor(92, 184, 214), clBlack};
    if (pips <= 9)
        return {RgbColor(244, 226, 96), clBlack};
    if (pips < 13)
        return {RgbColor(247, 146, 44), clBlack};
    return {RgbColor(214, 39, 40), clWhite};
}

// Digits centred on a point. The advance of a digit is the same in every
// weight of the sans-serif fonts used (0.556 of the em), so no canvas needs
// to measure them; their middle lies 0.55 of the em below the line's top.
void CentredDigits(TCanvas& canvas, int cx, int cy, const std::string& digits, TFontSpec font)
{
    const int pixels = PointsToPixels(font.Size);
    const int advance = (pixels * 5 + 4) / 9;
    canvas.SetFont(font);
    canvas.TextOut(cx - static_cast<int>(digits.size()) * advance / 2, cy - (pixels * 11 + 10) / 20, digits);
}

void Disc(TCanvas& canvas, int cx, int cy, int diameter)
{
    const int x = cx - diameter / 2, y = cy - diameter / 2;
    canvas.Ellipse(x, y, x + diameter, y + diameter);
}

} // namespace

void DrawCornerPips(TCanvas& canvas, const TPlateList& plates, const TPaintOptions& options)
{
    std::shared_ptr<const TBoardAnalysis> analysis = options.Analysis;
    if (!analysis)
        analysis = std::make_shared<const TBoardAnalysis>(AnalyseBoard(plates, options.Zoom));
    const TPipSizes size = PipSizesAtZoom(options.Zoom);
    const TFontSpec before = canvas.Font();
    TFontSpec font{"Arial", size.DiscFont, true, clBlack};
    const std::int64_t reach = size.Ring / 2 + size.Tag; // from the corner to the tag's far side
    auto place = [&](const TCorner& c, int& cx, int& cy) {
        const std::int64_t x = std::int64_t{c.X} + options.AnalysisOffset.x;
        const std::int64_t y = std::int64_t{c.Y} + options.AnalysisOffset.y;
        if (x + reach < 0 || y + reach < 0 || x - reach >= canvas.Width() || y - reach >= canvas.Height())
            return false;
        cx = static_cast<int>(x);
        cy = static_cast<int>(y);
        return true;
    };
    auto pipDisc = [&](const TCorner& c, int cx, int cy) {
        const THeat heat = HeatOf(c.Pips, options.BlackAndWhite);
        canvas.SetPenColor(clBlack);
        // Without colours, a hot corner's disc has a heavier outline.
        canvas.SetPenWidth(options.BlackAndWhite && c.Pips >= HotCornerPips ? 2 : 1);
        canvas.SetBrushColor(heat.Fill);
        Disc(canvas, cx, cy, size.Disc);
        font.Color = heat.Text;
        CentredDigits(canvas, cx, cy, std::to_string(c.Pips), font);
    };

    std::vector<bool> best(analysis->Corners.size(), false);
    for (const int i : analysis->BestCorners)
        best[static_cast<std::size_t>(i)] = true;
    int cx = 0, cy = 0;
    for (std::size_t i = 0; i < analysis->Corners.size(); ++i) {
        const TCorner& c = analysis->Corners[i];
        if (c.Pips > 0 && !best[i] && place(c, cx, cy))
            pipDisc(c, cx, cy);
    }
    // The best corners last, so that their rings lie over the discs around them.
    int rank = 0;
    for (const int i : analysis->BestCorners) {
        ++rank;
        const TCorner& c = analysis->Corners[static_cast<std::size_t>(i)];
        if (!place(c, cx, cy))
            continue;
        canvas.SetPenColor(clBlack);
        canvas.SetPenWidth(size.RingPen);
        canvas.SetBrushColor(clWhite);
        Disc(canvas, cx, cy, size.Ring);
        pipDisc(c, cx, cy);
        // The tag on the side where no hex side leaves the corner.
        const int away = size.Ring / 2 + size.Tag / 2 - 2;
        const int ty = c.UprightSideBelow ? cy - away : cy + away;
        canvas.SetBrushColor(clBlack);
        Disc(canvas, cx, ty, size.Tag);
        CentredDigits(canvas, cx, ty, std::to_string(rank), {"Arial", size.TagFont, true, clWhite});
    }

    canvas.SetPenWidth(1);
    canvas.SetPenColor(clBlack);
    canvas.SetBrushColor(options.ButtonFace);
    canvas.SetFont(before);
}

} // namespace vornia

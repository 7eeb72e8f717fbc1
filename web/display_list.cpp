#include "display_list.h"

#include <algorithm>
#include <limits>

namespace vornia {

namespace {

std::int32_t RgbOf(TColor color)
{
    return (RedOf(color) << 16) | (GreenOf(color) << 8) | BlueOf(color);
}

std::int32_t Clamp32(std::int64_t value)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

} // namespace

void TDisplayListCanvas::BeginGroup()
{
    FlushLines();
    GroupStart = List.size();
    List.insert(List.end(), {doGroup, 0, 0, 0, 0, 0});
    InGroup = true;
    // A viewer may skip any group: each sets the pen, brush and font it uses.
    PenSent = BrushSent = FontSent = false;
    Left = Top = std::numeric_limits<std::int64_t>::max();
    Right = Bottom = std::numeric_limits<std::int64_t>::min();
}

void TDisplayListCanvas::EndGroup()
{
    FlushLines();
    if (!InGroup)
        return;
    InGroup = false;
    if (List.size() == GroupStart + 6) { // nothing drawn
        List.resize(GroupStart);
        return;
    }
    // Outlines reach up to a pen width beyond their points.
    const int margin = 2;
    List[GroupStart + 1] = Clamp32(Left - margin);
    List[GroupStart + 2] = Clamp32(Top - margin);
    List[GroupStart + 3] = Clamp32(Right + margin);
    List[GroupStart + 4] = Clamp32(Bottom + margin);
    List[GroupStart + 5] = static_cast<std::int32_t>(List.size());
}

void TDisplayListCanvas::Extend(std::int64_t x, std::int64_t y)
{
    Left = std::min(Left, x);
    Top = std::min(Top, y);
    Right = std::max(Right, x);
    Bottom = std::max(Bottom, y);
}

void TDisplayListCanvas::SetPenWidth(int width)
{
    FlushLines(); // the held lines belong to the pen they were drawn with
    Pen.Width = width;
}

void TDisplayListCanvas::UsePen()
{
    if (PenSent && SentPen == Pen)
        return;
    List.insert(List.end(), {doPen, RgbOf(Pen.Color), std::max(1, Pen.Width)});
    SentPen = Pen;
    PenSent = true;
}

void TDisplayListCanvas::UseBrush()
{
    if (BrushSent && SentBrush == BrushColor)
        return;
    List.insert(List.end(), {doBrush, RgbOf(BrushColor)});
    SentBrush = BrushColor;
    BrushSent = true;
}

void TDisplayListCanvas::UseFont()
{
    if (FontSent && SentFont == CurrentFont)
        return;
    const auto start = static_cast<std::int32_t>(TextStore.size());
    TextStore += CurrentFont.Name;
    List.insert(List.end(),
                {doFont, start, static_cast<std::int32_t>(CurrentFont.Name.size()),
                 std::max(1, PointsToPixels(CurrentFont.Size)), CurrentFont.Bold ? 1 : 0, RgbOf(CurrentFont.Color)});
    SentFont = CurrentFont;
    FontSent = true;
}

void TDisplayListCanvas::FillRect(int x1, int y1, int x2, int y2)
{
    FlushLines();
    if (x2 <= x1 || y2 <= y1)
        return;
    UseBrush();
    List.insert(List.end(), {doRect, x1, y1, x2, y2});
    Extend(x1, y1);
    Extend(x2, y2);
}

void TDisplayListCanvas::MoveTo(int x, int y)
{
    FlushLines();
    Current = {x, y};
}

void TDisplayListCanvas::LineTo(int x, int y)
{
    if (Path.empty())
        Path.push_back(Current);
    Current = {x, y};
    Path.push_back(Current);
}

void TDisplayListCanvas::FlushLines()
{
    if (Path.empty())
        return;
    // Back at the start: a closed outline, whose corners are all joined.
    const bool closed = Path.size() > 3 && Path.front() == Path.back();
    if (closed)
        Path.pop_back();
    UsePen();
    List.insert(List.end(), {doLines, closed ? 1 : 0, static_cast<std::int32_t>(Path.size())});
    for (const TPoint& p : Path) {
        List.insert(List.end(), {p.x, p.y});
        Extend(p.x, p.y);
    }
    Path.clear();
}

void TDisplayListCanvas::FillPolygon(std::span<const TPoint> points)
{
    FlushLines();
    if (points.size() < 3)
        return;
    UseBrush();
    List.insert(List.end(), {doPolygon, static_cast<std::int32_t>(points.size())});
    for (const TPoint& p : points) {
        List.insert(List.end(), {p.x, p.y});
        Extend(p.x, p.y);
    }
}

void TDisplayListCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    FlushLines();
    if (x2 <= x1 || y2 <= y1)
        return;
    UsePen();
    UseBrush();
    List.insert(List.end(), {doEllipse, x1, y1, x2, y2});
    Extend(x1, y1);
    Extend(x2, y2);
}

void TDisplayListCanvas::TextOut(int x, int y, const std::string& text)
{
    FlushLines();
    if (text.empty())
        return;
    UseFont();
    UseBrush();
    const auto start = static_cast<std::int32_t>(TextStore.size());
    TextStore += text;
    List.insert(List.end(), {doText, x, y, start, static_cast<std::int32_t>(text.size())});
    // No glyph of these fonts is wider than its pixel size.
    const std::int64_t size = std::max(1, PointsToPixels(CurrentFont.Size));
    Extend(x, y);
    Extend(std::int64_t{x} + size * static_cast<std::int64_t>(text.size()), std::int64_t{y} + 2 * size);
}

} // namespace vornia

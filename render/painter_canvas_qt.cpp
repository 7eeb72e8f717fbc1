#include "painter_canvas_qt.h"

#include <QFontInfo>
#include <QPen>
#include <QString>
#include <algorithm>
#include <climits>
#include <cmath>

namespace vornia {

namespace {

// Takes down the ellipses drawn on it, grown as the hexagons are, and draws
// nothing: the corner pips' discs as BoardArea adds them.
class TEllipseArea final : public TCanvas {
public:
    TEllipseArea(QPainterPath& area, double grow) : Area(area), Grow(grow) {}
    int Width() const override { return INT_MAX; }
    int Height() const override { return INT_MAX; }
    void SetPenColor(TColor) override {}
    void SetPenWidth(int) override {}
    void SetBrushColor(TColor) override {}
    void FillRect(int, int, int, int) override {}
    void MoveTo(int, int) override {}
    void LineTo(int, int) override {}
    void FloodFill(int, int, TColor) override {}
    void FillPolygon(std::span<const TPoint>) override {}
    // Clockwise, as the hexagons turn, so that the winding rule adds them up.
    void Ellipse(int x1, int y1, int x2, int y2) override
    {
        Area.addEllipse(QRectF(x1 - Grow, y1 - Grow, x2 - x1 + 2 * Grow, y2 - y1 + 2 * Grow));
    }
    void TextOut(int, int, const std::string&) override {}
    TFontSpec Font() const override { return {}; }
    void SetFont(const TFontSpec&) override {}

private:
    QPainterPath& Area;
    double Grow;
};

} // namespace

QPainterPath BoardArea(const TPlateList& plates, const TPaintOptions& options)
{
    const int zoom = CleanZoom(options.Zoom);
    const THexMetrics m = options.Metrics ? *options.Metrics : MetricsAtZoom(zoom);
    // Each hexagon grown around its middle until every side has moved out by
    // at least half the outline's width (and a little for antialiasing).
    // All hexagons turn the same way, so with the winding rule their overlaps
    // add up rather than cancel.
    const double grow = (zoom == 50 ? 1 : 2) / 2.0 + 0.5;
    const double w = m.HalfWidth, slanted = w * (m.PeakHeight + m.SideLength / 2.0) / std::hypot(w, m.PeakHeight);
    const double scale = 1 + grow / std::max(1.0, std::min(w, slanted));
    QPainterPath area;
    area.setFillRule(Qt::WindingFill);
    for (int i = 0; i < plates.Count(); ++i) {
        const TResourcePlate& p = plates[i];
        if (!p.Placed)
            continue;
        const QPointF middle(double(p.X) + m.HalfWidth, double(p.Y) + m.SideLength / 2.0);
        QPolygonF hexagon;
        for (const TPoint& corner : HexOutline(p.X, p.Y, m))
            hexagon.append(middle + (QPointF(corner.x, corner.y) - middle) * scale);
        hexagon.append(hexagon.first());
        area.addPolygon(hexagon);
    }
    // The corner pips' discs reach past the board's edge.
    if (options.CornerPips) {
        TEllipseArea discs(area, 0.5);
        DrawCornerPips(discs, plates, options);
    }
    return area;
}

TPainterCanvas::TPainterCanvas(QPainter& painter, int width, int height)
    : Painter(painter), CanvasWidth(width), CanvasHeight(height)
{
    Painter.setRenderHint(QPainter::Antialiasing, true);
    Painter.setRenderHint(QPainter::TextAntialiasing, true);
}

TPainterCanvas::~TPainterCanvas()
{
    FlushLines();
}

void TPainterCanvas::SetPenColor(TColor color)
{
    PenColor = color;
}

void TPainterCanvas::SetPenWidth(int width)
{
    // The held lines belong to the pen they were drawn with.
    if (width != PenWidth)
        FlushLines();
    PenWidth = width;
}

void TPainterCanvas::SetBrushColor(TColor color)
{
    BrushColor = color;
}

QPen TPainterCanvas::CurrentPen() const
{
    QPen pen(QColorOf(PenColor));
    pen.setWidth(std::max(1, PenWidth));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void TPainterCanvas::FlushLines()
{
    if (Lines.isEmpty())
        return;
    Painter.setPen(CurrentPen());
    Painter.setBrush(Qt::NoBrush);
    Painter.drawPath(Lines);
    Lines.clear();
}

void TPainterCanvas::FillRect(int x1, int y1, int x2, int y2)
{
    FlushLines();
    if (x2 > x1 && y2 > y1)
        Painter.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), QColorOf(BrushColor));
}

void TPainterCanvas::MoveTo(int x, int y)
{
    FlushLines();
    Current = QPointF(x, y);
}

void TPainterCanvas::LineTo(int x, int y)
{
    if (Lines.isEmpty())
        Lines.moveTo(Current);
    const QPointF end(x, y);
    // Back at the start: a closed outline, whose corners are all joined.
    if (end == Lines.elementAt(0) && Lines.elementCount() > 2)
        Lines.closeSubpath();
    else
        Lines.lineTo(end);
    Current = end;
}

void TPainterCanvas::FloodFill(int, int, TColor) {}

void TPainterCanvas::FillPolygon(std::span<const TPoint> points)
{
    FlushLines();
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(QColorOf(BrushColor));
    Painter.drawPolygon(QPolygonOf(points));
}

void TPainterCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    FlushLines();
    if (x2 <= x1 || y2 <= y1)
        return;
    Painter.setPen(CurrentPen());
    Painter.setBrush(QColorOf(BrushColor));
    // The outline stays inside [x1, x2) x [y1, y2), as on the picture.
    const double inset = std::max(1, PenWidth) / 2.0;
    Painter.drawEllipse(QRectF(x1 + inset, y1 + inset, x2 - x1 - 2 * inset, y2 - y1 - 2 * inset));
}

const TPainterCanvas::TCachedFont& TPainterCanvas::CachedFont(const TFontSpec& face) const
{
    for (const TCachedFont& cached : Fonts)
        if (cached.Face.Name == face.Name && cached.Face.Size == face.Size && cached.Face.Bold == face.Bold)
            return cached;
    // The family that is really used, by name: a viewer of the file then
    // looks for the same one instead of the name asked for.
    QFont font = QFontFor(face);
    font.setFamily(QFontInfo(font).family());
    font.setStyleStrategy(QFont::PreferDefault);
    Fonts.push_back(TCachedFont{face, font, QFontMetrics(font)});
    return Fonts.back();
}

std::optional<TTextSize> TPainterCanvas::TextExtent(const TFontSpec& font, const std::string& text) const
{
    const TCachedFont& cached = CachedFont(font);
    return TTextSize{cached.Metrics.horizontalAdvance(QString::fromStdString(text)), cached.Metrics.height()};
}

void TPainterCanvas::TextOut(int x, int y, const std::string& text)
{
    FlushLines();
    if (text.empty())
        return;
    const TCachedFont& cached = CachedFont(CurrentFont);
    const QString qtext = QString::fromStdString(text);
    Painter.fillRect(QRect(x, y, cached.Metrics.horizontalAdvance(qtext), cached.Metrics.height()),
                     QColorOf(BrushColor));
    Painter.setFont(cached.Font);
    Painter.setPen(QColorOf(CurrentFont.Color));
    Painter.drawText(QPointF(x, y + cached.Metrics.ascent()), qtext);
}

} // namespace vornia

#include "qimage_canvas_qt.h"

#include <QPen>
#include <QPolygon>
#include <QString>
#include <QStringList>
#include <QTransform>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

namespace vornia {

QFont QFontFor(const TFontSpec& face)
{
    QFont font;
    font.setFamilies(
        {QString::fromStdString(face.Name), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(std::max(1, PointsToPixels(face.Size)));
    font.setBold(face.Bold);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QColor QColorOf(TColor color) { return QColor(RedOf(color), GreenOf(color), BlueOf(color)); }

QPolygon QPolygonOf(std::span<const TPoint> points)
{
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const TPoint& p : points)
        polygon.append(QPoint(p.x, p.y));
    return polygon;
}

QImage DeviceImage(int width, int height, qreal ratio)
{
    if (!(ratio > 0))
        ratio = 1;
    QImage image(static_cast<int>(std::ceil(std::max(width, 0) * ratio)),
                 static_cast<int>(std::ceil(std::max(height, 0) * ratio)), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    return image;
}

namespace {

std::uint32_t PixelOf(TColor color)
{
    return 0xFF000000u | (static_cast<std::uint32_t>(RedOf(color)) << 16) |
           (static_cast<std::uint32_t>(GreenOf(color)) << 8) | static_cast<std::uint32_t>(BlueOf(color));
}

bool SameFace(const TFontSpec& a, const TFontSpec& b)
{
    return a.Name == b.Name && a.Size == b.Size && a.Bold == b.Bold;
}

// The alpha byte of a pixel that nothing covers yet. Painting an RGB32 image
// writes opaque pixels, and the flood fill's own mark is 0, so this value
// only ever stands for "not covered".
constexpr std::uint32_t AlphaMask = 0xFF000000u;
constexpr std::uint32_t Uncovered = 0x01000000u;

// Applies change to every pixel of a row, eight at a time where it can, a
// shape of loop that the compiler turns into vector instructions.
template <typename TChange>
void ChangeRow(std::uint32_t* row, int width, const TChange& change)
{
    int x = 0;
    for (; x + 8 <= width; x += 8)
        for (int k = 0; k < 8; ++k)
            row[x + k] = change(row[x + k]);
    for (; x < width; ++x)
        row[x] = change(row[x]);
}

} // namespace

TQImageCanvas::TQImageCanvas(QImage& image, bool clearOutside) : Image(image)
{
    if (Image.format() != QImage::Format_RGB32)
        Image.convertTo(QImage::Format_RGB32);
    Painter.begin(&Image);
    Painter.setRenderHint(QPainter::Antialiasing, false);
    Painter.setRenderHint(QPainter::TextAntialiasing, false);
    ClearOutside = clearOutside && !Image.isNull();
    Fresh = ClearOutside;
    Pixels = reinterpret_cast<std::uint32_t*>(Image.bits());
    Stride = static_cast<int>(Image.bytesPerLine() / 4);
    // The painter scales by the ratio itself; the layout keeps whole pixels
    // (a picture made by DeviceImage gives back the size it was made for).
    Ratio = Image.devicePixelRatio() > 0 ? Image.devicePixelRatio() : 1;
    LayoutWidth = static_cast<int>(std::floor(Image.width() / Ratio + 1e-6));
    LayoutHeight = static_cast<int>(std::floor(Image.height() / Ratio + 1e-6));
}

TQImageCanvas::~TQImageCanvas()
{
    Painter.end();
    if (MaskPainter.isActive())
        MaskPainter.end();
    if (ClearOutside) {
        MarkFresh();
        if (!OutsideMarkedOnly)
            ClearUncovered();
        Image.reinterpretAsFormat(QImage::Format_ARGB32);
    }
}

std::uint32_t* TQImageCanvas::PixelRow(int y) const
{
    return Pixels + static_cast<std::size_t>(y) * static_cast<std::size_t>(Stride);
}

bool TQImageCanvas::MarkFresh(const QRect* fill)
{
    if (!Fresh)
        return false;
    Fresh = false;
    const int width = Image.width(), height = Image.height();
    if (fill && Ratio == 1 && fill->contains(QRect(0, 0, width, height))) {
        const std::uint32_t value = (PixelOf(BrushColor) & ~AlphaMask) | Uncovered;
        for (int y = 0; y < height; ++y)
            ChangeRow(PixelRow(y), width, [value](std::uint32_t) { return value; });
        return true;
    }
    for (int y = 0; y < height; ++y)
        ChangeRow(PixelRow(y), width, [](std::uint32_t pixel) { return (pixel & ~AlphaMask) | Uncovered; });
    return false;
}

template <typename TPaint>
void TQImageCanvas::PaintUncovering(QRect bounds, const TPaint& paint)
{
    if (!ClearOutside) {
        paint();
        return;
    }
    MarkFresh();
    bounds &= QRect(0, 0, Image.width(), Image.height());
    if (bounds.isEmpty()) {
        paint();
        return;
    }
    KeptAlpha.resize(static_cast<std::size_t>(bounds.width()) * static_cast<std::size_t>(bounds.height()));
    std::uint8_t* kept = KeptAlpha.data();
    for (int y = bounds.top(); y <= bounds.bottom(); ++y) {
        const std::uint32_t* row = PixelRow(y);
        for (int x = bounds.left(); x <= bounds.right(); ++x)
            *kept++ = static_cast<std::uint8_t>(row[x] >> 24);
    }
    paint();
    kept = KeptAlpha.data();
    for (int y = bounds.top(); y <= bounds.bottom(); ++y) {
        std::uint32_t* row = PixelRow(y);
        for (int x = bounds.left(); x <= bounds.right(); ++x)
            row[x] = (row[x] & ~AlphaMask) | (static_cast<std::uint32_t>(*kept++) << 24);
    }
}

QRect TQImageCanvas::DeviceBounds(int x1, int y1, int x2, int y2, int margin) const
{
    const auto low = [&](int v) { return std::floor((static_cast<double>(v) - margin) * Ratio) - 1; };
    const auto high = [&](int v) { return std::ceil((static_cast<double>(v) + margin) * Ratio) + 1; };
    const double left = std::max(low(x1), -1.0), top = std::max(low(y1), -1.0);
    const double right = std::min(high(x2), static_cast<double>(Image.width()));
    const double bottom = std::min(high(y2), static_cast<double>(Image.height()));
    if (right <= left || bottom <= top)
        return {};
    return QRect(QPoint(static_cast<int>(left), static_cast<int>(top)),
                 QPoint(static_cast<int>(right), static_cast<int>(bottom)));
}

void TQImageCanvas::CoverPolygon(const QPolygon& polygon)
{
    const QRect box = DeviceBounds(polygon.boundingRect().left(), polygon.boundingRect().top(),
                                   polygon.boundingRect().right(), polygon.boundingRect().bottom(), 1) &
                      QRect(0, 0, Image.width(), Image.height());
    if (box.isEmpty())
        return;
    if (Mask.width() < box.width() || Mask.height() < box.height()) {
        if (MaskPainter.isActive())
            MaskPainter.end();
        Mask =
            QImage(std::max(Mask.width(), box.width()), std::max(Mask.height(), box.height()), QImage::Format_Alpha8);
        if (Mask.isNull())
            return;
    }
    if (!MaskPainter.isActive()) {
        MaskPainter.begin(&Mask);
        MaskPainter.setRenderHint(QPainter::Antialiasing, false);
        MaskPainter.setPen(Qt::NoPen);
        MaskPainter.setBrush(Qt::black);
    }
    for (int y = 0; y < box.height(); ++y)
        std::memset(Mask.scanLine(y), 0, static_cast<std::size_t>(box.width()));
    // The image's painter scales by the ratio; the mask is the same grid
    // moved by whole pixels, which moves the filled pixels and nothing else.
    MaskPainter.setTransform(QTransform(Ratio, 0, 0, Ratio, -box.left(), -box.top()));
    MaskPainter.drawPolygon(polygon);
    for (int y = 0; y < box.height(); ++y) {
        const uchar* mask = Mask.constScanLine(y);
        std::uint32_t* row = PixelRow(box.top() + y) + box.left();
        const int width = box.width();
        int x = 0;
        for (; x + 8 <= width; x += 8) // eight at a time, as ChangeRow
            for (int k = 0; k < 8; ++k)
                row[x + k] |= mask[x + k] != 0 ? AlphaMask : 0u;
        for (; x < width; ++x)
            row[x] |= mask[x] != 0 ? AlphaMask : 0u;
    }
}

void TQImageCanvas::ClearUncovered()
{
    const int width = Image.width(), height = Image.height();
    // Most pixels are covered: only reading them leaves their memory clean.
    for (int y = 0; y < height; ++y) {
        std::uint32_t* row = PixelRow(y);
        for (int x = 0; x < width; ++x)
            if (row[x] < AlphaMask)
                row[x] = 0;
    }
}

int TQImageCanvas::Width() const
{
    return LayoutWidth;
}
int TQImageCanvas::Height() const
{
    return LayoutHeight;
}

int TQImageCanvas::DevicePixel(int v) const
{
    if (Ratio == 1)
        return v;
    // A point far off the layout stays off the image, without overflowing.
    const double pixel = std::floor((v + 0.5) * Ratio);
    return pixel < 0 ? -1 : pixel > INT_MAX ? INT_MAX : static_cast<int>(pixel);
}

void TQImageCanvas::SetPenColor(TColor color)
{
    PenDirty = PenDirty || color != PenColor;
    PenColor = color;
}

void TQImageCanvas::SetPenWidth(int width)
{
    PenDirty = PenDirty || width != PenWidth;
    PenWidth = width;
}

void TQImageCanvas::SetBrushColor(TColor color) { BrushColor = color; }

void TQImageCanvas::ApplyPen()
{
    if (!PenDirty)
        return;
    QPen pen(QColorOf(PenColor));
    pen.setWidth(std::max(1, PenWidth));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    Painter.setPen(pen);
    PenDirty = false;
}

void TQImageCanvas::FillRect(int x1, int y1, int x2, int y2)
{
    if (x2 <= x1 || y2 <= y1)
        return;
    const QRect rect(x1, y1, x2 - x1, y2 - y1);
    if (ClearOutside && MarkFresh(&rect))
        return;
    PaintUncovering(DeviceBounds(x1, y1, x2, y2, 0), [&] { Painter.fillRect(rect, QColorOf(BrushColor)); });
}

void TQImageCanvas::MoveTo(int x, int y)
{
    CurrentX = x;
    CurrentY = y;
    Outline.clear();
}

void TQImageCanvas::LineTo(int x, int y)
{
    ApplyPen();
    if (ClearOutside)
        MarkFresh();
    Painter.drawLine(CurrentX, CurrentY, x, y);
    if (ClearOutside) {
        if (Outline.isEmpty())
            Outline.append(QPoint(CurrentX, CurrentY));
        if (QPoint(x, y) == Outline.first() && Outline.size() > 2) {
            // A closed outline: its inside belongs to the board too.
            CoverPolygon(Outline);
            Outline.clear();
        } else {
            Outline.append(QPoint(x, y));
        }
    }
    CurrentX = x;
    CurrentY = y;
}

// A scanline fill: each seed grows into the widest run of open pixels on its
// row, and the runs above and below it seed the next ones. A pixel is open
// when it is not of the border colour and not yet part of this fill. While
// the fill runs, its pixels carry alpha 0 as the mark (the pixels of an
// RGB32 image are otherwise always opaque); the recorded runs get alpha back
// at the end. So pixels that already had the brush colour are filled through,
// not taken for a border. On a finer screen the outline is drawn with the
// image's pixels too, so the fill runs on those from the seed's centre.
void TQImageCanvas::FloodFill(int layoutX, int layoutY, TColor border)
{
    const int x = DevicePixel(layoutX), y = DevicePixel(layoutY);
    const int width = Image.width(), height = Image.height();
    if (x < 0 || y < 0 || x >= width || y >= height)
        return;
    constexpr std::uint32_t Opaque = 0xFF000000u;
    const std::uint32_t borderRgb = PixelOf(border) & ~Opaque;
    const std::uint32_t markedFill = PixelOf(BrushColor) & ~Opaque;
    auto pixel = [&](int px, int py) -> std::uint32_t& {
        return Pixels[static_cast<std::size_t>(py) * static_cast<std::size_t>(Stride) + static_cast<std::size_t>(px)];
    };
    auto open = [&](int px, int py) {
        const std::uint32_t value = pixel(px, py);
        return (value & Opaque) != 0 && (value & ~Opaque) != borderRgb;
    };
    if (ClearOutside)
        MarkFresh();
    if (!open(x, y))
        return;

    Seeds.clear();
    Runs.clear();
    Seeds.push_back({x, y, x});
    while (!Seeds.empty()) {
        const TRun seed = Seeds.back();
        Seeds.pop_back();
        const int sy = seed.Y;
        if (!open(seed.Left, sy))
            continue;
        int left = seed.Left, right = seed.Left;
        while (left > 0 && open(left - 1, sy))
            --left;
        while (right < width - 1 && open(right + 1, sy))
            ++right;
        for (int px = left; px <= right; ++px)
            pixel(px, sy) = markedFill;
        Runs.push_back({left, sy, right});
        for (int ny : {sy - 1, sy + 1}) {
            if (ny < 0 || ny >= height)
                continue;
            bool inRun = false;
            for (int px = left; px <= right; ++px) {
                const bool isOpen = open(px, ny);
                if (isOpen && !inRun)
                    Seeds.push_back({px, ny, px});
                inRun = isOpen;
            }
        }
    }
    for (const TRun& run : Runs)
        for (int px = run.Left; px <= run.Right; ++px)
            pixel(px, run.Y) |= Opaque;
}

void TQImageCanvas::FillPolygon(std::span<const TPoint> points)
{
    if (ClearOutside)
        MarkFresh();
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(QColorOf(BrushColor));
    Painter.drawPolygon(QPolygonOf(points));
    PenDirty = true;
}

void TQImageCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    if (x2 <= x1 || y2 <= y1)
        return;
    ApplyPen();
    Painter.setBrush(QColorOf(BrushColor));
    // The outline stays inside [x1, x2) x [y1, y2), as the rectangle's pixels.
    const double inset = std::max(1, PenWidth) / 2.0;
    // An ellipse covers what it paints, as painting leaves its pixels
    // opaque: the corner pips' discs reach past the board's edge.
    if (ClearOutside)
        MarkFresh();
    Painter.drawEllipse(QRectF(x1 + inset, y1 + inset, x2 - x1 - 2 * inset, y2 - y1 - 2 * inset));
}

const TQImageCanvas::TCachedFont& TQImageCanvas::CachedFont(const TFontSpec& face) const
{
    for (const TCachedFont& cached : Fonts)
        if (SameFace(cached.Face, face))
            return cached;
    QFont font = QFontFor(face);
    Fonts.push_back(TCachedFont{face, font, QFontMetrics(font)});
    return Fonts.back();
}

void TQImageCanvas::SetFont(const TFontSpec& font) { CurrentFont = font; }

std::optional<TTextSize> TQImageCanvas::TextExtent(const TFontSpec& font, const std::string& text) const
{
    const TCachedFont& cached = CachedFont(font);
    return TTextSize{cached.Metrics.horizontalAdvance(QString::fromStdString(text)), cached.Metrics.height()};
}

void TQImageCanvas::TextOut(int x, int y, const std::string& text)
{
    if (text.empty())
        return;
    const TCachedFont& cached = CachedFont(CurrentFont);
    const QString qtext = QString::fromStdString(text);
    const int advance = cached.Metrics.horizontalAdvance(qtext);
    const int height = cached.Metrics.height();
    QRect box;
    if (ClearOutside) {
        // The glyphs may reach a little beyond the box they stand on.
        box = QRect(x, y, advance, height) |
              cached.Metrics.boundingRect(qtext).translated(x, y + cached.Metrics.ascent());
        box = DeviceBounds(box.left(), box.top(), box.right() + 1, box.bottom() + 1, 2);
    }
    PaintUncovering(box, [&] {
        Painter.fillRect(QRect(x, y, advance, height), QColorOf(BrushColor));
        if (PainterFont != &cached) {
            Painter.setFont(cached.Font);
            PainterFont = &cached;
        }
        Painter.setPen(QColorOf(CurrentFont.Color));
        Painter.drawText(QPoint(x, y + cached.Metrics.ascent()), qtext);
    });
    PenDirty = true;
}

} // namespace vornia

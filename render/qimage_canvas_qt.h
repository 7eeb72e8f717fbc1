// A canvas that paints into a QImage: the surface of the board panel, of
// the exported pictures and of the printed page.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <cstdint>
#include <deque>
#include <vector>

#include "canvas.h"

namespace vornia {

// The named family first; where fontconfig has no such family, Liberation
// Sans (metric-compatible with the usual Windows sans serif) and then DejaVu
// Sans. Not antialiased, like the outlines.
QFont QFontFor(const TFontSpec& face);
QColor QColorOf(TColor color);
QPolygon QPolygonOf(std::span<const TPoint> points);
// A picture width x height pixels as laid out, for a screen whose pixels are
// ratio times finer: width x ratio by height x ratio pixels (rounded up),
// with the ratio recorded. A ratio of 1 is a plain picture of that size.
QImage DeviceImage(int width, int height, qreal ratio);

// Lines and ellipses are aliased, so a flood fill bounded by the outline
// colour stops exactly at the outline; the flood fill works on the image's
// pixels. An image whose device pixel ratio is above 1 is drawn with all of
// its pixels while the coordinates stay those of the layout: Width and
// Height are the image's size divided by the ratio. Text is drawn with its top-left corner at the given point on an
// opaque box of the brush colour, as wide as the text's advance and as high
// as the font's line.
class TQImageCanvas final : public TCanvas {
public:
    // Paints into image, which must outlive the canvas; an image of another
    // format is converted to Format_RGB32 first. The flood fill expects the
    // pixels it reaches to be opaque, as QImage::fill and all painting leave
    // them (PaintBoard fills the whole canvas first): a fresh, never painted
    // image may hold anything.
    //
    // With clearOutside, the canvas keeps track of what the board covers:
    // every line, every pixel a flood fill reaches, every filled polygon,
    // every ellipse and the inside of every closed run of lines (a hexagon's
    // outline, with whatever later drawing lies on it); rectangles and texts
    // cover nothing by themselves. When the canvas is destroyed, every other
    // pixel becomes transparent (0x00000000) and the image Format_ARGB32.
    // The mark is the pixels' own alpha byte, so this costs no memory: a
    // covered pixel is opaque as painting leaves it, an uncovered one keeps
    // Uncovered, which no painting and no flood fill writes.
    explicit TQImageCanvas(QImage& image, bool clearOutside = false);
    ~TQImageCanvas() override;
    TQImageCanvas(const TQImageCanvas&) = delete;
    TQImageCanvas& operator=(const TQImageCanvas&) = delete;

    // With clearOutside: the pixels outside the board keep their colour with
    // an alpha below 255 instead of being cleared, for a reader that clears
    // them as it reads them anyway (the picture drawn in bands does).
    void LeaveOutsideMarked() { OutsideMarkedOnly = true; }

    int Width() const override;
    int Height() const override;

    void SetPenColor(TColor color) override;
    void SetPenWidth(int width) override;
    void SetBrushColor(TColor color) override;
    void FillRect(int x1, int y1, int x2, int y2) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void FloodFill(int x, int y, TColor border) override;
    void FillPolygon(std::span<const TPoint> points) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void TextOut(int x, int y, const std::string& text) override;

    TFontSpec Font() const override { return CurrentFont; }
    void SetFont(const TFontSpec& font) override;
    std::optional<TTextSize> TextExtent(const TFontSpec& font, const std::string& text) const override;

private:
    struct TCachedFont {
        TFontSpec Face; // colour ignored
        QFont Font;
        QFontMetrics Metrics;
    };
    const TCachedFont& CachedFont(const TFontSpec& face) const;
    void ApplyPen();
    // The image's pixel that holds the centre of layout pixel v.
    int DevicePixel(int v) const;
    // Row y of the image's pixels.
    std::uint32_t* PixelRow(int y) const;
    // With clearOutside: the first drawing marks the whole image uncovered;
    // true when this FillRect did it on the way (a background over all).
    bool MarkFresh(const QRect* fill = nullptr);
    // Runs paint without changing which pixels are covered, within the device
    // rectangle bounds that paint stays in.
    template <typename TPaint>
    void PaintUncovering(QRect bounds, const TPaint& paint);
    // The device pixels that a rectangle of the layout may touch, with a margin.
    QRect DeviceBounds(int x1, int y1, int x2, int y2, int margin) const;
    // Marks covered the inside of the polygon, as QPainter fills it.
    void CoverPolygon(const QPolygon& polygon);
    // Leaves transparent every pixel that is not marked covered.
    void ClearUncovered();

    QImage& Image;
    QPainter Painter;
    std::uint32_t* Pixels = nullptr;
    int Stride = 0; // pixels per line
    qreal Ratio = 1; // image pixels per layout pixel
    int LayoutWidth = 0;
    int LayoutHeight = 0;

    TColor PenColor = clBlack;
    int PenWidth = 1;
    TColor BrushColor = clWhite;
    bool PenDirty = true;
    int CurrentX = 0;
    int CurrentY = 0;
    TFontSpec CurrentFont;

    // Only with clearOutside: whether the image's alpha bytes still hold
    // whatever it came with; the lines since the last MoveTo, to cover their
    // inside when they close; a small mask, a polygon's bounding box, that
    // QPainter fills so that its inside is exactly what the painter's own
    // fill would give; alpha bytes kept while something paints uncovering.
    bool ClearOutside = false;
    bool Fresh = false;
    bool OutsideMarkedOnly = false;
    QPolygon Outline;
    QImage Mask;
    QPainter MaskPainter;
    std::vector<std::uint8_t> KeptAlpha;

    mutable std::deque<TCachedFont> Fonts; // a deque: its elements never move
    const TCachedFont* PainterFont = nullptr;
    // Working lists of the flood fill, kept to save allocations.
    struct TRun {
        int Left, Y, Right;
    };
    std::vector<TRun> Seeds; // Left is the seed's x
    std::vector<TRun> Runs;
};

} // namespace vornia

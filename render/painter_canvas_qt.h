// A canvas that draws with a QPainter on any paint device (an SVG generator,
// a PDF writer, a printer) as shapes and text rather than pixels.
#pragma once

#include <QPainter>
#include <QPainterPath>
#include <deque>

#include "board/plate_list.h"
#include "board_painter.h"
#include "canvas.h"
#include "qimage_canvas_qt.h"

namespace vornia {

// There are no pixels to flood: the painter fills each hexagon's polygon
// before it draws the outline. A run of lines from one MoveTo is kept and
// drawn as one path when anything else is drawn, so a hexagon's outline is
// one closed path. Text is drawn as text, on an opaque box of the brush
// colour as wide as its advance and as high as the font's line, the same
// box the picture's canvas draws. The coordinates are the board's pixels;
// whatever transform the painter has (a page's scale, margins) applies.
// The area the board's placed hexagons cover, their outlines included, and
// with CornerPips the corner pips' discs, in the board's pixels: what a PDF
// or printed page clips to, so that nothing (a text longer than its hex) is
// drawn outside the board. The SVG generator
// cannot clip: an SVG shows such a text whole.
QPainterPath BoardArea(const TPlateList& plates, const TPaintOptions& options);

class TPainterCanvas final : public TCanvas {
public:
    // Draws with painter, which must be active and outlive the canvas; the
    // canvas is width x height of the board's pixels. The painter's pen,
    // brush and font are the canvas's from here on.
    TPainterCanvas(QPainter& painter, int width, int height);
    // Draws the lines still held.
    ~TPainterCanvas() override;
    TPainterCanvas(const TPainterCanvas&) = delete;
    TPainterCanvas& operator=(const TPainterCanvas&) = delete;

    int Width() const override { return CanvasWidth; }
    int Height() const override { return CanvasHeight; }

    void SetPenColor(TColor color) override;
    void SetPenWidth(int width) override;
    void SetBrushColor(TColor color) override;
    void FillRect(int x1, int y1, int x2, int y2) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    // Nothing: this canvas has no pixels to fill.
    void FloodFill(int x, int y, TColor border) override;
    void FillPolygon(std::span<const TPoint> points) override;
    bool CanFloodFill() const override { return false; }
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void TextOut(int x, int y, const std::string& text) override;

    TFontSpec Font() const override { return CurrentFont; }
    void SetFont(const TFontSpec& font) override { CurrentFont = font; }
    std::optional<TTextSize> TextExtent(const TFontSpec& font, const std::string& text) const override;

private:
    struct TCachedFont {
        TFontSpec Face; // colour ignored
        QFont Font;
        QFontMetrics Metrics;
    };
    const TCachedFont& CachedFont(const TFontSpec& face) const;
    // Draws the held lines with the pen and forgets them.
    void FlushLines();
    QPen CurrentPen() const;

    QPainter& Painter;
    int CanvasWidth;
    int CanvasHeight;

    TColor PenColor = clBlack;
    int PenWidth = 1;
    TColor BrushColor = clWhite;
    TFontSpec CurrentFont;
    QPointF Current;
    QPainterPath Lines; // lines drawn since the last MoveTo, not yet painted

    mutable std::deque<TCachedFont> Fonts; // a deque: its elements never move
};

} // namespace vornia

// The drawing operations a board needs; the window, the picture export and
// the printer all draw through one of these.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "board/geometry.h"

namespace vornia {

struct TFontSpec {
    std::string Name = "MS Sans Serif";
    int Size = 8; // points
    bool Bold = false;
    TColor Color = clBlack;
    friend bool operator==(const TFontSpec&, const TFontSpec&) = default;
};

// Font sizes are in points at 96 dots per inch, whatever the screen says:
// 8 points are 11 pixels (the rounded point size, as a screen font's height
// is made).
constexpr int PointsToPixels(int points)
{
    const int scaled = points * 96;
    return scaled >= 0 ? (scaled + 36) / 72 : -((-scaled + 36) / 72);
}

struct TTextSize {
    int Width = 0;
    int Height = 0;
};

class TCanvas {
public:
    virtual ~TCanvas() = default;

    virtual int Width() const = 0;
    virtual int Height() const = 0;

    virtual void SetPenColor(TColor color) = 0;
    virtual void SetPenWidth(int width) = 0;
    virtual void SetBrushColor(TColor color) = 0;
    // Fills [x1, x2) x [y1, y2) with the brush, no outline.
    virtual void FillRect(int x1, int y1, int x2, int y2) = 0;
    virtual void MoveTo(int x, int y) = 0;
    // A line from the current point with the pen; the end becomes the current point.
    virtual void LineTo(int x, int y) = 0;
    // Fills with the brush from (x, y) outward until pixels of the border colour.
    virtual void FloodFill(int x, int y, TColor border) = 0;
    // Fills the polygon through the points with the brush, no outline.
    virtual void FillPolygon(std::span<const TPoint> points) = 0;
    // How a shape drawn as an outline gets its interior: a surface of pixels
    // floods it after the outline; a surface without pixels (SVG, PDF) has
    // nothing to flood and fills the outline's polygon before drawing it.
    virtual bool CanFloodFill() const { return true; }
    // The ellipse inscribed in the rectangle: interior with the brush, outline with the pen.
    virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
    // Text with its top-left corner at (x, y), in the font colour, on the brush colour.
    virtual void TextOut(int x, int y, const std::string& text) = 0;

    virtual TFontSpec Font() const = 0;
    virtual void SetFont(const TFontSpec& font) = 0;

    // The box TextOut would cover for the text in the given font; nothing when
    // this canvas cannot measure text. The painter uses it only to skip plates
    // whose drawing cannot reach the canvas.
    virtual std::optional<TTextSize> TextExtent(const TFontSpec&, const std::string&) const
    {
        return std::nullopt;
    }
};

} // namespace vornia

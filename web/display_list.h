// A canvas without pixels that records what the painter draws as a compact
// list of numbers, for a browser to replay: only the part in view onto the
// screen, or the whole board into an exported picture.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "render/canvas.h"

namespace vornia {

// The operations of the list, each an opcode followed by its numbers.
// Colours are 0xRRGGBB; texts are byte ranges of the list's text store.
enum TDisplayOp : std::int32_t {
    // x1 y1 x2 y2 end: what a plate draws stays inside the box, and its
    // operations end before index end (the next operation after the group)
    doGroup = 1,
    doPen = 2,     // colour width
    doBrush = 3,   // colour
    doFont = 4,    // nameStart nameLength pixelSize bold colour
    doRect = 5,    // x1 y1 x2 y2, filled with the brush
    doLines = 6,   // closed count x0 y0 x1 y1 ..., stroked with the pen
    doPolygon = 7, // count x0 y0 ..., filled with the brush
    doEllipse = 8, // x1 y1 x2 y2: brush inside, pen outline
    doText = 9,    // x y textStart textLength: top-left corner, on the brush
};

class TDisplayListCanvas : public TCanvas {
public:
    TDisplayListCanvas(int width, int height) : CanvasWidth(width), CanvasHeight(height) {}

    // The numbers and the texts they point into.
    const std::vector<std::int32_t>& Ops() const { return List; }
    const std::string& Texts() const { return TextStore; }

    // Everything drawn between BeginGroup and EndGroup becomes one group,
    // which a viewer skips whole when its box is out of view.
    void BeginGroup();
    void EndGroup();

    int Width() const override { return CanvasWidth; }
    int Height() const override { return CanvasHeight; }
    void SetPenColor(TColor color) override { Pen.Color = color; }
    void SetPenWidth(int width) override;
    void SetBrushColor(TColor color) override { BrushColor = color; }
    void FillRect(int x1, int y1, int x2, int y2) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void FloodFill(int, int, TColor) override {}
    void FillPolygon(std::span<const TPoint> points) override;
    bool CanFloodFill() const override { return false; }
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void TextOut(int x, int y, const std::string& text) override;
    TFontSpec Font() const override { return CurrentFont; }
    void SetFont(const TFontSpec& font) override { CurrentFont = font; }

private:
    struct TPen {
        TColor Color = clBlack;
        int Width = 1;
        friend bool operator==(const TPen&, const TPen&) = default;
    };

    void FlushLines();
    void UsePen();
    void UseBrush();
    void UseFont();
    void Extend(std::int64_t x, std::int64_t y);

    int CanvasWidth;
    int CanvasHeight;
    std::vector<std::int32_t> List;
    std::string TextStore;

    TPen Pen;
    TColor BrushColor = clWhite;
    TFontSpec CurrentFont;
    // What the list has set last; nothing until the first use.
    bool PenSent = false, BrushSent = false, FontSent = false;
    TPen SentPen;
    TColor SentBrush = 0;
    TFontSpec SentFont;

    std::vector<TPoint> Path; // the lines since the last MoveTo
    TPoint Current{0, 0};

    std::size_t GroupStart = 0;
    bool InGroup = false;
    std::int64_t Left = 0, Top = 0, Right = 0, Bottom = 0;
};

} // namespace vornia

// A canvas that draws nothing and writes down every call, with the state
// that a text or a shape was drawn in.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "render/canvas.h"

namespace vornia::testing {

inline std::string Hex(TColor c)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%06X", static_cast<unsigned>(c));
    return buffer;
}

inline std::string Describe(const TFontSpec& f)
{
    return f.Name + " " + std::to_string(f.Size) + (f.Bold ? " bold " : " regular ") + Hex(f.Color);
}

// A text as drawn: where, what, in which font and on which background.
struct TRecordedText {
    int X, Y;
    std::string Text;
    TFontSpec Font;
    TColor Background;
};

// An ellipse as drawn: its rectangle, outline and interior colours.
struct TRecordedEllipse {
    int X1, Y1, X2, Y2;
    TColor Pen, Brush;
    int PenWidth;
};

class TRecordingCanvas : public TCanvas {
public:
    TRecordingCanvas(int width = 1000, int height = 800) : W(width), H(height) {}

    int Width() const override { return W; }
    int Height() const override { return H; }

    void SetPenColor(TColor color) override
    {
        Pen = color;
        Ops.push_back("pen " + Hex(color));
    }
    void SetPenWidth(int width) override
    {
        PenWidth = width;
        Ops.push_back("width " + std::to_string(width));
    }
    void SetBrushColor(TColor color) override
    {
        Brush = color;
        Ops.push_back("brush " + Hex(color));
    }
    void FillRect(int x1, int y1, int x2, int y2) override
    {
        Ops.push_back("fill " + Point(x1, y1) + "-" + Point(x2, y2));
    }
    void MoveTo(int x, int y) override { Ops.push_back("move " + Point(x, y)); }
    void LineTo(int x, int y) override { Ops.push_back("line " + Point(x, y)); }
    void FloodFill(int x, int y, TColor border) override
    {
        Ops.push_back("flood " + Point(x, y) + " until " + Hex(border));
    }
    void FillPolygon(std::span<const TPoint> points) override
    {
        std::string op = "polygon";
        for (const TPoint& p : points)
            op += " " + Point(p.x, p.y);
        Ops.push_back(op);
    }
    bool CanFloodFill() const override { return Floods; }
    void Ellipse(int x1, int y1, int x2, int y2) override
    {
        Ellipses.push_back({x1, y1, x2, y2, Pen, Brush, PenWidth});
        Ops.push_back("ellipse " + Point(x1, y1) + "-" + Point(x2, y2));
    }
    void TextOut(int x, int y, const std::string& text) override
    {
        Texts.push_back({x, y, text, CurrentFont, Brush});
        Ops.push_back("text " + Point(x, y) + " '" + text + "'");
    }
    TFontSpec Font() const override { return CurrentFont; }
    void SetFont(const TFontSpec& font) override
    {
        CurrentFont = font;
        Ops.push_back("font " + Describe(font));
    }
    // Every character 6 pixels wide per point of size over 8, lines 13 high.
    std::optional<TTextSize> TextExtent(const TFontSpec& font, const std::string& text) const override
    {
        if (!Measures)
            return std::nullopt;
        return TTextSize{static_cast<int>(text.size()) * 6 * font.Size / 8, 13};
    }

    void Clear()
    {
        Ops.clear();
        Texts.clear();
        Ellipses.clear();
    }
    // The texts drawn that are not empty.
    std::vector<TRecordedText> VisibleTexts() const
    {
        std::vector<TRecordedText> visible;
        for (const auto& t : Texts)
            if (!t.Text.empty())
                visible.push_back(t);
        return visible;
    }

    int W, H;
    bool Measures = true;
    bool Floods = true; // false: a surface without pixels, filled by polygons
    TColor Pen = clBlack;
    int PenWidth = 1;
    TColor Brush = clWhite;
    TFontSpec CurrentFont;
    std::vector<std::string> Ops;
    std::vector<TRecordedText> Texts;
    std::vector<TRecordedEllipse> Ellipses;

private:
    static std::string Point(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
};

} // namespace vornia::testing

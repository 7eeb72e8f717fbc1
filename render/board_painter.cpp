#include "board_painter.h"

#include <cstdint>

#include "board/geometry.h"
#include "board/translate.h"

namespace vornia {

namespace {

// Plates further out than this cannot touch any canvas; skipping them also
// keeps the drawing arithmetic far from the limits of int.
constexpr std::int32_t FarAway = 1 << 30;

// Where the parts of a plate go, in canvas pixels.
struct TPlateSpots {
    int FillX, FillY;     // flood-fill seed, just below the north-west side
    int NameX, NameY;     // kind name, or the harbour's resource
    int RatioX, RatioY;   // harbour ratio
    int TokenX, TokenY;   // top-left of the token's square (TokenSize wide)
    int NumberX, NumberY; // the number on the token
};

TPlateSpots PlateSpots(const TResourcePlate& p, const THexMetrics& m, int zoom)
{
    const int w = m.HalfWidth, h = m.PeakHeight, c = m.TokenSize;
    TPlateSpots s{};
    s.FillX = p.X + w / 2;
    s.FillY = p.Y;
    s.NameX = s.FillX;
    s.NameY = s.FillY;
    s.RatioX = s.NameX + w / 2 - 5;
    s.RatioY = s.NameY + h;
    s.TokenX = s.NameX + w / 2 - c / 2;
    s.TokenY = s.NameY + h;
    s.NumberX = s.TokenX + c / 3;
    s.NumberY = s.TokenY + c / 3;
    if (zoom == 50 || zoom == 75)
        s.NumberY -= 3;
    if (p.Number.size() == 2)
        s.NumberX -= 3;
    return s;
}

bool IsFacingSide(TBorderType border) { return border <= btWest; }

TDotPositions HarbourDotsFor(const TResourcePlate& plate, const THexMetrics& m)
{
    // In 64 bits, wrapped back into 32 like every position sum, so that no
    // position overflows.
    const std::int64_t x = plate.X, y = plate.Y;
    const int w = m.HalfWidth, v = m.SideLength, h = m.PeakHeight, d = m.DotSize;
    // The dots sit just inside the end vertices of each side.
    const int left = WrapInt32(x + w / 6);
    const int right = WrapInt32(x + 2 * w - (w / 6 + d));
    const int middle = WrapInt32(x + w - d / 2);
    const int upper = WrapInt32(y + v / 12);
    const int lower = WrapInt32(y + v - (v / 12 + d));
    const int top = WrapInt32(y - h + h / 3);
    const int bottom = WrapInt32(y + v + h - d - h / 3);
    switch (plate.Border) {
    case btNorthWest: return {left, upper, middle, top};
    case btNorthEast: return {middle, top, right, upper};
    case btEast: return {right, upper, right, lower};
    case btSouthEast: return {right, lower, middle, bottom};
    case btSouthWest: return {middle, bottom, left, lower};
    case btWest: return {left, lower, left, upper};
    default: return {plate.X, plate.Y, plate.X, plate.Y};
    }
}

bool HasToken(const TResourcePlate& p) { return !IsDesert(p) && !p.Number.empty(); }

// The font of a plate's texts, made from the font the canvas had before it.
TFontSpec PlateFont(TFontSpec font, int zoom)
{
    if (zoom == 50) {
        font.Name = "Arial";
        font.Size -= 1;
        font.Bold = false;
    } else {
        font.Bold = true;
    }
    return font;
}

// False only when nothing the plate draws can reach the canvas, decided
// without drawing: the hexagon with its outline holds the fill, the token and
// the dots; the texts start inside it and run right and down, so only a plate
// left of or above the canvas needs its texts measured.
bool MayReachCanvas(const TCanvas& canvas, const TResourcePlate& p, const THexMetrics& m, const TPlateSpots& s,
                    const TFontSpec& textFont, const std::string& label, bool shapesOnly)
{
    const std::int64_t width = canvas.Width(), height = canvas.Height();
    const std::int64_t x = p.X, y = p.Y;
    const int margin = 2; // outlines up to two pixels wide
    if (x - margin >= width || y - m.PeakHeight - margin >= height)
        return false;
    if (x + 2 * m.HalfWidth + margin >= 0 && y + m.SideLength + m.PeakHeight + margin >= 0)
        return true;
    if (shapesOnly)
        return false;

    auto textReaches = [&](int tx, int ty, const std::string& text) {
        if (text.empty())
            return false;
        const auto extent = canvas.TextExtent(textFont, text);
        if (!extent)
            return true;
        return std::int64_t{tx} + extent->Width > 0 && std::int64_t{ty} + extent->Height > 0;
    };
    if (IsWater(p))
        return textReaches(s.NameX, s.NameY, label) || textReaches(s.RatioX, s.RatioY, p.TradeRatio);
    return textReaches(s.NameX, s.NameY, label) || (HasToken(p) && textReaches(s.NumberX, s.NumberY, p.Number));
}

void DrawOutline(TCanvas& canvas, const TResourcePlate& p, const THexMetrics& m)
{
    const auto corners = HexOutline(p.X, p.Y, m);
    canvas.MoveTo(corners[0].x, corners[0].y);
    for (std::size_t i = 1; i < corners.size(); ++i)
        canvas.LineTo(corners[i].x, corners[i].y);
    canvas.LineTo(corners[0].x, corners[0].y);
}

void SetFontColor(TCanvas& canvas, TFontSpec& font, TColor color)
{
    font.Color = color;
    canvas.SetFont(font);
}

// label: the harbour's resource or the land's kind, as it is drawn.
void DrawWaterTexts(TCanvas& canvas, const TResourcePlate& p, const TPlateSpots& s, TFontSpec& font,
                    const TPaintOptions& options, const THexMetrics& m, const std::string& label)
{
    if (!options.BlackAndWhite)
        SetFontColor(canvas, font, clWhite);
    canvas.TextOut(s.NameX, s.NameY, label);
    canvas.TextOut(s.RatioX, s.RatioY, p.TradeRatio);
    SetFontColor(canvas, font, clBlack);
    if (!IsHarbour(p) || !HasHarbourDots(p))
        return;
    const TColor dotColor = options.BlackAndWhite ? clBlack : clWhite;
    canvas.SetPenColor(dotColor);
    canvas.SetBrushColor(dotColor);
    const int d = m.DotSize;
    const TDotPositions dots = HarbourDotsFor(p, m);
    canvas.Ellipse(dots.x1, dots.y1, dots.x1 + d, dots.y1 + d);
    canvas.Ellipse(dots.x2, dots.y2, dots.x2 + d, dots.y2 + d);
}

void DrawLandTexts(TCanvas& canvas, const TResourcePlate& p, const TPlateSpots& s, TFontSpec& font,
                   const TPaintOptions& options, const THexMetrics& m, const std::string& label)
{
    canvas.TextOut(s.NameX, s.NameY, label);
    SetFontColor(canvas, font, clBlack);
    if (!HasToken(p))
        return;
    canvas.SetBrushColor(clWhite);
    canvas.Ellipse(s.TokenX, s.TokenY, s.TokenX + m.TokenSize, s.TokenY + m.TokenSize);
    if (!options.BlackAndWhite && (p.Number == "6" || p.Number == "8"))
        SetFontColor(canvas, font, clRed);
    canvas.TextOut(s.NumberX, s.NumberY, p.Number);
}

} // namespace

void PaintBoard(TCanvas& canvas, const TPlateList& plates, const TPaintOptions& options)
{
    if (!options.Transparent || canvas.CanFloodFill()) {
        canvas.SetBrushColor(options.BlackAndWhite ? clWhite : options.ButtonFace);
        canvas.FillRect(0, 0, canvas.Width(), canvas.Height());
    }
    for (int i = 0; i < plates.Count(); ++i)
        DrawPlate(canvas, plates, i, options);
    if (options.CornerPips)
        DrawCornerPips(canvas, plates, options);
}

void DrawPlate(TCanvas& canvas, const TPlateList& plates, int index, const TPaintOptions& options)
{
    if (index < 0 || index >= plates.Count())
        return;
    const TResourcePlate& p = plates[index];
    if (!p.Placed)
        return;
    if (p.X < -FarAway || p.X > FarAway || p.Y < -FarAway || p.Y > FarAway)
        return;
    const int zoom = CleanZoom(options.Zoom);
    const THexMetrics m = options.Metrics ? *options.Metrics : MetricsAtZoom(zoom);
    const TPlateSpots spots = PlateSpots(p, m, zoom);
    const TFontSpec before = canvas.Font();
    const std::string& stored = IsWater(p) ? p.TradeResource : p.Kind;
    const std::string translated = options.LocalLabels ? LabelDisplayName(stored) : std::string();
    const std::string& label = options.LocalLabels ? translated : stored;
    if (!MayReachCanvas(canvas, p, m, spots, PlateFont(before, zoom), label, options.ShapesOnly))
        return;

    TFontSpec font = before;
    canvas.SetPenColor(clBlack);
    SetFontColor(canvas, font, clBlack);
    if (zoom != 50)
        canvas.SetPenWidth(2);
    const TColor fill = options.BlackAndWhite ? clWhite : p.Color;
    if (canvas.CanFloodFill()) {
        DrawOutline(canvas, p, m);
        canvas.SetBrushColor(fill);
        canvas.FloodFill(spots.FillX, spots.FillY, clBlack);
    } else {
        canvas.SetBrushColor(fill);
        canvas.FillPolygon(HexOutline(p.X, p.Y, m));
        DrawOutline(canvas, p, m);
    }

    if (!options.ShapesOnly) {
        font = PlateFont(font, zoom);
        if (!options.BlackAndWhite)
            font.Color = p.TextColor;
        canvas.SetFont(font);
        if (IsWater(p))
            DrawWaterTexts(canvas, p, spots, font, options, m, label);
        else
            DrawLandTexts(canvas, p, spots, font, options, m, label);
    }

    // Leave the canvas as the plate found it: thin black pen, button-face
    // brush, the remembered font in black, not bold.
    canvas.SetPenWidth(1);
    canvas.SetPenColor(clBlack);
    canvas.SetBrushColor(options.ButtonFace);
    font.Color = clBlack;
    font.Bold = false;
    font.Name = before.Name;
    font.Size = before.Size;
    canvas.SetFont(font);
}

bool HasHarbourDots(const TResourcePlate& plate) { return IsFacingSide(plate.Border); }

TDotPositions HarbourDots(const TResourcePlate& plate, int zoom)
{
    return HarbourDotsFor(plate, MetricsAtZoom(zoom));
}

} // namespace vornia

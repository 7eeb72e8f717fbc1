// The board painter against a recording canvas: the order of the drawing
// operations, where texts, tokens and dots go, colours and fonts, the canvas
// state after each plate, and which plates are skipped.
#include <gtest/gtest.h>

#include <climits>

#include "board/geometry.h"
#include "plates_for_tests.h"
#include "recording_canvas.h"
#include "render/board_painter.h"

namespace vornia {
namespace {

using testing::AddPlate;
using testing::Harbour;
using testing::Land;
using testing::PlacedPlate;
using testing::PlainWater;
using testing::TRecordingCanvas;

TPaintOptions AtZoom(int zoom, bool blackAndWhite = false)
{
    TPaintOptions options;
    options.Zoom = zoom;
    options.BlackAndWhite = blackAndWhite;
    return options;
}

// Draws the one plate on a fresh recording canvas.
TRecordingCanvas DrawOne(const TResourcePlate& plate, const TPaintOptions& options)
{
    TPlateList plates;
    AddPlate(plates, plate);
    TRecordingCanvas canvas;
    DrawPlate(canvas, plates, 0, options);
    return canvas;
}

TEST(DrawPlate, LandPlateIsOutlinedFilledNamedAndTokenedThenCanvasRestored)
{
    const TRecordingCanvas canvas = DrawOne(Land("Grain", "6", 150, 50), AtZoom(100));
    const std::vector<std::string> expected{
        "pen 000000",
        "font MS Sans Serif 8 regular 000000",
        "width 2",
        // outline from the upper-left vertex, clockwise and back
        "move 150,50", "line 189,27", "line 228,50", "line 228,95", "line 189,118", "line 150,95",
        "line 150,50",
        // fill from just below the north-west side
        "brush 00FFFF",
        "flood 169,50 until 000000",
        "font MS Sans Serif 8 bold 000000",
        "text 169,50 'Grain'",
        "font MS Sans Serif 8 bold 000000",
        "brush FFFFFF",
        "ellipse 173,73-203,103",
        "font MS Sans Serif 8 bold 0000FF",
        "text 183,83 '6'",
        // restore
        "width 1", "pen 000000", "brush F0F0F0",
        "font MS Sans Serif 8 regular 000000",
    };
    EXPECT_EQ(canvas.Ops, expected);
}

TEST(DrawPlate, HarbourAtHalfSizeWritesResourceAndRatioThenTwoDots)
{
    const TRecordingCanvas canvas = DrawOne(Harbour("Ore", "2:1", btWest, 100, 40), AtZoom(50));
    const std::vector<std::string> expected{
        "pen 000000",
        "font MS Sans Serif 8 regular 000000",
        // no pen width at 50 per cent: the pen stays one pixel wide
        "move 100,40", "line 119,29", "line 138,40", "line 138,62", "line 119,73", "line 100,62",
        "line 100,40",
        "brush FF0000",
        "flood 109,40 until 000000",
        "font Arial 7 regular FFFFFF",
        "font Arial 7 regular FFFFFF",
        "text 109,40 'Ore'",
        "text 113,51 '2:1'",
        "font Arial 7 regular 000000",
        "pen FFFFFF",
        "brush FFFFFF",
        // west side: the lower vertex's dot first, then the upper one's
        "ellipse 103,57-107,61",
        "ellipse 103,41-107,45",
        "width 1", "pen 000000", "brush F0F0F0",
        "font MS Sans Serif 8 regular 000000",
    };
    EXPECT_EQ(canvas.Ops, expected);
}

struct TSpotRow {
    int Zoom;
    int NameX, NameY;
    int TokenX1, TokenY1, TokenX2, TokenY2;
    int OneDigitX, TwoDigitsX, NumberY;
    int RatioX, RatioY;
};

// The places of texts and tokens relative to the plate's position.
TEST(DrawPlate, TextsAndTokenSitAtTheirPlacesAtEveryZoom)
{
    const TSpotRow rows[] = {
        {100, 19, 0, 23, 23, 53, 53, 33, 30, 33, 33, 23},
        {75, 14, 0, 17, 17, 39, 39, 24, 21, 21, 23, 17},
        {50, 9, 0, 11, 11, 26, 26, 16, 13, 13, 13, 11},
    };
    const int x = 200, y = 120;
    for (const TSpotRow& row : rows) {
        SCOPED_TRACE("zoom " + std::to_string(row.Zoom));
        const TRecordingCanvas one = DrawOne(Land("Wool", "5", x, y), AtZoom(row.Zoom));
        ASSERT_EQ(one.VisibleTexts().size(), 2u);
        EXPECT_EQ(one.Texts[0].X - x, row.NameX);
        EXPECT_EQ(one.Texts[0].Y - y, row.NameY);
        ASSERT_EQ(one.Ellipses.size(), 1u);
        const auto& token = one.Ellipses[0];
        EXPECT_EQ(token.X1 - x, row.TokenX1);
        EXPECT_EQ(token.Y1 - y, row.TokenY1);
        EXPECT_EQ(token.X2 - x, row.TokenX2);
        EXPECT_EQ(token.Y2 - y, row.TokenY2);
        EXPECT_EQ(one.Texts[1].X - x, row.OneDigitX);
        EXPECT_EQ(one.Texts[1].Y - y, row.NumberY);

        const TRecordingCanvas two = DrawOne(Land("Wool", "10", x, y), AtZoom(row.Zoom));
        ASSERT_EQ(two.Texts.size(), 2u);
        EXPECT_EQ(two.Texts[1].X - x, row.TwoDigitsX);
        EXPECT_EQ(two.Texts[1].Y - y, row.NumberY);

        const TRecordingCanvas harbour = DrawOne(Harbour("    ?", "3:1", btEast, x, y), AtZoom(row.Zoom));
        ASSERT_EQ(harbour.Texts.size(), 2u);
        EXPECT_EQ(harbour.Texts[0].Text, "    ?");
        EXPECT_EQ(harbour.Texts[0].X - x, row.NameX);
        EXPECT_EQ(harbour.Texts[1].Text, "3:1");
        EXPECT_EQ(harbour.Texts[1].X - x, row.RatioX);
        EXPECT_EQ(harbour.Texts[1].Y - y, row.RatioY);
    }
}

TEST(DrawPlate, FontIsBoldAtFullAndThreeQuarterSizeAndSmallerArialAtHalf)
{
    struct TRow {
        int Zoom;
        std::string Name;
        int Size;
        bool Bold;
        int PenWidth;
    } rows[] = {
        {100, "Tahoma", 10, true, 2},
        {75, "Tahoma", 10, true, 2},
        {50, "Arial", 9, false, 1},
        {60, "Tahoma", 10, true, 2}, // an unknown zoom draws as 100
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE("zoom " + std::to_string(row.Zoom));
        TPlateList plates;
        AddPlate(plates, Land("Lumber", "9", 100, 100));
        TRecordingCanvas canvas;
        canvas.CurrentFont = TFontSpec{"Tahoma", 10, false, clBlack};
        DrawPlate(canvas, plates, 0, AtZoom(row.Zoom));
        ASSERT_EQ(canvas.Texts.size(), 2u);
        for (const auto& text : canvas.Texts) {
            EXPECT_EQ(text.Font.Name, row.Name);
            EXPECT_EQ(text.Font.Size, row.Size);
            EXPECT_EQ(text.Font.Bold, row.Bold);
        }
        ASSERT_EQ(canvas.Ellipses.size(), 1u);
        EXPECT_EQ(canvas.Ellipses[0].PenWidth, row.PenWidth);
        EXPECT_EQ(canvas.Font(), (TFontSpec{"Tahoma", 10, false, clBlack}));
    }
}

// Every kind of plate leaves the canvas as it found it: pen one pixel wide
// and black, the brush the button face, the font the one it had.
TEST(DrawPlate, CanvasStateIsRestoredAfterEveryKindOfPlate)
{
    TResourcePlate noSide = Harbour("Grain", "2:1", btNone, 100, 100);
    TResourcePlate unknown = Land("Gold", "4", 100, 100);
    const struct {
        const char* Name;
        TResourcePlate Plate;
    } rows[] = {
        {"land with token", Land("Brick", "8", 100, 100)},
        {"land without number", Land("Ore", "", 100, 100)},
        {"desert", Land("Desert", "7", 100, 100)},
        {"plain water", PlainWater(100, 100)},
        {"harbour", Harbour("Wool", "2:1", btSouthEast, 100, 100)},
        {"harbour facing no side", noSide},
        {"unknown kind", unknown},
    };
    const TFontSpec before{"Verdana", 9, false, clBlack};
    for (const auto& row : rows)
        for (int zoom : {100, 75, 50})
            for (bool bw : {false, true}) {
                SCOPED_TRACE(std::string(row.Name) + " zoom " + std::to_string(zoom) + (bw ? " bw" : ""));
                TPlateList plates;
                AddPlate(plates, row.Plate);
                TRecordingCanvas canvas;
                canvas.CurrentFont = before;
                TPaintOptions options = AtZoom(zoom, bw);
                options.ButtonFace = 0x123456;
                DrawPlate(canvas, plates, 0, options);
                ASSERT_FALSE(canvas.Ops.empty());
                EXPECT_EQ(canvas.PenWidth, 1);
                EXPECT_EQ(canvas.Pen, clBlack);
                EXPECT_EQ(canvas.Brush, 0x123456u);
                EXPECT_EQ(canvas.Font(), before);
            }
}

struct TColourRow {
    const char* Name;
    TResourcePlate Plate;
    bool BlackAndWhite;
    TColor Fill;
    TColor NameColor;   // the first text
    TColor NumberColor; // the number, when there is a token
};

TEST(DrawPlate, ColoursOfFillsTextsAndNumbers)
{
    const TColourRow rows[] = {
        {"grain", Land("Grain", "5", 100, 100), false, clYellow, clBlack, clBlack},
        {"ore", Land("Ore", "4", 100, 100), false, clPurple, clYellow, clBlack},
        {"six", Land("Wool", "6", 100, 100), false, clLime, clBlack, clRed},
        {"eight", Land("Lumber", "8", 100, 100), false, clGreen, clBlack, clRed},
        {"brick twelve", Land("Brick", "12", 100, 100), false, clRed, clBlack, clBlack},
        {"harbour", Harbour("Lumber", "2:1", btNorthEast, 100, 100), false, clBlue, clWhite, 0},
        {"unknown kind", Land("Gold", "3", 100, 100), false, clBlack, clBlack, clBlack},
        {"ore bw", Land("Ore", "4", 100, 100), true, clWhite, clBlack, clBlack},
        {"six bw", Land("Wool", "6", 100, 100), true, clWhite, clBlack, clBlack},
        {"eight bw", Land("Grain", "8", 100, 100), true, clWhite, clBlack, clBlack},
        {"harbour bw", Harbour("    ?", "3:1", btWest, 100, 100), true, clWhite, clBlack, 0},
    };
    for (const TColourRow& row : rows) {
        SCOPED_TRACE(row.Name);
        const TRecordingCanvas canvas = DrawOne(row.Plate, AtZoom(75, row.BlackAndWhite));
        const auto flood = std::find_if(canvas.Ops.begin(), canvas.Ops.end(),
                                        [](const std::string& op) { return op.rfind("flood", 0) == 0; });
        ASSERT_NE(flood, canvas.Ops.begin());
        EXPECT_EQ(*(flood - 1), "brush " + testing::Hex(row.Fill));
        const auto texts = canvas.VisibleTexts();
        ASSERT_GE(texts.size(), 2u);
        EXPECT_EQ(texts[0].Font.Color, row.NameColor);
        EXPECT_EQ(texts[0].Background, row.Fill);
        if (IsWater(row.Plate)) {
            EXPECT_EQ(texts[1].Font.Color, row.NameColor) << "the ratio is written like the resource";
            ASSERT_EQ(canvas.Ellipses.size(), 2u);
            const TColor dot = row.BlackAndWhite ? clBlack : clWhite;
            for (const auto& e : canvas.Ellipses) {
                EXPECT_EQ(e.Pen, dot);
                EXPECT_EQ(e.Brush, dot);
            }
        } else {
            EXPECT_EQ(texts[1].Font.Color, row.NumberColor);
            EXPECT_EQ(texts[1].Background, clWhite);
            ASSERT_EQ(canvas.Ellipses.size(), 1u);
            EXPECT_EQ(canvas.Ellipses[0].Pen, clBlack);
            EXPECT_EQ(canvas.Ellipses[0].Brush, clWhite);
        }
    }
}

// Which texts, tokens and dots each sort of plate shows.
TEST(DrawPlate, EachSortOfPlateShowsItsTextsTokenAndDots)
{
    const struct {
        const char* Name;
        TResourcePlate Plate;
        std::vector<std::string> Texts;
        std::size_t Ellipses;
    } rows[] = {
        {"land with a number", Land("Wool", "9", 100, 100), {"Wool", "9"}, 1},
        {"land without a number", Land("Wool", "", 100, 100), {"Wool"}, 0},
        {"desert with a number", Land("Desert", "8", 100, 100), {"Desert"}, 0},
        {"desert in capitals", Land("DESERT", "5", 100, 100), {"DESERT"}, 0},
        {"unknown kind with a number", Land("Gold", "4", 100, 100), {"Gold", "4"}, 1},
        {"plain water", PlainWater(100, 100), {}, 0},
        {"3:1 harbour", Harbour("    ?", "3:1", btSouthWest, 100, 100), {"    ?", "3:1"}, 2},
        {"harbour facing no side", Harbour("Brick", "2:1", btNone, 100, 100), {"Brick", "2:1"}, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        const TRecordingCanvas canvas = DrawOne(row.Plate, AtZoom(100));
        std::vector<std::string> texts;
        for (const auto& t : canvas.VisibleTexts())
            texts.push_back(t.Text);
        EXPECT_EQ(texts, row.Texts);
        EXPECT_EQ(canvas.Ellipses.size(), row.Ellipses);
    }
}

TEST(DrawPlate, ShapesOnlyDrawsOutlineAndFillAlone)
{
    TPaintOptions options = AtZoom(100);
    options.ShapesOnly = true;
    for (const TResourcePlate& plate :
         {Land("Ore", "6", 100, 100), Harbour("Ore", "2:1", btEast, 100, 100), PlainWater(100, 100)}) {
        const TRecordingCanvas canvas = DrawOne(plate, options);
        EXPECT_TRUE(canvas.Texts.empty());
        EXPECT_TRUE(canvas.Ellipses.empty());
        EXPECT_EQ(std::count_if(canvas.Ops.begin(), canvas.Ops.end(),
                                [](const std::string& op) { return op.rfind("flood", 0) == 0; }),
                  1);
    }
}

TEST(DrawPlate, OwnMetricsReplaceTheZoomColumn)
{
    TPaintOptions options = AtZoom(50);
    options.ShapesOnly = true;
    options.Metrics = THexMetrics{9, 10, 5, 0, 0};
    const TRecordingCanvas canvas = DrawOne(Land("Ore", "", 20, 30), options);
    const std::vector<std::string> outline{"move 20,30",  "line 29,25", "line 38,30", "line 38,40",
                                           "line 29,45",  "line 20,40", "line 20,30"};
    const auto move = std::find(canvas.Ops.begin(), canvas.Ops.end(), "move 20,30");
    ASSERT_NE(move, canvas.Ops.end());
    EXPECT_EQ(std::vector<std::string>(move, move + 7), outline);
    EXPECT_NE(std::find(canvas.Ops.begin(), canvas.Ops.end(), "flood 24,30 until 000000"), canvas.Ops.end());
}

TEST(DrawPlate, NothingForAnUnplacedPlateOrAnIndexOutsideTheList)
{
    TPlateList plates;
    TResourcePlate unplaced = Land("Grain", "5", 100, 100);
    unplaced.Placed = false;
    AddPlate(plates, unplaced);
    TRecordingCanvas canvas;
    for (int index : {-1, 0, 1, INT_MAX, INT_MIN})
        DrawPlate(canvas, plates, index, AtZoom(100));
    EXPECT_TRUE(canvas.Ops.empty());
}

TEST(PaintBoard, FillsTheWholeCanvasThenDrawsPlatesInListOrder)
{
    TPlateList plates;
    AddPlate(plates, Land("Ore", "3", 300, 200));
    AddPlate(plates, PlainWater(100, 50));
    TResourcePlate hidden = Land("Wool", "4", 500, 500);
    hidden.Placed = false;
    AddPlate(plates, hidden);
    AddPlate(plates, Land("Wool", "4", 200, 50));
    for (bool bw : {false, true}) {
        SCOPED_TRACE(bw ? "black and white" : "colour");
        TRecordingCanvas canvas(640, 480);
        TPaintOptions options = AtZoom(100, bw);
        options.ButtonFace = 0xC0C0C0;
        PaintBoard(canvas, plates, options);
        ASSERT_GE(canvas.Ops.size(), 2u);
        EXPECT_EQ(canvas.Ops[0], bw ? "brush FFFFFF" : "brush C0C0C0");
        EXPECT_EQ(canvas.Ops[1], "fill 0,0-640,480");
        std::vector<std::string> moves;
        for (const auto& op : canvas.Ops)
            if (op.rfind("move", 0) == 0)
                moves.push_back(op);
        EXPECT_EQ(moves, (std::vector<std::string>{"move 300,200", "move 100,50", "move 200,50"}));
    }
}

// A 200 x 100 canvas at zoom 100: a hexagon covers X to X+78 and Y-23 to
// Y+68, its outline up to a pixel more; texts start inside it and run right
// and down.
TEST(DrawPlate, PlatesThatCannotReachTheCanvasCostNoDrawing)
{
    const struct {
        const char* Name;
        TResourcePlate Plate;
        bool Measures;
        bool ShapesOnly;
        bool Drawn;
    } rows[] = {
        {"just right of the canvas", Land("Grain", "5", 202, 50), true, false, false},
        {"its outline margin on the right edge", Land("Grain", "5", 201, 50), true, false, true},
        {"just below", Land("Grain", "5", 50, 125), true, false, false},
        {"its outline margin on the bottom edge", Land("Grain", "5", 50, 124), true, false, true},
        {"just left", Land("Grain", "5", -81, 50), true, false, false},
        {"its outline margin on the left edge", Land("Grain", "5", -80, 50), true, false, true},
        {"just above", Land("Grain", "5", 50, -71), true, false, false},
        {"its outline margin on the top edge", Land("Grain", "5", 50, -70), true, false, true},
        {"left, its long name running in", Land("Grainfieldsandmore", "5", -81, 50), true, false, true},
        {"left, its ratio running in", Harbour("Ore", "2:1 and a long tail", btWest, -81, 50), true, false, true},
        {"left, unmeasured text", Land("Grain", "5", -200, 50), false, false, true},
        {"left, unmeasured, shapes only", Land("Grain", "5", -200, 50), false, true, false},
        {"far right", Land("Grain", "5", INT_MAX, 50), true, false, false},
        {"far left", Land("Grain", "5", INT_MIN, 50), false, false, false},
        {"far above", Land("Grain", "5", 10, INT_MIN), false, false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        TPlateList plates;
        AddPlate(plates, row.Plate);
        TRecordingCanvas canvas(200, 100);
        canvas.Measures = row.Measures;
        TPaintOptions options = AtZoom(100);
        options.ShapesOnly = row.ShapesOnly;
        DrawPlate(canvas, plates, 0, options);
        EXPECT_EQ(!canvas.Ops.empty(), row.Drawn);
    }
}

struct TDotRow {
    TBorderType Side;
    int X1, Y1, X2, Y2;
};

TEST(HarbourDots, AtFullSizeSitInsideTheEndsOfTheFacingSide)
{
    const TDotRow rows[] = {
        {btNorthWest, 6, 3, 35, -16}, {btNorthEast, 35, -16, 64, 3}, {btEast, 64, 3, 64, 34},
        {btSouthEast, 64, 34, 35, 53}, {btSouthWest, 35, 53, 6, 34}, {btWest, 6, 34, 6, 3},
    };
    const int x = 400, y = 300;
    for (const TDotRow& row : rows) {
        SCOPED_TRACE(BorderName(row.Side));
        const TDotPositions dots = HarbourDots(Harbour("Ore", "2:1", row.Side, x, y), 100);
        EXPECT_EQ(dots.x1 - x, row.X1);
        EXPECT_EQ(dots.y1 - y, row.Y1);
        EXPECT_EQ(dots.x2 - x, row.X2);
        EXPECT_EQ(dots.y2 - y, row.Y2);
    }
}

// Twice the signed area of (a, b, p): positive when p is right of a->b
// in screen coordinates (y down), that is inside a clockwise outline.
long long Side(TPoint a, TPoint b, int px, int py)
{
    return static_cast<long long>(b.x - a.x) * (py - a.y) - static_cast<long long>(b.y - a.y) * (px - a.x);
}

bool InsideHex(const std::array<TPoint, 6>& hex, int px, int py)
{
    for (std::size_t i = 0; i < 6; ++i)
        if (Side(hex[i], hex[(i + 1) % 6], px, py) < 0)
            return false;
    return true;
}

long long Distance2(TPoint a, int px, int py)
{
    return static_cast<long long>(a.x - px) * (a.x - px) + static_cast<long long>(a.y - py) * (a.y - py);
}

TEST(HarbourDots, EveryDotLiesInsideTheHexNextToItsVertexAtEveryZoom)
{
    for (int zoom : {100, 75, 50})
        for (int side = btNorthWest; side <= btWest; ++side) {
            SCOPED_TRACE("zoom " + std::to_string(zoom) + " " + BorderName(side));
            const THexMetrics m = MetricsAtZoom(zoom);
            const TResourcePlate plate = Harbour("Ore", "2:1", static_cast<TBorderType>(side), 100, 100);
            const auto hex = HexOutline(plate.X, plate.Y, m);
            const TDotPositions dots = HarbourDots(plate, zoom);
            const int d = m.DotSize;
            const TPoint start = hex[static_cast<std::size_t>(side)];
            const TPoint end = hex[static_cast<std::size_t>((side + 1) % 6)];
            for (auto [x, y, near, far] : {std::tuple{dots.x1, dots.y1, start, end},
                                           std::tuple{dots.x2, dots.y2, end, start}}) {
                for (auto [cx, cy] : {std::pair{x, y}, std::pair{x + d, y}, std::pair{x, y + d},
                                      std::pair{x + d, y + d}})
                    EXPECT_TRUE(InsideHex(hex, cx, cy)) << cx << "," << cy;
                const int mx = x + d / 2, my = y + d / 2;
                EXPECT_LT(Distance2(near, mx, my), Distance2(far, mx, my));
            }
        }
}

TEST(HarbourDots, OnlyTheSixSidesHaveDots)
{
    for (int side = btNorthWest; side <= btWest; ++side)
        EXPECT_TRUE(HasHarbourDots(Harbour("Ore", "2:1", static_cast<TBorderType>(side), 0, 0)));
    const TResourcePlate none = Harbour("Ore", "2:1", btNone, 70, 80);
    EXPECT_FALSE(HasHarbourDots(none));
    const TDotPositions dots = HarbourDots(none, 100);
    EXPECT_EQ(dots.x1, 70);
    EXPECT_EQ(dots.y2, 80);
}

} // namespace
} // namespace vornia

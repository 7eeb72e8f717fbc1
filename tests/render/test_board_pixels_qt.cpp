// Boards drawn into QImages, read back pixel by pixel: what a player sees.
#include <gtest/gtest.h>

#include "image_probe_qt.h"
#include "plates_for_tests.h"
#include "render/board_painter.h"
#include "render/board_picture_qt.h"
#include "render/qimage_canvas_qt.h"

namespace vornia {
namespace {

using testing::AddPlate;
using testing::ColorsIn;
using testing::CountColor;
using testing::Harbour;
using testing::Land;
using testing::PixelAt;
using testing::PlainWater;

constexpr TColor Grey = 0xF0F0F0;
constexpr int X = 40, Y = 50; // where the test plates stand

TPaintOptions Options(int zoom, bool bw = false)
{
    TPaintOptions options;
    options.Zoom = zoom;
    options.BlackAndWhite = bw;
    options.ButtonFace = Grey;
    return options;
}

QImage Draw(const TResourcePlate& plate, const TPaintOptions& options)
{
    TPlateList plates;
    AddPlate(plates, plate);
    return RenderBoardImage(plates, options, 160, 160);
}

// The token's square at (X, Y), from the plate's own metrics.
struct TTokenBox {
    int X1, Y1, Size;
};
TTokenBox TokenBox(int zoom)
{
    const THexMetrics m = MetricsAtZoom(zoom);
    return {X + m.HalfWidth / 2 + m.HalfWidth / 2 - m.TokenSize / 2, Y + m.PeakHeight, m.TokenSize};
}

const char* const Kinds[] = {"Brick", "Grain", "Lumber", "Ore", "Wool", "Desert", "Water"};

// On a screen with finer pixels the board is drawn with them: the fills stop
// at outlines drawn with those pixels, and the number on a token has strokes
// finer than the blocks of a picture scaled up.
TEST(BoardPixels, DrawnWithTheScreensPixels)
{
    TPlateList plates;
    AddPlate(plates, Land("Ore", "8", X, Y));
    for (int zoom : {100, 75, 50}) {
        const QImage plain = RenderBoardImage(plates, Options(zoom), 160, 160);
        const TTokenBox token = TokenBox(zoom);
        const int plainRed = CountColor(plain, token.X1, token.Y1, token.X1 + token.Size, token.Y1 + token.Size, clRed);
        for (double ratio : {1.5, 2.0}) {
            SCOPED_TRACE("zoom " + std::to_string(zoom) + " ratio " + std::to_string(ratio));
            const QImage image = RenderBoardImage(plates, Options(zoom), 160, 160, ratio);
            ASSERT_EQ(image.size(), QSize(160, 160) * ratio);
            EXPECT_EQ(image.devicePixelRatio(), ratio);
            const double area = ratio * ratio;
            for (TColor colour : {clPurple, Grey}) {
                const double expected = CountColor(plain, 0, 0, 160, 160, colour) * area;
                EXPECT_NEAR(CountColor(image, 0, 0, image.width(), image.height(), colour), expected, expected / 10)
                    << std::hex << colour;
            }
            const QRect box(QPoint(token.X1, token.Y1) * ratio, QSize(token.Size, token.Size) * ratio);
            const int red = CountColor(image, box.left(), box.top(), box.right() + 1, box.bottom() + 1, clRed);
            EXPECT_GT(red, plainRed * area / 2);
            EXPECT_LT(red, plainRed * area * 2);
            if (ratio == 2) {
                EXPECT_GT(testing::SplitBlocks(image, box), 5) << "the number is scaled up";
            }
        }
    }
}

TEST(BoardPixels, EveryKindIsFilledWithItsColourInsideABlackOutline)
{
    for (int zoom : {100, 75, 50})
        for (const char* kind : Kinds)
            for (bool bw : {false, true}) {
                SCOPED_TRACE(std::string(kind) + " zoom " + std::to_string(zoom) + (bw ? " bw" : ""));
                TResourcePlate plate = Land(kind, "", X, Y);
                const QImage image = Draw(plate, Options(zoom, bw));
                const THexMetrics m = MetricsAtZoom(zoom);
                const int middle = Y + m.SideLength / 2;
                EXPECT_EQ(PixelAt(image, X + 4, middle), bw ? clWhite : plate.Color);
                EXPECT_EQ(PixelAt(image, X + 2 * m.HalfWidth - 4, middle), bw ? clWhite : plate.Color);
                EXPECT_EQ(PixelAt(image, X + m.HalfWidth, Y + m.SideLength + m.PeakHeight - 4),
                          bw ? clWhite : plate.Color);
                EXPECT_EQ(PixelAt(image, X, middle), clBlack) << "west side";
                EXPECT_EQ(PixelAt(image, X + 2 * m.HalfWidth, middle), clBlack) << "east side";
                EXPECT_EQ(PixelAt(image, X - 3, middle), bw ? clWhite : Grey) << "background";
            }
}

TEST(BoardPixels, TokenIsAWhiteDiscWithABlackRimInItsPlace)
{
    for (int zoom : {100, 75, 50}) {
        SCOPED_TRACE("zoom " + std::to_string(zoom));
        const QImage image = Draw(Land("Lumber", "3", X, Y), Options(zoom));
        const TTokenBox t = TokenBox(zoom);
        const int cx = t.X1 + t.Size / 2, cy = t.Y1 + t.Size / 2;
        EXPECT_EQ(PixelAt(image, t.X1 + t.Size / 4, cy), clWhite) << "inside, left of the number";
        EXPECT_EQ(PixelAt(image, cx, t.Y1 + t.Size - 4), clWhite) << "inside, below the number";
        EXPECT_TRUE(ColorsIn(image, cx, t.Y1 + t.Size - 3, cx + 1, t.Y1 + t.Size).count(clBlack)) << "rim";
        EXPECT_TRUE(ColorsIn(image, t.X1, cy, t.X1 + 3, cy + 1).count(clBlack)) << "rim";
        EXPECT_EQ(PixelAt(image, cx, t.Y1 + t.Size + 1), clGreen) << "nothing below the square";
        EXPECT_EQ(PixelAt(image, t.X1 - 2, cy), clGreen) << "nothing left of the square";
        EXPECT_EQ(PixelAt(image, t.X1 + 1, t.Y1 + 1), clGreen) << "the square's corner is outside the disc";
    }
}

// The colours of the pixels whose centres lie within radius of the token's centre.
std::set<TColor> ColorsInDisc(const QImage& image, const TTokenBox& t, double radius)
{
    const double cx = t.X1 + t.Size / 2.0, cy = t.Y1 + t.Size / 2.0;
    std::set<TColor> colors;
    for (int y = t.Y1; y < t.Y1 + t.Size; ++y)
        for (int x = t.X1; x < t.X1 + t.Size; ++x)
            if (std::hypot(x + 0.5 - cx, y + 0.5 - cy) <= radius)
                colors.insert(PixelAt(image, x, y));
    return colors;
}

TEST(BoardPixels, SixAndEightAreRedOtherNumbersAndBlackAndWhiteAreBlack)
{
    const struct {
        const char* Number;
        bool BlackAndWhite;
        bool Red;
    } rows[] = {{"6", false, true}, {"8", false, true}, {"9", false, false}, {"5", false, false},
                {"12", false, false}, {"6", true, false}, {"8", true, false}};
    for (int zoom : {100, 75, 50})
        for (const auto& row : rows) {
            SCOPED_TRACE(std::string(row.Number) + " zoom " + std::to_string(zoom) + (row.BlackAndWhite ? " bw" : ""));
            const QImage image = Draw(Land("Grain", row.Number, X, Y), Options(zoom, row.BlackAndWhite));
            const TTokenBox t = TokenBox(zoom);
            // The disc's interior, away from its rim.
            const auto colors = ColorsInDisc(image, t, t.Size / 2.0 - 3);
            EXPECT_EQ(colors.count(clRed) > 0, row.Red);
            EXPECT_EQ(colors.count(clBlack) > 0, !row.Red) << "black digits";
            EXPECT_EQ(colors.size(), 2u) << "digits on white, nothing else";
        }
}

int LeftmostInk(const QImage& image, int x1, int y1, int x2, int y2)
{
    for (int x = x1; x < x2; ++x)
        for (int y = y1; y < y2; ++y)
            if (PixelAt(image, x, y) == clBlack)
                return x;
    return -1;
}

TEST(BoardPixels, TwoDigitNumbersStartThreePixelsFurtherLeft)
{
    const TTokenBox t = TokenBox(100);
    // The rows of the number, right of the rim.
    const int x1 = t.X1 + 5, y1 = t.Y1 + 9, x2 = t.X1 + t.Size - 5, y2 = t.Y1 + 24;
    const int one = LeftmostInk(Draw(Land("Wool", "1", X, Y), Options(100)), x1, y1, x2, y2);
    const int eleven = LeftmostInk(Draw(Land("Wool", "11", X, Y), Options(100)), x1, y1, x2, y2);
    ASSERT_GE(one, 0);
    EXPECT_EQ(eleven, one - 3);
}

TEST(BoardPixels, NamesAreWrittenInTheTextColourOnTheFill)
{
    const struct {
        const char* Name;
        TResourcePlate Plate;
        bool BlackAndWhite;
        TColor Text, Fill;
    } rows[] = {
        {"ore", Land("Ore", "", X, Y), false, clYellow, clPurple},
        {"brick", Land("Brick", "", X, Y), false, clBlack, clRed},
        {"harbour", Harbour("Grain", "2:1", btWest, X, Y), false, clWhite, clBlue},
        {"ore bw", Land("Ore", "", X, Y), true, clBlack, clWhite},
        {"harbour bw", Harbour("Grain", "2:1", btWest, X, Y), true, clBlack, clWhite},
    };
    for (int zoom : {100, 75, 50})
        for (const auto& row : rows) {
            SCOPED_TRACE(std::string(row.Name) + " zoom " + std::to_string(zoom));
            const QImage image = Draw(row.Plate, Options(zoom, row.BlackAndWhite));
            const THexMetrics m = MetricsAtZoom(zoom);
            const int nameX = X + m.HalfWidth / 2;
            // The first line of text, from the name's corner to well before the east side.
            const auto colors = ColorsIn(image, nameX, Y + 1, X + m.HalfWidth + m.HalfWidth / 2, Y + 8);
            EXPECT_EQ(colors, (std::set<TColor>{row.Text, row.Fill}));
        }
}

TEST(BoardPixels, HarbourDotsSitWhereHarbourDotsSaysOnEverySide)
{
    for (int zoom : {100, 75, 50})
        for (int side = btNorthWest; side <= btWest; ++side)
            for (bool bw : {false, true}) {
                SCOPED_TRACE("zoom " + std::to_string(zoom) + " " + BorderName(side) + (bw ? " bw" : ""));
                const TResourcePlate plate = Harbour("    ?", "3:1", static_cast<TBorderType>(side), X, Y);
                const QImage image = Draw(plate, Options(zoom, bw));
                const QImage water = Draw(PlainWater(X, Y), Options(zoom, bw));
                const int d = MetricsAtZoom(zoom).DotSize;
                const TDotPositions dots = HarbourDots(plate, zoom);
                for (auto [x, y] : {std::pair{dots.x1, dots.y1}, std::pair{dots.x2, dots.y2}}) {
                    EXPECT_EQ(PixelAt(image, x + d / 2, y + d / 2), bw ? clBlack : clWhite) << x << "," << y;
                    EXPECT_EQ(PixelAt(water, x + d / 2, y + d / 2), bw ? clWhite : clBlue);
                }
            }
}

TEST(BoardPixels, PlainWaterShowsNothingButBlue)
{
    for (int zoom : {100, 75, 50}) {
        SCOPED_TRACE("zoom " + std::to_string(zoom));
        const THexMetrics m = MetricsAtZoom(zoom);
        const QImage image = Draw(PlainWater(X, Y), Options(zoom));
        const auto hex = HexOutline(X, Y, m);
        int other = 0;
        for (int y = Y - m.PeakHeight; y < Y + m.SideLength + m.PeakHeight; ++y)
            for (int x = X; x < X + 2 * m.HalfWidth; ++x)
                if (testing::DepthInHex(hex, x, y) > 2.5 && PixelAt(image, x, y) != clBlue)
                    ++other;
        EXPECT_EQ(other, 0);
    }
}

TEST(BoardPixels, DesertGetsNoTokenEvenWithANumber)
{
    for (int zoom : {100, 75, 50}) {
        SCOPED_TRACE("zoom " + std::to_string(zoom));
        const QImage image = Draw(Land("Desert", "6", X, Y), Options(zoom));
        const TTokenBox t = TokenBox(zoom);
        // The lower half of the token's square, below any name.
        EXPECT_EQ(ColorsIn(image, t.X1, t.Y1 + t.Size / 2, t.X1 + t.Size, t.Y1 + t.Size), std::set<TColor>{clOlive});
    }
}

TEST(BoardPixels, UnknownKindIsFilledBlackAndStillGetsItsToken)
{
    const QImage image = Draw(Land("Gold", "4", X, Y), Options(100));
    EXPECT_EQ(PixelAt(image, X + 4, Y + 22), clBlack);
    const TTokenBox t = TokenBox(100);
    EXPECT_EQ(PixelAt(image, t.X1 + t.Size / 4, t.Y1 + t.Size / 2), clWhite);
}

TEST(BoardPixels, UnplacedPlatesAndIndicesOutsideTheListDrawNothing)
{
    TPlateList plates;
    TResourcePlate hidden = Land("Ore", "5", X, Y);
    hidden.Placed = false;
    AddPlate(plates, hidden);
    const QImage image = RenderBoardImage(plates, Options(100), 160, 160);
    EXPECT_EQ(testing::AllColors(image), std::set<TColor>{Grey});

    QImage direct = image.copy();
    {
        TQImageCanvas canvas(direct);
        for (int index : {-1, 0, 1})
            DrawPlate(canvas, plates, index, Options(100));
    }
    EXPECT_EQ(direct, image);
}

// A whole board with every kind of plate: in black and white only black and
// white, in colour only the colours of the drawing (no blended pixels).
TEST(BoardPixels, WholeBoardUsesOnlyTheDrawingsColours)
{
    TPlateList plates;
    const THexMetrics m = MetricsAtZoom(75);
    for (int column = 0; column < 7; ++column)
        AddPlate(plates, Land(Kinds[column], std::to_string(2 + column), 10 + column * 2 * m.HalfWidth, 30));
    for (int side = btNorthWest; side <= btWest; ++side)
        AddPlate(plates, Harbour(side % 2 ? "    ?" : "Wool", side % 2 ? "3:1" : "2:1",
                                 static_cast<TBorderType>(side), 10 + m.HalfWidth + side * 2 * m.HalfWidth,
                                 30 + m.RowPitch()));
    AddPlate(plates, Land("Grain", "8", 10, 30 + 2 * m.RowPitch()));
    AddPlate(plates, Land("Grain", "6", 10 + 2 * m.HalfWidth, 30 + 2 * m.RowPitch()));

    const QImage bw = RenderBoardImage(plates, Options(75, true), 500, 200);
    EXPECT_EQ(testing::AllColors(bw), (std::set<TColor>{clBlack, clWhite}));

    const QImage colour = RenderBoardImage(plates, Options(75), 500, 200);
    const std::set<TColor> allowed{Grey,   clBlack, clWhite,  clRed,   clYellow,
                                   clLime, clGreen, clPurple, clOlive, clBlue};
    for (TColor c : testing::AllColors(colour))
        EXPECT_TRUE(allowed.count(c)) << std::hex << c;
}

} // namespace
} // namespace vornia

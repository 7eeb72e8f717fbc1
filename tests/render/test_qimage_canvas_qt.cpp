// The QImage canvas: the flood fill on the pixels, aliased outlines that
// hold a fill, ellipses inside their rectangle, opaque text boxes and fonts
// at 96 dpi.
#include <gtest/gtest.h>

#include <climits>

#include <QFontInfo>
#include <QGuiApplication>
#include <QPalette>

#include "image_probe_qt.h"
#include "plates_for_tests.h"
#include "render/board_painter.h"
#include "render/button_face_qt.h"
#include "render/qimage_canvas_qt.h"

namespace vornia {
namespace {

using testing::ColorsIn;
using testing::DepthInHex;
using testing::PixelAt;

QImage WhiteImage(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void Polyline(TCanvas& canvas, std::initializer_list<std::pair<int, int>> points)
{
    auto it = points.begin();
    canvas.MoveTo(it->first, it->second);
    for (++it; it != points.end(); ++it)
        canvas.LineTo(it->first, it->second);
}

TEST(QImageCanvasFloodFill, FillsUpToTheBorderColourAndNoFurther)
{
    QImage image = WhiteImage(40, 40);
    {
        TQImageCanvas canvas(image);
        Polyline(canvas, {{5, 5}, {30, 5}, {30, 30}, {5, 30}, {5, 5}});
        canvas.SetBrushColor(clRed);
        canvas.FloodFill(10, 10, clBlack);
    }
    EXPECT_EQ(ColorsIn(image, 6, 6, 30, 30), std::set<TColor>{clRed});
    EXPECT_EQ(PixelAt(image, 5, 17), clBlack);
    EXPECT_EQ(PixelAt(image, 30, 17), clBlack);
    EXPECT_EQ(ColorsIn(image, 0, 0, 40, 5), std::set<TColor>{clWhite});
    EXPECT_EQ(ColorsIn(image, 31, 0, 40, 40), std::set<TColor>{clWhite});
}

// One-pixel diagonal lines touch only at corners; a fill that went to
// diagonal neighbours would leak through them.
TEST(QImageCanvasFloodFill, DoesNotLeakThroughADiagonalOutline)
{
    QImage image = WhiteImage(60, 60);
    {
        TQImageCanvas canvas(image);
        Polyline(canvas, {{30, 5}, {55, 30}, {30, 55}, {5, 30}, {30, 5}});
        canvas.SetBrushColor(clBlue);
        canvas.FloodFill(30, 30, clBlack);
    }
    EXPECT_EQ(PixelAt(image, 30, 30), clBlue);
    EXPECT_EQ(PixelAt(image, 30, 8), clBlue);
    for (auto [x, y] : {std::pair{1, 1}, std::pair{58, 1}, std::pair{1, 58}, std::pair{58, 58}, std::pair{12, 12}})
        EXPECT_EQ(PixelAt(image, x, y), clWhite) << x << "," << y;
}

// A wall already in the brush colour is not a border: the fill reaches
// the white beyond it.
TEST(QImageCanvasFloodFill, FillsThroughPixelsAlreadyOfTheBrushColour)
{
    QImage image = WhiteImage(40, 40);
    {
        TQImageCanvas canvas(image);
        Polyline(canvas, {{5, 5}, {35, 5}, {35, 35}, {5, 35}, {5, 5}});
        canvas.SetPenColor(clGreen);
        Polyline(canvas, {{20, 6}, {20, 34}});
        canvas.SetBrushColor(clGreen);
        canvas.FloodFill(10, 20, clBlack);
    }
    EXPECT_EQ(ColorsIn(image, 6, 6, 35, 35), std::set<TColor>{clGreen});
}

TEST(QImageCanvasFloodFill, SeedOnTheBorderOrOutsideTheImageFillsNothing)
{
    QImage image = WhiteImage(20, 20);
    image.setPixel(10, 10, qRgb(0, 0, 0));
    const QImage before = image.copy();
    {
        TQImageCanvas canvas(image);
        canvas.SetBrushColor(clRed);
        canvas.FloodFill(10, 10, clBlack);
        canvas.FloodFill(-1, 5, clBlack);
        canvas.FloodFill(5, 20, clBlack);
    }
    EXPECT_EQ(image, before);

    // On a picture of twice the resolution, where the seed is scaled.
    QImage fine = WhiteImage(40, 40);
    fine.setDevicePixelRatio(2);
    const QImage fineBefore = fine.copy();
    {
        TQImageCanvas canvas(fine);
        EXPECT_EQ(canvas.Width(), 20);
        canvas.SetBrushColor(clRed);
        for (int far : {20, 1 << 30, INT_MAX, -(1 << 30), INT_MIN}) {
            canvas.FloodFill(far, 5, clBlack);
            canvas.FloodFill(5, far, clBlack);
        }
    }
    EXPECT_EQ(fine, fineBefore);
}

// An unknown kind is filled black, bounded by black.
TEST(QImageCanvasFloodFill, BrushOfTheBorderColourFillsTheRegionOnce)
{
    QImage image = WhiteImage(30, 30);
    {
        TQImageCanvas canvas(image);
        Polyline(canvas, {{5, 5}, {25, 5}, {25, 25}, {5, 25}, {5, 5}});
        canvas.SetBrushColor(clBlack);
        canvas.FloodFill(15, 15, clBlack);
    }
    EXPECT_EQ(ColorsIn(image, 5, 5, 26, 26), std::set<TColor>{clBlack});
    EXPECT_EQ(PixelAt(image, 2, 2), clWhite);
}

// Every hexagon the painter outlines holds its fill: nothing outside the
// outline changes, and everything well inside it takes the fill.
TEST(QImageCanvas, HexOutlinesHoldTheirFillAtEveryZoom)
{
    const struct {
        const char* Name;
        int Zoom;
        std::optional<THexMetrics> Metrics;
    } rows[] = {
        {"100", 100, std::nullopt},
        {"75", 75, std::nullopt},
        {"50", 50, std::nullopt},
        {"example hexes", 50, THexMetrics{9, 10, 5, 0, 0}},
    };
    for (const auto& row : rows)
        for (auto [x, y] : {std::pair{20, 30}, std::pair{21, 31}, std::pair{24, 27}}) {
            SCOPED_TRACE(std::string(row.Name) + " at " + std::to_string(x) + "," + std::to_string(y));
            TPaintOptions options;
            options.Zoom = row.Zoom;
            options.Metrics = row.Metrics;
            options.ShapesOnly = true;
            const THexMetrics m = row.Metrics ? *row.Metrics : MetricsAtZoom(row.Zoom);
            TPlateList plates;
            testing::AddPlate(plates, testing::Land("Grain", "", x, y));
            QImage image = WhiteImage(140, 150);
            {
                TQImageCanvas canvas(image);
                DrawPlate(canvas, plates, 0, options);
            }
            const auto hex = HexOutline(x, y, m);
            int wrong = 0;
            for (int py = 0; py < image.height(); ++py)
                for (int px = 0; px < image.width(); ++px) {
                    const double depth = DepthInHex(hex, px, py);
                    const TColor c = PixelAt(image, px, py);
                    if ((depth < -1.5 && c != clWhite) || (depth > 2.5 && c != clYellow))
                        ++wrong;
                }
            EXPECT_EQ(wrong, 0);
        }
}

TEST(QImageCanvas, EllipseStaysInsideItsRectangleWithBrushInsidePenAround)
{
    for (int width : {1, 2}) {
        SCOPED_TRACE("pen " + std::to_string(width));
        QImage image = WhiteImage(60, 60);
        {
            TQImageCanvas canvas(image);
            canvas.SetPenWidth(width);
            canvas.SetPenColor(clBlack);
            canvas.SetBrushColor(clRed);
            canvas.Ellipse(10, 10, 40, 40);
        }
        EXPECT_EQ(ColorsIn(image, 0, 0, 60, 10), std::set<TColor>{clWhite});
        EXPECT_EQ(ColorsIn(image, 0, 40, 60, 60), std::set<TColor>{clWhite});
        EXPECT_EQ(ColorsIn(image, 0, 0, 10, 60), std::set<TColor>{clWhite});
        EXPECT_EQ(ColorsIn(image, 40, 0, 60, 60), std::set<TColor>{clWhite});
        EXPECT_EQ(PixelAt(image, 25, 25), clRed);
        EXPECT_TRUE(ColorsIn(image, 24, 10, 26, 13).count(clBlack)) << "outline at the top";
        EXPECT_TRUE(ColorsIn(image, 37, 24, 40, 26).count(clBlack)) << "outline at the right";
    }
}

TEST(QImageCanvas, TextIsDrawnFromItsTopLeftOnABoxOfTheBrushColour)
{
    QImage image = WhiteImage(120, 50);
    TFontSpec font{"MS Sans Serif", 8, true, clYellow};
    std::optional<TTextSize> extent;
    {
        TQImageCanvas canvas(image);
        canvas.SetFont(font);
        canvas.SetBrushColor(clPurple);
        canvas.TextOut(20, 10, "Ore");
        extent = canvas.TextExtent(font, "Ore");
        EXPECT_EQ(canvas.Font(), font);
    }
    ASSERT_TRUE(extent);
    EXPECT_GT(extent->Width, 10);
    EXPECT_GE(extent->Height, 11);
    const int right = 20 + extent->Width, bottom = 10 + extent->Height;
    const auto inside = ColorsIn(image, 20, 10, right, bottom);
    EXPECT_EQ(inside, (std::set<TColor>{clPurple, clYellow})) << "a box of the brush with glyphs of the font colour";
    EXPECT_EQ(PixelAt(image, 20, 10), clPurple);
    EXPECT_EQ(PixelAt(image, right - 1, bottom - 1), clPurple);
    EXPECT_EQ(ColorsIn(image, 0, 0, 120, 10), std::set<TColor>{clWhite});
    EXPECT_EQ(ColorsIn(image, 0, 0, 20, 50), std::set<TColor>{clWhite});
    EXPECT_EQ(ColorsIn(image, right, 0, 120, 50), std::set<TColor>{clWhite});
    EXPECT_EQ(ColorsIn(image, 0, bottom, 120, 50), std::set<TColor>{clWhite});
}

TEST(QImageCanvas, EmptyTextDrawsNothing)
{
    QImage image = WhiteImage(40, 30);
    {
        TQImageCanvas canvas(image);
        canvas.SetBrushColor(clBlue);
        canvas.TextOut(5, 5, "");
    }
    EXPECT_EQ(testing::AllColors(image), std::set<TColor>{clWhite});
}

TEST(QImageCanvasFonts, PointSizesAreMeasuredAt96Dpi)
{
    EXPECT_EQ(PointsToPixels(8), 11);
    EXPECT_EQ(PointsToPixels(7), 9);
    EXPECT_EQ(PointsToPixels(12), 16);
    for (const auto& [name, size, pixels] : {std::tuple{"MS Sans Serif", 8, 11}, std::tuple{"Arial", 7, 9}}) {
        SCOPED_TRACE(name);
        const QFontInfo info(QFontFor(TFontSpec{name, size, false, clBlack}));
        EXPECT_FALSE(info.family().isEmpty());
        EXPECT_EQ(info.pixelSize(), pixels);
    }
}

TEST(ButtonFace, FollowsTheApplicationPalette)
{
    const QPalette saved = QGuiApplication::palette();
    QPalette palette = saved;
    palette.setColor(QPalette::Button, QColor(10, 20, 30));
    QGuiApplication::setPalette(palette);
    EXPECT_EQ(ButtonFaceColor(), 0x1E140Au) << "00BBGGRR";
    QGuiApplication::setPalette(saved);
}

} // namespace
} // namespace vornia

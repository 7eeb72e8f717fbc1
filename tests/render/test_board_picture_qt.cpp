// Board pictures as images and PNG files.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include "board/panel_board.h"
#include "board/random_source.h"
#include "image_probe_qt.h"
#include "plates_for_tests.h"
#include "render/board_picture_qt.h"
#include "render/qimage_canvas_qt.h"

namespace vornia {
namespace {

using testing::AddPlate;
using testing::ColorsIn;
using testing::Land;
using testing::PixelAt;

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& data)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data);
}

TEST(SaveBoardPng, WritesThePanelsPictureOfTheBoardAndNoLeftovers)
{
    TPlateList plates;
    AddPlate(plates, Land("Ore", "6", 10, 33));
    AddPlate(plates, Land("Wool", "3", 10 + 2 * 39, 33));
    TPaintOptions options;
    options.ButtonFace = 0xC8D0D4;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("board.png");
    WriteAll(path, "an older picture");

    std::string error;
    ASSERT_TRUE(SaveBoardPng(plates, options, path.toStdString(), &error)) << error;
    const QImage image(path);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 10 + 2 * 39 + 78 + 10);
    EXPECT_EQ(image.height(), 33 + 68 + 10);
    EXPECT_EQ(PixelAt(image, 14, 55), clPurple);
    EXPECT_EQ(PixelAt(image, 10 + 78 + 4, 55), clLime);
    EXPECT_EQ(PixelAt(image, image.width() - 5, image.height() - 5), 0xC8D0D4u) << "the margin";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"board.png"});
}

TEST(SaveBoardPng, RefusesAPictureOver16384PixelsAndKeepsTheOldFile)
{
    TPlateList plates;
    AddPlate(plates, Land("Ore", "6", 16384, 33));
    QTemporaryDir dir;
    const QString path = dir.filePath("board.png");
    WriteAll(path, "an older picture");
    std::string error;
    EXPECT_FALSE(SaveBoardPng(plates, TPaintOptions{}, path.toStdString(), &error));
    EXPECT_NE(error.find("16384"), std::string::npos) << error;
    EXPECT_EQ(ReadAll(path), QByteArray("an older picture"));
}

TEST(SaveBoardPng, ReportsAFolderThatCannotBeWritten)
{
    TPlateList plates;
    AddPlate(plates, Land("Ore", "6", 10, 33));
    QTemporaryDir dir;
    const std::string path = dir.filePath("missing/board.png").toStdString();
    std::string error;
    EXPECT_FALSE(SaveBoardPng(plates, TPaintOptions{}, path, &error));
    // The reason only: the caller's message names the file.
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(error.find("board.png"), std::string::npos) << error;
}

TEST(RenderBoardImage, PaintsTheWholeCanvasOfTheGivenSize)
{
    TPlateList plates;
    AddPlate(plates, Land("Grain", "", 10, 33));
    TPaintOptions options;
    options.BlackAndWhite = true;
    const QImage image = RenderBoardImage(plates, options, 300, 120);
    EXPECT_EQ(image.size(), QSize(300, 120));
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_EQ(testing::AllColors(image), (std::set<TColor>{clBlack, clWhite}));
    EXPECT_EQ(PixelAt(image, 299, 119), clWhite);
}

QImage Argb(const QImage& image)
{
    return image.convertToFormat(QImage::Format_ARGB32);
}

// A random board of every piece at the given zoom: harbours with their dots,
// tokens, and rows of hexes cut by every band boundary.
void RandomBoard(TPlateList& plates, int zoom)
{
    TBoardSettings settings;
    settings.Shape = "random";
    SetAllCounts(settings, 12);
    TRandomSource random;
    random.UseFixedClock(4242);
    TPanelBoard panel;
    ASSERT_TRUE(panel.GenerateBoard(settings, zoom, random).Made);
    for (const TPlateEntry& entry : panel.Plates().All())
        plates.Add(entry.Text, entry.Plate);
}

TEST(RenderBoardPaletteImage, EveryBandHeightGivesThePixelsOfTheWholePicture)
{
    struct TRow {
        const char* name;
        int zoom;
        bool blackAndWhite;
        int bandRows;
        int heightCut; // rows taken off the picture's bottom
        bool transparent = false;
        bool cornerPips = false;
    };
    const TRow rows[] = {
        {"100, three rows a band", 100, false, 3, 0},
        {"100, odd bands", 100, false, 37, 0},
        {"75, black and white", 75, true, 64, 0},
        {"50, default bands", 50, false, PictureBandRows, 0},
        {"50, one band for all", 50, false, 100000, 0},
        {"100, bottom cut through hexes", 100, false, 29, 40},
        {"50, transparent, odd bands", 50, false, 37, 0, true},
        {"75, transparent black and white, bottom cut", 75, true, 23, 30, true},
        {"75, corner pips in bands", 75, false, 29, 0, false, true},
        {"50, transparent corner pips, odd bands", 50, false, 37, 0, true, true},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.name);
        TPlateList plates;
        RandomBoard(plates, row.zoom);
        TPaintOptions options;
        options.Zoom = row.zoom;
        options.BlackAndWhite = row.blackAndWhite;
        options.Transparent = row.transparent;
        options.CornerPips = row.cornerPips;
        const TPictureSize size = BoardPictureSize(plates, row.zoom);
        const int height = size.height - row.heightCut;
        const QImage whole = RenderBoardImage(plates, options, size.width, height);
        const QImage banded = RenderBoardPaletteImage(plates, options, size.width, height, row.bandRows);
        ASSERT_FALSE(banded.isNull());
        EXPECT_EQ(banded.format(), QImage::Format_Indexed8);
        EXPECT_TRUE(Argb(banded) == Argb(whole));
    }
}

TEST(CornerPips, DiscsRingsAndRanksAtKnownCornersInColourAndBlackAndWhite)
{
    // At 50 per cent: Ore 6 and Grain 8 side by side share the corner
    // (48, 20), 10 pips and the best; the Ore's upper-left corner (10, 20),
    // 5 pips, is the second best.
    constexpr THexMetrics m = MetricsAtZoom(50);
    TPlateList plates;
    AddPlate(plates, Land("Ore", "6", 10, 20));
    AddPlate(plates, Land("Grain", "8", 10 + 2 * m.HalfWidth, 20));
    TPaintOptions options;
    options.Zoom = 50;
    const QImage plain = RenderBoardImage(plates, options, 120, 80);
    options.CornerPips = true;
    const QImage colour = RenderBoardImage(plates, options, 120, 80);
    options.BlackAndWhite = true;
    const QImage blackAndWhite = RenderBoardImage(plates, options, 120, 80);

    const int best = 48, second = 10, y = 20;
    // Inside each disc, beside its digits: hot orange for 10, cool blue for 5.
    EXPECT_EQ(PixelAt(colour, best - 6, y), RgbColor(247, 146, 44));
    EXPECT_EQ(PixelAt(colour, second - 5, y), RgbColor(92, 184, 214));
    EXPECT_NE(PixelAt(plain, best - 6, y), PixelAt(colour, best - 6, y));
    for (const QImage* image : {&colour, &blackAndWhite}) {
        // The ring's black edge, 11 pixels out, and the black rank tag above
        // the best corner (its upright side runs down from it).
        const bool ring = PixelAt(*image, best - 11, y) == clBlack || PixelAt(*image, best - 10, y) == clBlack;
        EXPECT_TRUE(ring);
        EXPECT_EQ(PixelAt(*image, best - 4, y - 16), clBlack);
        EXPECT_EQ(PixelAt(*image, second - 4, y - 16), clBlack);
    }
    // Without colours the discs are white, numbers and lines black.
    EXPECT_EQ(PixelAt(blackAndWhite, best - 6, y), clWhite);
    EXPECT_EQ(ColorsIn(blackAndWhite, 0, 0, 120, 80), (std::set<TColor>{clBlack, clWhite}));
}

// On a finer screen the board covers the same hexes: every pixel inside
// them is the opaque picture's, the corners around them are clear, and
// nothing is changed but cleared. That holds for the part of a hex that its
// flood fill cannot reach, too (a board file's hex over another's side).
TEST(RenderBoardImage, ATransparentPictureForAFinerScreenClearsOnlyAroundTheHexes)
{
    TPlateList random, overlapping;
    RandomBoard(random, 50);
    AddPlate(overlapping, Land("Grain", "6", 40, 33));
    AddPlate(overlapping, Land("Ore", "5", 30, 38));
    for (const auto& [plates, zoom] : {std::pair{&random, 50}, std::pair{&overlapping, 100}}) {
        const THexMetrics m = MetricsAtZoom(zoom);
        TPaintOptions options;
        options.Zoom = zoom;
        const TPictureSize size = BoardPictureSize(*plates, zoom);
        for (const double ratio : {1.5, 2.0}) {
            SCOPED_TRACE("zoom " + std::to_string(zoom) + " ratio " + std::to_string(ratio));
            options.Transparent = false;
            const QImage opaque = Argb(RenderBoardImage(*plates, options, size.width, size.height, ratio));
            options.Transparent = true;
            const QImage clear = Argb(RenderBoardImage(*plates, options, size.width, size.height, ratio));
            ASSERT_EQ(clear.size(), opaque.size());
            // The hexes less a band of two pixels along their sides.
            QImage inside(clear.size(), QImage::Format_ARGB32);
            inside.fill(Qt::transparent);
            {
                QPainter painter(&inside);
                painter.setPen(QPen(Qt::transparent, 4 * ratio));
                painter.setBrush(Qt::black);
                painter.setCompositionMode(QPainter::CompositionMode_Source);
                painter.scale(ratio, ratio);
                for (const TPlateEntry& entry : plates->All())
                    if (entry.Plate.Placed)
                        painter.drawPolygon(QPolygonOf(HexOutline(entry.Plate.X, entry.Plate.Y, m)));
            }
            int cleared = 0, changed = 0, clearedInside = 0;
            for (int y = 0; y < clear.height(); ++y)
                for (int x = 0; x < clear.width(); ++x) {
                    const QRgb pixel = clear.pixel(x, y);
                    cleared += pixel == 0;
                    changed += pixel != 0 && pixel != opaque.pixel(x, y);
                    clearedInside += pixel == 0 && qAlpha(inside.pixel(x, y)) != 0;
                }
            EXPECT_GT(cleared, clear.width() * 2);
            EXPECT_EQ(clear.pixel(0, 0), 0u);
            EXPECT_EQ(changed, 0);
            EXPECT_EQ(clearedInside, 0);
        }
    }
}

TEST(RenderBoardPaletteImage, OverlappingPlatesFromABoardFileDrawAsOnTheWholePicture)
{
    // A board file may put plates anywhere: on each other, half a hex apart,
    // far above the picture.
    TPlateList plates;
    AddPlate(plates, Land("Ore", "6", 10, 33));
    AddPlate(plates, Land("Wool", "10", 10, 33));
    AddPlate(plates, testing::Harbour("Grain", "2:1", btSouthEast, 30, 60));
    AddPlate(plates, Land("Brick", "8", 40, 70));
    AddPlate(plates, Land("Desert", "", 12, -5000));
    AddPlate(plates, testing::PlainWater(50, 140));
    TPaintOptions options;
    const TPictureSize size = BoardPictureSize(plates, 100);
    for (const bool transparent : {false, true})
        for (const int bandRows : {1, 5, 20}) {
            SCOPED_TRACE(std::to_string(bandRows) + (transparent ? " transparent" : ""));
            options.Transparent = transparent;
            EXPECT_TRUE(Argb(RenderBoardPaletteImage(plates, options, size.width, size.height, bandRows)) ==
                        Argb(RenderBoardImage(plates, options, size.width, size.height)));
        }
}

// The window's panel, larger than its view, draws only the part uncovered:
// at the usual pixel ratios, that part has the whole picture's pixels, also
// where it cuts through hexes and their texts, and at the picture's edges.
TEST(RenderBoardArea, EveryPartHasThePixelsOfTheWholePicture)
{
    TPlateList plates;
    RandomBoard(plates, 100);
    // From a board file: a text that runs on over the hexes far to its right.
    AddPlate(plates, testing::Harbour("Grain Grain Grain Grain Grain Grain Grain", "2:1", btEast, 5, 200));
    TPaintOptions options;
    const TPictureSize size = BoardPictureSize(plates, 100);
    const QRect parts[] = {
        {0, 0, size.width, size.height}, {37, 53, 1, 1},      {101, 0, 17, size.height},
        {0, 211, size.width, 9},         {250, 190, 333, 77}, {size.width - 50, size.height - 30, 50, 30},
    };
    for (const auto& [ratio, cornerPips] :
         {std::pair{1.0, false}, std::pair{1.5, false}, std::pair{2.0, false}, std::pair{1.0, true}}) {
        options.CornerPips = cornerPips; // the whole board's, also in a part
        const QImage whole = Argb(RenderBoardImage(plates, options, size.width, size.height, ratio));
        for (const QRect& part : parts) {
            SCOPED_TRACE(QStringLiteral("%1%2 at %3,%4 %5 x %6")
                             .arg(ratio)
                             .arg(cornerPips ? " with corner pips" : "")
                             .arg(part.x())
                             .arg(part.y())
                             .arg(part.width())
                             .arg(part.height())
                             .toStdString());
            const QImage drawn = Argb(RenderBoardArea(plates, options, size.width, size.height, part, ratio));
            ASSERT_FALSE(drawn.isNull());
            const QRect taken(drawn.offset(), drawn.deviceIndependentSize().toSize());
            ASSERT_TRUE(taken.contains(part));
            auto pixels = [ratio](const QImage& image, const QRect& area, QPoint origin) {
                const QRect inDevice(((area.topLeft() - origin) * ratio), area.size() * ratio);
                return image.copy(inDevice);
            };
            EXPECT_TRUE(pixels(drawn, part, taken.topLeft()) == pixels(whole, part, QPoint(0, 0)));
        }
    }
}

TEST(SaveBoardPng, APictureOfMoreThan256ColoursIsWrittenInFullColour)
{
    TPlateList plates;
    for (int i = 0; i < 300; ++i) {
        TResourcePlate p = Land("Grain", "", 10 + (i % 30) * 78, 33 + (i / 30) * 68);
        p.Color = static_cast<TColor>(0x010203 * (i + 1) % 0xFFFFFF);
        AddPlate(plates, p);
    }
    TPaintOptions options;
    const TPictureSize size = BoardPictureSize(plates, 100);
    EXPECT_TRUE(RenderBoardPaletteImage(plates, options, size.width, size.height).isNull());

    QTemporaryDir dir;
    const QString path = dir.filePath("colours.png");
    std::string error;
    ASSERT_TRUE(SaveBoardPng(plates, options, path.toStdString(), &error)) << error;
    EXPECT_TRUE(Argb(QImage(path)) == Argb(BoardPictureImage(plates, options, nullptr)));
}

TEST(SaveBoardPng, ABoardPictureIsWrittenWithAPaletteAndTheSamePixels)
{
    for (const bool blackAndWhite : {false, true}) {
        SCOPED_TRACE(blackAndWhite ? "black and white" : "colour");
        TPlateList plates;
        RandomBoard(plates, 50);
        TPaintOptions options;
        options.Zoom = 50;
        options.BlackAndWhite = blackAndWhite;
        QTemporaryDir dir;
        const QString path = dir.filePath("board.png");
        std::string error;
        ASSERT_TRUE(SaveBoardPng(plates, options, path.toStdString(), &error)) << error;
        const QImage decoded(path);
        EXPECT_LE(decoded.depth(), 8);
        EXPECT_TRUE(Argb(decoded) == Argb(BoardPictureImage(plates, options, nullptr)));
    }
}

} // namespace
} // namespace vornia

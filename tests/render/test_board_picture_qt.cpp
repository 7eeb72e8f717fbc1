// Board pictures as images and PNG files.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "board/panel_board.h"
#include "board/random_source.h"
#include "image_probe_qt.h"
#include "plates_for_tests.h"
#include "render/board_picture_qt.h"

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
        bool cornerPips = false;
    };
    const TRow rows[] = {
        {"100, three rows a band", 100, false, 3, 0},
        {"100, odd bands", 100, false, 37, 0},
        {"75, black and white", 75, true, 64, 0},
        {"50, default bands", 50, false, PictureBandRows, 0},
        {"50, one band for all", 50, false, 100000, 0},
        {"100, bottom cut through hexes", 100, false, 29, 40},
        {"75, corner pips in bands", 75, false, 29, 0, true},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.name);
        TPlateList plates;
        RandomBoard(plates, row.zoom);
        TPaintOptions options;
        options.Zoom = row.zoom;
        options.BlackAndWhite = row.blackAndWhite;
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
    for (const int bandRows : {1, 5, 20}) {
        SCOPED_TRACE(bandRows);
        EXPECT_TRUE(Argb(RenderBoardPaletteImage(plates, options, size.width, size.height, bandRows)) ==
                    Argb(RenderBoardImage(plates, options, size.width, size.height)));
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

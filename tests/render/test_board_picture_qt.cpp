// Board pictures as images and PNG files.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "image_probe_qt.h"
#include "plates_for_tests.h"
#include "render/board_picture_qt.h"

namespace vornia {
namespace {

using testing::AddPlate;
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

} // namespace
} // namespace vornia

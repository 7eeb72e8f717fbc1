// The example pictures of the options dialog.
#include <gtest/gtest.h>

#include "board/board_settings.h"
#include "image_probe_qt.h"
#include "render/shape_examples_qt.h"

namespace vornia {
namespace {

const std::set<TColor> FillColors{clRed, clYellow, clGreen, clPurple, clLime, clOlive, clBlue};

bool IsFill(TColor c) { return FillColors.count(c) > 0; }

TEST(ShapeExamples, EveryShapeHasAPictureOfTheDialogsSize)
{
    for (int i = 0; i < static_cast<int>(ShapeNames.size()); ++i) {
        SCOPED_TRACE(ShapeNames[static_cast<std::size_t>(i)]);
        const QImage image = ShapeExampleImage(i);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), 219);
        EXPECT_EQ(image.height(), 187);
    }
    EXPECT_TRUE(ShapeExampleImage(-1).isNull());
    EXPECT_TRUE(ShapeExampleImage(static_cast<int>(ShapeNames.size())).isNull());
}

// Fills and black outlines on white, no texts, tokens or dots: only the
// seven fills, black and white appear, and no white smaller than a hexagon
// (a dot or a text box) lies anywhere.
TEST(ShapeExamples, PicturesShowWholeBoardsOfFillsAndOutlinesTowardTheUpperLeft)
{
    for (int i = 0; i < static_cast<int>(ShapeNames.size()); ++i) {
        SCOPED_TRACE(ShapeNames[static_cast<std::size_t>(i)]);
        const QImage image = ShapeExampleImage(i);
        std::set<TColor> expected = FillColors;
        expected.insert(clBlack);
        expected.insert(clWhite);
        const auto colors = testing::AllColors(image);
        for (TColor c : colors)
            EXPECT_TRUE(expected.count(c)) << std::hex << c;
        EXPECT_TRUE(colors.count(clBlue)) << "water";
        EXPECT_GE(colors.size(), 6u) << "land of several kinds";

        int left = image.width(), top = image.height(), right = -1, bottom = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (testing::PixelAt(image, x, y) != clWhite) {
                    left = std::min(left, x);
                    top = std::min(top, y);
                    right = std::max(right, x);
                    bottom = std::max(bottom, y);
                }
        EXPECT_LE(left, 10);
        EXPECT_LE(top, 10);
        EXPECT_LT(right, image.width() - 1) << "nothing cut off at the right";
        EXPECT_LT(bottom, image.height() - 1) << "nothing cut off at the bottom";
        for (int size : testing::RegionSizes(image, [](TColor c) { return c == clWhite; }))
            EXPECT_GT(size, 200) << "a white speck";
    }
}

TEST(ShapeExamples, TraditionalPictureHas19LandAnd18WaterHexes)
{
    const QImage image = ShapeExampleImage(0);
    EXPECT_EQ(testing::CountRegions(image, [](TColor c) { return c == clBlue; }), 18);
    EXPECT_EQ(testing::CountRegions(image, [](TColor c) { return IsFill(c) && c != clBlue; }), 19);
    EXPECT_EQ(testing::CountRegions(image, [](TColor c) { return c == clWhite; }), 1);
}

// For a finer screen: all of its pixels, with every hexagon still closed.
TEST(ShapeExamples, FinerScreensGetClosedHexagonsInAllTheirPixels)
{
    for (double ratio : {1.5, 2.0}) {
        SCOPED_TRACE(ratio);
        const QImage image = ShapeExampleImage(0, ratio);
        EXPECT_EQ(image.size(), QSize(219, 187) * ratio);
        EXPECT_EQ(testing::CountRegions(image, [](TColor c) { return c == clBlue; }), 18);
        EXPECT_EQ(testing::CountRegions(image, [](TColor c) { return IsFill(c) && c != clBlue; }), 19);
        EXPECT_EQ(testing::CountRegions(image, [](TColor c) { return c == clWhite; }), 1);
    }
    EXPECT_EQ(ShapeExampleImage(0).devicePixelRatio(), 1.0);
}

TEST(ShapeExamples, TheSameShapeDrawsTheSamePicture)
{
    const QImage first = DrawShapeExample(1);
    EXPECT_EQ(DrawShapeExample(1), first) << "the same seed, the same board";
}

} // namespace
} // namespace vornia

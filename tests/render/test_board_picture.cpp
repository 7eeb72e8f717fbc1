// The size of a board's picture.
#include <gtest/gtest.h>

#include <climits>

#include "plates_for_tests.h"
#include "render/board_picture.h"

namespace vornia {
namespace {

using testing::AddPlate;
using testing::Land;
using testing::PlainWater;

TEST(BoardPictureSize, HoldsEveryPlacedPlateWithATenPixelMargin)
{
    TPlateList plates;
    AddPlate(plates, Land("Ore", "5", 10, 33));    // the generated board's corner
    AddPlate(plates, PlainWater(10 + 4 * 39, 33)); // right-most at 100
    AddPlate(plates, Land("Wool", "", 49, 33 + 2 * 68));
    TResourcePlate far = Land("Grain", "4", 5000, 5000);
    far.Placed = false; // not on the board
    AddPlate(plates, far);

    EXPECT_EQ(BoardPictureSize(plates, 100), (TPictureSize{166 + 78 + 10, 169 + 68 + 10}));
    // Positions are pixels of the zoom they were made at; the plate size is that zoom's.
    EXPECT_EQ(BoardPictureSize(plates, 50), (TPictureSize{166 + 38 + 10, 169 + 33 + 10}));
    EXPECT_EQ(BoardPictureSize(plates, 75), (TPictureSize{166 + 58 + 10, 169 + 50 + 10}));
}

TEST(BoardPictureSize, EmptyBoardIsTheBareMargin)
{
    TPlateList plates;
    EXPECT_EQ(BoardPictureSize(plates, 100), (TPictureSize{10, 10}));
    TResourcePlate unplaced = Land("Ore", "", 300, 300);
    unplaced.Placed = false;
    AddPlate(plates, unplaced);
    EXPECT_EQ(BoardPictureSize(plates, 100), (TPictureSize{10, 10}));
}

TEST(CheckPictureSize, RefusesMoreThan16384PixelsOnASide)
{
    std::string error;
    EXPECT_TRUE(CheckPictureSize({16384, 16384}, &error));
    EXPECT_TRUE(error.empty());
    EXPECT_FALSE(CheckPictureSize({16385, 100}, &error));
    EXPECT_NE(error.find("16385 x 100"), std::string::npos) << error;
    EXPECT_NE(error.find("16384"), std::string::npos) << error;
    EXPECT_FALSE(CheckPictureSize({100, 16385}, nullptr));
}

TEST(BoardPictureSize, PositionsNearTheLimitOfIntAreRefusedNotWrapped)
{
    TPlateList plates;
    AddPlate(plates, Land("Ore", "", INT_MAX - 5, INT_MAX - 5));
    const TPictureSize size = BoardPictureSize(plates, 100);
    EXPECT_EQ(size, (TPictureSize{INT_MAX, INT_MAX}));
    EXPECT_FALSE(CheckPictureSize(size, nullptr));
}

TEST(PictureFormatOf, TheExtensionNamesTheFormatInAnyCase)
{
    struct TRow {
        const char* Path;
        std::optional<TPictureFormat> Expected;
    };
    const TRow rows[] = {
        {"board.png", TPictureFormat::Png},
        {"/home/me/Board.SVG", TPictureFormat::Svg},
        {"a.b.Pdf", TPictureFormat::Pdf},
        {"board.jpg", std::nullopt},
        {"board.png.txt", std::nullopt},
        {"board", std::nullopt},
        {"boards.pdf/board", std::nullopt}, // the dot is the folder's
        {".png", TPictureFormat::Png},
        {"board.", std::nullopt},
        {"", std::nullopt},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Path);
        EXPECT_EQ(PictureFormatOf(row.Path), row.Expected);
    }
}

} // namespace
} // namespace vornia

// What Print asks before printing, and how the picture is fitted to the page.
#include <gtest/gtest.h>

#include <climits>

#include "render/print_layout.h"

namespace vornia {
namespace {

TEST(DecidePrint, NoBoardIsReportedBeforeAnyColourQuestion)
{
    for (bool bw : {false, true}) {
        const TPrintDecision decision = DecidePrint(0, bw);
        EXPECT_EQ(decision.Step, TPrintStep::NoBoard);
        EXPECT_EQ(decision.Message, "There is no board to print.");
    }
}

TEST(DecidePrint, ColourMustBeConfirmedBlackAndWhitePrintsAtOnce)
{
    const TPrintDecision colour = DecidePrint(37, false);
    EXPECT_EQ(colour.Step, TPrintStep::ConfirmColor);
    EXPECT_EQ(colour.Message, "Are you sure you want to print this in color?");
    const TPrintDecision bw = DecidePrint(1, true);
    EXPECT_EQ(bw.Step, TPrintStep::Print);
    EXPECT_TRUE(bw.Message.empty());
}

TEST(MulDiv, RoundsToNearestWithHalvesAwayFromZeroInSixtyFourBits)
{
    EXPECT_EQ(MulDiv(10, 10, 3), 33);   // 33.3
    EXPECT_EQ(MulDiv(20, 10, 3), 67);   // 66.7
    EXPECT_EQ(MulDiv(5, 1, 2), 3);      // 2.5
    EXPECT_EQ(MulDiv(-5, 1, 2), -3);    // -2.5
    EXPECT_EQ(MulDiv(7, -3, 2), -11);   // -10.5
    EXPECT_EQ(MulDiv(INT_MAX, INT_MAX, INT_MAX), INT_MAX);
    EXPECT_EQ(MulDiv(100000, 100000, 10), 1000000000);
    EXPECT_EQ(MulDiv(1, 2, 0), 0);
}

struct TFitRow {
    const char* Name;
    int W, H, PageW, PageH;
    TPrintRect Expected;
};

TEST(FitToPage, KeepsTheAspectAndFillsTheLimitingSide)
{
    const TFitRow rows[] = {
        // twice as wide as high on a portrait page: full width, half as high
        {"wide window, portrait page", 1600, 800, 4760, 6779, {4760, 2380}},
        {"tall window, portrait page: full height", 300, 800, 4760, 6779, {2542, 6779}},
        {"wide window, landscape page", 1000, 400, 6779, 4760, {6779, 2712}},
        {"same shape as the page", 476, 678, 4760, 6780, {4760, 6780}},
        {"rounding of the height", 1000, 333, 4760, 6779, {4760, 1585}}, // 1585.08
        {"rounding of the width", 333, 1000, 4760, 6779, {2257, 6779}},  // 2257.4
        {"picture larger than the page", 20000, 10000, 600, 800, {600, 300}},
    };
    for (const TFitRow& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(FitToPage(row.W, row.H, row.PageW, row.PageH), row.Expected);
    }
}

TEST(FitToPage, EmptyPictureOrPageGivesNothingToStretch)
{
    EXPECT_EQ(FitToPage(0, 100, 4760, 6779), TPrintRect{});
    EXPECT_EQ(FitToPage(100, 0, 4760, 6779), TPrintRect{});
    EXPECT_EQ(FitToPage(100, 100, 0, 6779), TPrintRect{});
    EXPECT_EQ(FitToPage(100, 100, 4760, -1), TPrintRect{});
}

TEST(FitCentred, FillsOneSideOfTheAreaAndCentresTheOther)
{
    struct TRow {
        const char* Name;
        int W, H;
        double AreaW, AreaH;
        TPagePlacement Expected;
    };
    const TRow rows[] = {
        {"wide board on a portrait area", 200, 100, 500, 800, {0, 275, 2.5}},
        {"high board on a landscape area", 100, 200, 800, 500, {275, 0, 2.5}},
        {"scaled down", 4000, 1000, 400, 400, {0, 150, 0.1}},
        {"same shape", 300, 200, 600, 400, {0, 0, 2}},
        {"no picture", 0, 100, 500, 500, {0, 0, 0}},
        {"no area", 100, 100, 0, 500, {0, 0, 0}},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Name);
        const TPagePlacement place = FitCentred(row.W, row.H, row.AreaW, row.AreaH);
        EXPECT_DOUBLE_EQ(place.X, row.Expected.X);
        EXPECT_DOUBLE_EQ(place.Y, row.Expected.Y);
        EXPECT_DOUBLE_EQ(place.Scale, row.Expected.Scale);
    }
}

TEST(PdfPointsPerPixel, NinetySixToTheInchUntilASideWouldPassTwoHundredInches)
{
    struct TRow {
        int W, H;
        double Expected;
    };
    const TRow rows[] = {
        {566, 519, 0.75},
        {19200, 100, 0.75}, // exactly 14,400 points
        {100, 19200, 0.75},
        {19201, 100, 14400.0 / 19201},
        {38400, 7000, 0.375}, // twice the limit: half the size
        {100, INT_MAX, 14400.0 / INT_MAX},
        {0, 0, 0.75},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(std::to_string(row.W) + " x " + std::to_string(row.H));
        const double points = PdfPointsPerPixel(row.W, row.H);
        EXPECT_DOUBLE_EQ(points, row.Expected);
        EXPECT_LE(std::max(row.W, row.H) * points, PdfMaxPagePoints + 1e-6);
    }
}

} // namespace
} // namespace vornia

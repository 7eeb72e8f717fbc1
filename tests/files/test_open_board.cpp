#include "files/open_board.h"

#include <gtest/gtest.h>

#include "board/random_source.h"

namespace vornia {
namespace {

TBoardFileContent BoardText(int count, int zoom)
{
    return ReadBoard(TIniFile::FromText("[settings]\r\nplate[0]=Brick;10;33;6;;;btNorthWest;\r\n"
                                        "plate[1]=Water;49;33;;Ore;2:1;btWest;\r\nplateCount=" +
                                        std::to_string(count) + "\r\nzoomSize=" + std::to_string(zoom) + "\r\n"));
}

TEST(OpenBoard, TheFileBecomesTheCurrentRegisteredBoardAndAnEarlierOneStays)
{
    TPanelBoard panel;
    EXPECT_EQ(OpenBoard(panel, BoardText(1, 100), "/boards/a.mirl").Name, "[/boards/a.mirl]");
    const TPlateList* first = &panel.Plates();
    // A random layout that gives up leaves its attempts behind.
    TBoardSettings settings;
    settings.Shape = "random";
    settings.MassDensity = "high";
    SetAllCounts(settings, 0);
    settings.GrainCount = 2; // two land plates never make a land mass
    TRandomSource random;
    ASSERT_FALSE(panel.GenerateBoard(settings, 100, random).Made);
    ASSERT_EQ(panel.Attempts(), MaxRandomAttempts);

    // The board's zoom becomes the panel's; the statistics are measured on it.
    const TGenerationResult opened = OpenBoard(panel, BoardText(2, 50), "/boards/b.mirl");
    EXPECT_TRUE(opened.Made);
    EXPECT_EQ(opened.Name, "[/boards/b.mirl]");
    EXPECT_EQ(opened.FailureText, "");
    EXPECT_EQ(panel.Zoom(), 50);
    ASSERT_EQ(panel.Registry().Boards().size(), 2u);
    EXPECT_EQ(panel.Registry().Boards()[0].List.get(), first);
    EXPECT_EQ(panel.Registry().Boards()[1].List.get(), &panel.Plates());
    EXPECT_EQ(panel.Plates().Count(), 2);
    EXPECT_EQ(panel.Attempts(), 0);
    EXPECT_EQ(opened.Stats, panel.ComputeStats());
    EXPECT_EQ(opened.Stats.PlainWaters, 0);

    // The same file again (names compare without regard to case) replaces its
    // entry; content without plates opens as an empty board.
    OpenBoard(panel, TBoardFileContent{}, "/BOARDS/B.mirl");
    ASSERT_EQ(panel.Registry().Boards().size(), 2u);
    EXPECT_EQ(panel.Registry().Boards()[1].Name, "[/BOARDS/B.mirl]");
    EXPECT_EQ(panel.Registry().Boards()[1].List.get(), &panel.Plates());
    EXPECT_TRUE(panel.Plates().Empty());
}

} // namespace
} // namespace vornia

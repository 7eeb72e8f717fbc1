#include "files/open_board.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "board/plain_owner.h"

namespace vornia {
namespace {

// Logs what the panel asks of its window, in order.
struct TLoggingOwner : TPlainBoardOwner {
    std::vector<std::string> Log;
    void SetBoardCaption(const std::string& name) override { Log.push_back("caption " + name); }
    void ResetStatusBar(int flags) override { Log.push_back("status " + std::to_string(flags)); }
    void AddBoardMenuItem(const std::string& name) override { Log.push_back("menu " + name); }
    void PaintBoard() override { Log.push_back("paint"); }
};

TBoardFileContent BoardText(int count, int zoom)
{
    return ReadBoard(TIniFile::FromText("[settings]\r\nplate[0]=Brick;10;33;6;;;btNorthWest;\r\n"
                                        "plate[1]=Water;49;33;;Ore;2:1;btWest;\r\nplateCount=" +
                                        std::to_string(count) + "\r\nzoomSize=" + std::to_string(zoom) + "\r\n"));
}

TEST(OpenBoard, TheFileBecomesTheCurrentRegisteredBoardAndAnEarlierOneStays)
{
    TLoggingOwner owner;
    TPanelBoard panel(owner);
    OpenBoard(panel, BoardText(1, 100), "/boards/a.mirl", nullptr);
    const TPlateList* first = &panel.Plates();
    // A random layout that gives up leaves its attempts behind.
    owner.Settings.Shape = "random";
    owner.Settings.MassDensity = "high";
    for (const TCountKey& key : CountKeys)
        owner.Settings.*key.Field = 0;
    owner.Settings.GrainCount = 2; // two land plates never make a land mass
    panel.GenerateBoard();
    ASSERT_EQ(panel.Attempts(), MaxRandomAttempts);
    owner.Log.clear();

    // The zoom is followed between the old board and the opened one, so that
    // neither is moved onto the other's grid.
    int platesWhenZoomFollowed = -1;
    OpenBoard(panel, BoardText(2, 50), "/boards/b.mirl", [&](int zoom) {
        owner.Log.push_back("zoom " + std::to_string(zoom));
        platesWhenZoomFollowed = panel.Plates().Count();
    });
    EXPECT_EQ(platesWhenZoomFollowed, 0);
    EXPECT_THAT(owner.Log, ::testing::ElementsAre("status 1", "zoom 50", "caption [/boards/b.mirl]",
                                                  "menu [/boards/b.mirl]", "paint"));
    ASSERT_EQ(panel.Registry().Boards().size(), 2u);
    EXPECT_EQ(panel.Registry().Boards()[0].List.get(), first);
    EXPECT_EQ(panel.Registry().Boards()[1].List.get(), &panel.Plates());
    EXPECT_EQ(panel.Plates().Count(), 2);
    EXPECT_EQ(panel.Attempts(), 0);
    EXPECT_EQ(owner.LastStats, panel.ComputeStats());

    // The same file again (names compare without regard to case) replaces its
    // entry; content without plates opens as an empty board.
    OpenBoard(panel, TBoardFileContent{}, "/BOARDS/B.mirl", nullptr);
    ASSERT_EQ(panel.Registry().Boards().size(), 2u);
    EXPECT_EQ(panel.Registry().Boards()[1].Name, "[/BOARDS/B.mirl]");
    EXPECT_EQ(panel.Registry().Boards()[1].List.get(), &panel.Plates());
    EXPECT_TRUE(panel.Plates().Empty());
}

} // namespace
} // namespace vornia

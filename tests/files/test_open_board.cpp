#include "files/open_board.h"

#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "board/plain_owner.h"

namespace vornia {
namespace {

using ::testing::ElementsAre;

// Logs what the panel asks of its window, in order.
class TLoggingOwner : public TPlainBoardOwner {
public:
    std::vector<std::string> Log;

    void SetBoardCaption(const std::string& name) override { Log.push_back("caption " + name); }
    void ResetStatusBar(int flags) override { Log.push_back("status " + std::to_string(flags)); }
    void DisplayStats(const TStats& stats) override
    {
        TPlainBoardOwner::DisplayStats(stats);
        Log.push_back("stats");
    }
    void AddBoardMenuItem(const std::string& name) override { Log.push_back("menu " + name); }
    void PaintBoard() override { Log.push_back("paint"); }
};

TBoardFileContent BoardText(const std::string& plates, int count, int zoom)
{
    return ReadBoard(TIniFile::FromText("[settings]\r\n" + plates + "plateCount=" + std::to_string(count) +
                                        "\r\nzoomSize=" + std::to_string(zoom) + "\r\n"));
}

const std::string TwoPlates = "plate[0]=Brick;10;33;6;;;btNorthWest;\r\nplate[1]=Water;49;33;;Ore;2:1;btWest;\r\n";

TEST(OpenBoard, TheFileBecomesTheCurrentRegisteredBoardAndTheWindowHearsInOrder)
{
    TLoggingOwner owner;
    TPanelBoard panel(owner);
    panel.AdoptPlateList(BoardText(TwoPlates, 1, 100).Plates);
    panel.SetBoardName("Board 1");
    panel.RegisterBoard(panel.BoardName);
    const TPlateList* first = &panel.Plates();
    panel.Attempts = 12;

    int platesWhenZoomFollowed = -1;
    OpenBoard(panel, BoardText(TwoPlates, 2, 50), "/boards/b.mirl", [&](int zoom) {
        owner.Log.push_back("zoom " + std::to_string(zoom));
        platesWhenZoomFollowed = panel.Plates().Count();
    });

    // The zoom is followed between the old board and the opened one, so
    // neither of them is moved onto the other's grid by mistake.
    EXPECT_EQ(platesWhenZoomFollowed, 0);
    EXPECT_NE(&panel.Plates(), first);
    EXPECT_THAT(owner.Log, ElementsAre("status 1", "zoom 50", "caption [/boards/b.mirl]", "menu [/boards/b.mirl]",
                                       "stats", "paint"));
    EXPECT_EQ(panel.BoardName, "[/boards/b.mirl]");
    ASSERT_EQ(panel.Boards().size(), 2u);
    EXPECT_EQ(panel.Boards()[0].List.get(), first);
    EXPECT_EQ(panel.Boards()[1].List.get(), &panel.Plates());
    EXPECT_EQ(panel.Plates().Count(), 2);
    EXPECT_EQ(panel.Attempts, 0);
    EXPECT_EQ(owner.LastStats, panel.ComputeStats());
}

TEST(OpenBoard, OpeningAFileAgainReplacesItsEntryAndAnEmptyFileStillOpens)
{
    TPlainBoardOwner owner;
    TPanelBoard panel(owner);
    OpenBoard(panel, BoardText(TwoPlates, 2, 100), "/b.mirl", nullptr);
    // Names compare without regard to case, as the board list's do.
    OpenBoard(panel, BoardText(TwoPlates, 1, 75), "/B.mirl", [&](int zoom) { owner.Zoom = zoom; });
    ASSERT_EQ(panel.Boards().size(), 1u);
    EXPECT_EQ(panel.Boards()[0].Name, "[/B.mirl]");
    EXPECT_EQ(panel.Boards()[0].List.get(), &panel.Plates());
    EXPECT_EQ(panel.Plates().Count(), 1);
    EXPECT_EQ(owner.Zoom, 75);

    TBoardFileContent nothing;
    OpenBoard(panel, std::move(nothing), "/empty.mirl", nullptr);
    EXPECT_TRUE(panel.Plates().Empty());
    EXPECT_EQ(panel.FindBoard("[/empty.mirl]"), 1);
    EXPECT_EQ(owner.LastStats, panel.ComputeStats());
}

} // namespace
} // namespace vornia

// Board files reaching the real window from outside: dropped on it, or named
// on the command line. Runs offscreen, and under Xvfb through with_xvfb.sh.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "app/board_panel_qt.h"
#include "app/frm_board_qt.h"
#include "tests/files/test_files.h"
#include "wait_for_qt.h"

namespace vornia::test {
namespace {

class QtWindowFiles : public ::testing::Test {
protected:
    void Start(const std::vector<std::string>& files = {}, const std::string& ini = "autoVersionCheck=0\r\n")
    {
        WriteText(Folder.File("VorniaGenerator.ini"), "[settings]\r\n" + ini);
        TShellHooks hooks;
        hooks.Message = [this](const std::string& text, TMsgKind, TMsgButtons buttons) {
            Messages.push_back(text);
            return buttons == TMsgButtons::YesNo ? TMsgAnswer::No : TMsgAnswer::Ok;
        };
        Window = std::make_unique<TfrmBoardQt>(0, Folder.Path, hooks);
        ASSERT_TRUE(Window->Create());
        Window->Logic().SetStartupBoardFiles(files);
        Window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Window.get()));
        ASSERT_TRUE(WaitFor([this] { return Window->isMaximized(); }));
    }
    std::string Board(const std::string& name)
    {
        const std::string path = Folder.File(name);
        WriteText(path, "[settings]\r\nplate[0]=Ore;10;33;6;;;;\r\nplateCount=1\r\n");
        return path;
    }
    std::string Caption(const std::string& board) const { return std::string(WindowCaption) + " [" + board + "]"; }
    // Drags the files over the board panel and drops them there, as a file
    // manager would; whether the window took the drag and the drop.
    std::pair<bool, bool> Drop(const std::vector<std::string>& paths)
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const std::string& path : paths)
            urls << QUrl::fromLocalFile(QString::fromStdString(path));
        data.setUrls(urls);
        QWidget* panel = Window->BoardPanelWidget();
        const QPoint at = panel->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::LinkAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(panel, &enter);
        if (!enter.isAccepted())
            return {false, false};
        QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::LinkAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(panel, &drop);
        return {true, drop.isAccepted()};
    }

    TTempFolder Folder;
    std::unique_ptr<TfrmBoardQt> Window;
    std::vector<std::string> Messages;
};

TEST_F(QtWindowFiles, ADroppedBoardFileOpensAsFileOpenWould)
{
    Start();
    const std::string board = Board("dropped.mirl");
    const std::string notes = Folder.File("notes.txt");
    WriteText(notes, "not a board");

    EXPECT_EQ(Drop({notes}), std::make_pair(false, false)) << "only board files are taken";
    EXPECT_EQ(Drop({notes, board}), std::make_pair(true, true));
    ASSERT_TRUE(WaitFor([&] { return Window->windowTitle().toStdString() == Caption(board); }));
    EXPECT_EQ(Window->Logic().BoardPanel().Plates().Count(), 1);
    EXPECT_TRUE(Messages.empty());

    // A board file gone by the time it is dropped: File/Open's message.
    EXPECT_EQ(Drop({Folder.File("gone.mirl")}), std::make_pair(true, true));
    ASSERT_TRUE(WaitFor([&] { return !Messages.empty(); }));
    EXPECT_EQ(Messages, std::vector<std::string>{"Sorry, could not find this board."});
    EXPECT_EQ(Window->windowTitle().toStdString(), Caption(board));
}

TEST_F(QtWindowFiles, FilesOfTheCommandLineOpenAfterTheFirstRunQuestion)
{
    const std::string first = Board("first.mirl"), second = Board("second.MIRL");
    Start({first, second}, "");
    ASSERT_TRUE(WaitFor([&] { return Window->windowTitle().toStdString() == Caption(second); }));
    ASSERT_FALSE(Messages.empty());
    EXPECT_EQ(Messages.front(), std::string(VersionQuestion));
    EXPECT_EQ(Window->Logic().BoardPanel().Registry().Boards().size(), 2u);
}

} // namespace
} // namespace vornia::test

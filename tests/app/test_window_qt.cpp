// The real main window on the offscreen platform: menus and shortcuts, the
// board and status bar as drawn, keys, printing's picture and closing.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QScrollBar>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "app/board_panel_qt.h"
#include "app/frm_board_qt.h"
#include "app/program_icon_qt.h"
#include "app/status_bar_qt.h"
#include "board/random_source.h"
#include "render/board_picture.h"
#include "render/board_picture_qt.h"
#include "render/button_face_qt.h"
#include "tests/files/test_files.h"
#include "tests/render/image_probe_qt.h"
#include "tests/scoped_locale.h"
#include "wait_for_qt.h"

namespace vornia::test {
namespace {

int CountPixels(const QImage& image, const QRect& area, QRgb colour)
{
    int count = 0;
    const QRect rect = area.intersected(image.rect());
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            count += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return count;
}

class QtWindow : public ::testing::Test {
protected:
    void TearDown() override { Window.reset(); }

    void Open(const std::string& ini = "autoVersionCheck=0\r\n")
    {
        WriteText(Folder.File("VorniaGenerator.ini"), "[settings]\r\n" + ini);
        TShellHooks hooks;
        hooks.Message = [this](const std::string& text, TMsgKind, TMsgButtons buttons) {
            Messages.push_back(text);
            return buttons == TMsgButtons::YesNo ? Answer : TMsgAnswer::Ok;
        };
        if (!RealFileDialogs)
            hooks.ChooseFile = [this](bool, const TFileDialogOptions&, std::string& path) {
                path = ChosenFile;
                return !path.empty();
            };
        hooks.Print = [this](const QImage& picture, std::string*) {
            Printed.push_back(picture);
            return true;
        };
        Window = std::make_unique<TfrmBoardQt>(0, Folder.Path, hooks);
        Window->Logic().BoardRandom().UseFixedClock(4242);
        ASSERT_TRUE(Window->Create());
        Window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Window.get()));
        Window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
        // The deferred maximise comes 50 ms after showing.
        ASSERT_TRUE(WaitFor([this] { return Window->isMaximized(); }));
    }
    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(Window.get(), static_cast<Qt::Key>(key), modifiers);
    }
    void Generate()
    {
        const int boards = static_cast<int>(Window->Logic().BoardPanel().Registry().Boards().size());
        Press(Qt::Key_F1);
        ASSERT_TRUE(WaitFor(
            [&] { return static_cast<int>(Window->Logic().BoardPanel().Registry().Boards().size()) > boards; }));
    }
    std::string Current() const { return Window->Logic().BoardPanel().BoardName(); }

    TTempFolder Folder;
    std::unique_ptr<TfrmBoardQt> Window;
    std::vector<std::string> Messages;
    TMsgAnswer Answer = TMsgAnswer::No;
    std::vector<QImage> Printed;
    std::string ChosenFile;       // what the file dialogs answer; empty: cancelled
    bool RealFileDialogs = false; // the toolkit's own file dialogs instead
};

TEST_F(QtWindow, TheMenuBarCarriesEveryCommandWithItsShortcut)
{
    Open();
    const QList<QAction*> bar = Window->menuBar()->actions();
    ASSERT_EQ(bar.size(), 3);
    EXPECT_EQ(bar[0]->text(), "&File");
    EXPECT_EQ(bar[1]->text(), "&Options");
    EXPECT_EQ(bar[2]->text(), "Debug");
    EXPECT_FALSE(bar[2]->isVisible());

    struct TRow {
        const char* Name;
        const char* Caption;
        QKeySequence Keys;
    };
    const TRow rows[] = {
        {"mnuMakeNewBoard", "Generate New Board", QKeySequence(Qt::Key_F1)},
        {"mnuRefreshBoard", "&Refresh Board", QKeySequence(Qt::Key_F5)},
        {"mnuSaveAs", "Save &As...", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"mnuExportPicture", "Export Picture...", QKeySequence(Qt::CTRL | Qt::Key_E)},
        {"mnuOpen", "&Open...", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"mnuPrint", "&Print", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"mnuPrintWholeBoard", "Print Whole Board...", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)},
        {"mnuExit", "E&xit", QKeySequence(Qt::Key_F12)},
        {"mnuCustomShape", "Shape And Piece Options...", QKeySequence(Qt::Key_F2)},
        {"mnuBlackAndWhite", "Draw In Black And White", QKeySequence(Qt::Key_F3)},
        {"mnuHundred", "100%", QKeySequence(Qt::CTRL | Qt::Key_1)},
        {"mnuSeventyFive", "75%", QKeySequence(Qt::CTRL | Qt::Key_7)},
        {"mnuFifty", "50%", QKeySequence(Qt::CTRL | Qt::Key_5)},
        {"mnuAutoVersionCheck", "Auto Check For Newer Version", QKeySequence()},
        {"mnuAbout", "About...", QKeySequence(Qt::Key_F10)},
        {"mnuToggleMem", "Toggle Mem", QKeySequence()},
        {"mnuDebugFillMem", "Fill Mem", QKeySequence()},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Name);
        QAction* action = Window->Action(row.Name);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text(), row.Caption);
        EXPECT_EQ(action->shortcut(), row.Keys);
    }
    EXPECT_TRUE(Window->Action("mnuHundred")->isChecked());
    EXPECT_EQ(Window->Menu("mnuZoom")->title(), "&Zoom");
    // File: eight items and three separators, in order.
    EXPECT_EQ(Window->Menu("mnuFile")->actions().size(), 11);
}

TEST_F(QtWindow, F1DrawsABoardAndFillsTheStatusBar)
{
    Open();
    EXPECT_EQ(Window->windowTitle(), "Hexlanders Of Vornia Board Generator");
    Generate();
    EXPECT_EQ(Window->windowTitle(), "Hexlanders Of Vornia Board Generator [New traditional 1]");

    const QImage board = Window->BoardPanelWidget()->grab().toImage();
    EXPECT_GT(CountPixels(board, board.rect(), qRgb(0, 0, 255)), 1000); // water
    EXPECT_GT(CountPixels(board, board.rect(), qRgb(255, 255, 0)), 1000); // grain

    QAction* entry = Window->Action("mnuBoard1");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->text(), "[New traditional 1]");
    EXPECT_TRUE(entry->isChecked());
    EXPECT_EQ(Window->Menu("mnuFile")->actions().size(), 13);

    // Each panel shows its text in black within its own rectangle.
    TStatusBarWidget* status = Window->StatusBarWidget();
    const QImage bar = status->grab().toImage();
    EXPECT_EQ(status->PanelRect(1).left() - status->PanelRect(0).left(), 160);
    EXPECT_EQ(status->PanelRect(4).left() - status->PanelRect(3).left(), 200);
    for (int panel = 0; panel < 5; ++panel)
        EXPECT_GT(CountPixels(bar, status->PanelRect(panel), qRgb(0, 0, 0)), 20) << panel;
    EXPECT_EQ(Window->Logic().StatusBar().Text(0), "shape: traditional");
}

// A fair board's long shape text widens panel 0 to fit, in a font where it
// is longer than the panel; the others keep their widths.
TEST_F(QtWindow, TheShapePanelOfAFairBoardFitsItsText)
{
    Open("autoVersionCheck=0\r\nshape=lesser great lakes\r\nfairNoAdjacentRed=1\r\n");
    Generate();
    TStatusBarWidget* status = Window->StatusBarWidget();
    QFont large = status->font();
    large.setPixelSize(14);
    status->setFont(large);
    ASSERT_EQ(Window->Logic().StatusBar().Text(0), "shape: lesser great lakes (fair)");
    const int text = status->fontMetrics().horizontalAdvance("shape: lesser great lakes (fair)");
    ASSERT_GT(text, 160);
    EXPECT_GE(status->PanelRect(0).width(), text);
    EXPECT_EQ(status->PanelRect(1).left() - status->PanelRect(0).left(), status->PanelWidth(0));
    EXPECT_EQ(status->PanelRect(2).left() - status->PanelRect(1).left(), 110);
}

TEST_F(QtWindow, KeysStepThroughTheBoards)
{
    Open("autoVersionCheck=0\r\nshape=random\r\n");
    Generate();
    Generate();
    Press(Qt::Key_F4);
    EXPECT_EQ(Current(), "[New random 1]");
    Press(Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(Current(), "[New random 2]");
    Press(Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(Current(), "[New random 1]");
    Press(Qt::Key_Right);
    EXPECT_EQ(Current(), "[New random 1]");
    EXPECT_TRUE(Window->Action("mnuBoard1")->isChecked());
    EXPECT_FALSE(Window->Action("mnuBoard2")->isChecked());
}

// Qt ticks or unticks a checkable action before the click reaches the menu
// model: choosing the checked zoom item by key or by menu must keep it checked.
TEST_F(QtWindow, ExactlyOneZoomItemIsCheckedWhateverIsChosen)
{
    Open();
    Generate();
    const std::pair<const char*, std::string_view> steps[] = {
        {"Ctrl+1", "mnuHundred"},
        {"mnuHundred", "mnuHundred"},
        {"Ctrl+7", "mnuSeventyFive"},
        {"Ctrl+7", "mnuSeventyFive"},
        {"mnuSeventyFive", "mnuSeventyFive"},
        {"mnuFifty", "mnuFifty"},
        {"Ctrl+5", "mnuFifty"},
        {"Ctrl+1", "mnuHundred"},
    };
    for (const auto& [chosen, checked] : steps) {
        SCOPED_TRACE(chosen);
        if (std::string_view(chosen).starts_with("Ctrl+"))
            QTest::keySequence(Window.get(), QKeySequence(chosen));
        else
            Window->Action(chosen)->trigger(); // as a click in the menu
        for (const char* item : {"mnuHundred", "mnuSeventyFive", "mnuFifty"})
            EXPECT_EQ(Window->Action(item)->isChecked(), item == checked) << item;
    }
    EXPECT_EQ(Window->Logic().ZoomPercent(), 100);
}

TEST_F(QtWindow, PrintingTakesTheClientAreaWithTheStatusBarOnlyWhenShown)
{
    Open();
    Generate();
    const int clientHeight = Window->centralWidget()->height();
    const int statusHeight = Window->StatusBarWidget()->height();

    Answer = TMsgAnswer::Yes;
    Press(Qt::Key_P, Qt::ControlModifier);
    ASSERT_EQ(Printed.size(), 1u);
    EXPECT_EQ(Messages.back(), "Are you sure you want to print this in color?");
    EXPECT_EQ(Printed[0].height(), clientHeight);
    EXPECT_GT(CountPixels(Printed[0], Printed[0].rect(), qRgb(0, 0, 255)), 1000);

    Press(Qt::Key_F3);
    EXPECT_FALSE(Window->StatusBarWidget()->isVisible());
    const std::size_t asked = Messages.size();
    Press(Qt::Key_P, Qt::ControlModifier);
    ASSERT_EQ(Printed.size(), 2u);
    EXPECT_EQ(Messages.size(), asked); // no question in black and white
    EXPECT_EQ(Printed[1].height(), clientHeight);
    // Black and white: no colour anywhere, and the panel reaches the bottom.
    EXPECT_EQ(CountPixels(Printed[1], Printed[1].rect(), qRgb(0, 0, 255)), 0);
    const QRect bottom(0, clientHeight - statusHeight, Printed[1].width(), statusHeight);
    EXPECT_EQ(CountPixels(Printed[1], bottom, Window->palette().color(QPalette::Button).rgb()), 0);
}

TEST_F(QtWindow, ANewerVersionFromTheServerIsShownInBoldWhiteOnDarkRed)
{
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    QByteArray request;
    QObject::connect(&server, &QTcpServer::newConnection, [&] {
        QTcpSocket* client = server.nextPendingConnection();
        QObject::connect(client, &QTcpSocket::readyRead, [&request, client] {
            request += client->readAll();
            if (request.endsWith("\r\n\r\n"))
                client->write("HTTP/1.1 200 OK\r\n\r\nvorniageneratorversion=1.7");
        });
    });
    Open("autoVersionCheck=1\r\nversionHost=127.0.0.1\r\nversionPort=" + std::to_string(server.serverPort()) +
         "\r\n");
    ASSERT_TRUE(WaitFor([this] { return Window->Logic().NewerVersionFound(); }));
    EXPECT_EQ(request, "GET /vorniagenerator.txt HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
    EXPECT_EQ(Window->Logic().StatusBar().Text(4), " Version 1.7 is available");

    TStatusBarWidget* status = Window->StatusBarWidget();
    const QImage bar = status->grab().toImage();
    const QRect last = status->PanelRect(4);
    EXPECT_GT(CountPixels(bar, last, qRgb(128, 0, 0)), last.width() * last.height() / 2);
    EXPECT_GT(CountPixels(bar, last, qRgb(255, 255, 255)), 20);
    EXPECT_EQ(CountPixels(bar, status->PanelRect(3), qRgb(128, 0, 0)), 0);
}

TEST_F(QtWindow, ClosingWritesTheSettingsOfTheRun)
{
    Open("autoVersionCheck=0\r\nkeepMe=yes\r\n");
    Press(Qt::Key_5, Qt::ControlModifier);
    EXPECT_TRUE(Window->Action("mnuFifty")->isChecked());
    const QSize size = Window->frameGeometry().size();
    Press(Qt::Key_F12);
    EXPECT_FALSE(Window->isVisible());
    const TIniFile ini = TIniFile::FromText(ReadText(Folder.File("VorniaGenerator.ini")));
    EXPECT_EQ(ini.ReadString("settings", "zoomSize", ""), "50");
    EXPECT_EQ(ini.ReadString("settings", "keepMe", ""), "yes");
    EXPECT_EQ(ini.ReadString("settings", "windowWidth", ""), std::to_string(size.width()));
    EXPECT_EQ(ini.ReadString("settings", "windowHeight", ""), std::to_string(size.height()));
}

// Runs act on the modal dialog of type T as soon as one is up, while the
// test's key press waits inside the dialog's own loop.
template <typename T>
void WhenModal(const std::function<void(T*)>& act)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        if (T* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            act(dialog);
        }
    });
    poll->start(20);
}

TEST_F(QtWindow, ExportPictureOffersThreeFormatsAndABareNameTakesTheChosenOnes)
{
    RealFileDialogs = true;
    Open();
    Generate();
    QStringList filters;
    QString title;
    WhenModal<QFileDialog>([&](QFileDialog* dialog) {
        filters = dialog->nameFilters();
        title = dialog->windowTitle();
        // Choosing the SVG filter and typing a name without an extension.
        auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        if (!types || !name) {
            dialog->reject();
            return;
        }
        QTest::keyClick(types, Qt::Key_Down); // PNG to SVG, as by hand
        name->setText(QString::fromStdString(Folder.File("exported")));
        static_cast<QDialog*>(dialog)->accept(); // the Save button
    });
    Press(Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(title, "Export Picture");
    EXPECT_EQ(filters, (QStringList{"PNG pictures (*.png)", "SVG pictures (*.svg)", "PDF documents (*.pdf)"}));
    EXPECT_TRUE(Messages.empty()) << Messages.front();
    const std::string svg = ReadText(Folder.File("exported.svg"));
    // The board's own pixels, whatever the screen's.
    const TPictureSize size = BoardPictureSize(Window->Logic().BoardPanel().Plates(), 100);
    EXPECT_NE(svg.find("viewBox=\"0 0 " + std::to_string(size.width) + " " + std::to_string(size.height) + "\""),
              std::string::npos);
    // The texts of the board are there as text.
    EXPECT_NE(svg.find(">Grain</text>"), std::string::npos);
}

TEST_F(QtWindow, PrintWholeBoardOpensAPreviewOfOnePageInTheWindowsColours)
{
    Open();
    Generate();
    int pages = -1;
    int blue = -1;
    QString title;
    WhenModal<QPrintPreviewDialog>([&](QPrintPreviewDialog* dialog) {
        title = dialog->windowTitle();
        if (auto* view = dialog->findChild<QPrintPreviewWidget*>()) {
            pages = view->pageCount();
            const QImage shown = view->grab().toImage();
            blue = CountPixels(shown, shown.rect(), qRgb(0, 0, 255));
        }
        dialog->reject();
    });
    Press(Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(title, "Print Whole Board");
    EXPECT_EQ(pages, 1);
    EXPECT_GT(blue, 100); // the water, in colour
    EXPECT_TRUE(Printed.empty()) << "Ctrl+P's printing is not involved";
    EXPECT_TRUE(Messages.empty()) << "no question about colour";
}

// Run at scale factors 1, 1.5 and 2 (tests/app/CMakeLists.txt): the board
// is drawn with the screen's own pixels, the fills still stop at the
// outlines, and the printer gets the same picture.
TEST_F(QtWindow, BoardIsDrawnAtTheScreensResolution)
{
    Open();
    Generate();
    TBoardPanelWidget* panel = Window->BoardPanelWidget();
    const qreal ratio = panel->devicePixelRatioF();
    const double pixelsPerPixel = ratio * ratio;
    // At 50 per cent the outlines are one pixel wide as laid out.
    for (Qt::Key zoom : {Qt::Key_1, Qt::Key_5}) {
        SCOPED_TRACE(zoom == Qt::Key_1 ? "100%" : "50%");
        Press(zoom, Qt::ControlModifier);
        const QImage board = panel->grab().toImage();
        ASSERT_EQ(board.size(), panel->size() * ratio);
        // A fill leaking out of its hexagon would take the background with it.
        const int area = panel->width() * panel->height();
        EXPECT_GT(CountPixels(board, board.rect(), qRgb(0, 0, 255)), 1000 * pixelsPerPixel);
        EXPECT_GT(CountPixels(board, board.rect(), Window->palette().color(QPalette::Button).rgb()),
                  area * pixelsPerPixel / 10);
        if (ratio == 2) {
            EXPECT_GT(testing::SplitBlocks(board), 1000) << "the board is a picture scaled up";
        }

        // The printer gets what the view shows of the board (all of it when
        // it fits).
        const QImage printed = Window->CaptureClientArea();
        EXPECT_EQ(printed.devicePixelRatio(), ratio);
        QWidget* view = Window->BoardView()->viewport();
        const QImage shown = view->grab().toImage();
        const QRect where(view->mapTo(Window->centralWidget(), QPoint(0, 0)) * ratio, shown.size());
        EXPECT_TRUE(printed.copy(where).convertToFormat(shown.format()) == shown);
    }
}

// A board larger than the panel scrolls over the whole of its picture, by
// the scroll bars, the wheel (Shift+wheel sideways) and dragging; one that
// fits is drawn as it always was. Run at scale factor 2 too.
TEST_F(QtWindow, ABoardLargerThanThePanelScrollsAndOneThatFitsDoesNot)
{
    Open("autoVersionCheck=0\r\nzoomSize=75\r\n");
    Generate();
    TBoardView* view = Window->BoardView();
    TBoardPanelWidget* panel = Window->BoardPanelWidget();
    QWidget* viewport = view->viewport();
    const qreal ratio = panel->devicePixelRatioF();
    auto picture = [&](int width, int height) {
        TPaintOptions options;
        options.Zoom = Window->Logic().ZoomPercent();
        options.ButtonFace = ButtonFaceColor();
        return RenderBoardImage(Window->Logic().BoardPanel().Plates(), options, width, height, ratio)
            .convertToFormat(QImage::Format_RGB32);
    };
    auto shown = [&] { return viewport->grab().toImage().convertToFormat(QImage::Format_RGB32); };

    // The traditional board at 75 per cent fits: the panel is the whole view
    // at the client area's corner, with the picture it always had.
    EXPECT_FALSE(view->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(view->verticalScrollBar()->isVisible());
    EXPECT_EQ(panel->size(), viewport->size());
    EXPECT_EQ(panel->mapTo(Window->centralWidget(), QPoint(0, 0)), QPoint(0, 0));
    EXPECT_TRUE(shown() == picture(panel->width(), panel->height()));

    // A random board of 60 land plates at 100 per cent does not.
    TBoardSettings& settings = Window->Logic().EditableBoardSettings();
    settings.Shape = "random";
    for (int* count :
         {&settings.BrickCount, &settings.GrainCount, &settings.LumberCount, &settings.OreCount, &settings.WoolCount})
        *count = 12;
    Press(Qt::Key_1, Qt::ControlModifier);
    Generate();
    Generate();
    const TPictureSize board = BoardPictureSize(Window->Logic().BoardPanel().Plates(), 100);
    ASSERT_TRUE(board.width > viewport->width() || board.height > viewport->height());
    EXPECT_EQ(panel->size(), QSize(board.width, board.height).expandedTo(viewport->size()));
    QScrollBar* across = view->horizontalScrollBar();
    QScrollBar* down = view->verticalScrollBar();
    EXPECT_EQ(across->maximum(), panel->width() - viewport->width());
    EXPECT_EQ(down->maximum(), panel->height() - viewport->height());
    EXPECT_EQ(across->isVisible(), across->maximum() > 0);
    EXPECT_EQ(down->isVisible(), down->maximum() > 0);
    ASSERT_GT(across->maximum(), 40);
    ASSERT_GT(down->maximum(), 30);

    // The wheel scrolls down, Shift+wheel sideways.
    auto wheel = [&](Qt::KeyboardModifiers modifiers) {
        const QPointF at(viewport->width() / 2, viewport->height() / 2);
        QWheelEvent event(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(viewport, &event);
    };
    wheel(Qt::NoModifier);
    EXPECT_EQ(across->value(), 0);
    EXPECT_GT(down->value(), 0);
    down->setValue(0);
    wheel(Qt::ShiftModifier);
    EXPECT_GT(across->value(), 0);
    EXPECT_EQ(down->value(), 0);
    across->setValue(0);

    // The board follows the mouse that drags it.
    // Positions on the screen, where the panel was when the drag began.
    const QPoint start = panel->mapToGlobal(QPoint(0, 0));
    auto mouse = [&](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, panel->mapFromGlobal(start + at), start + at,
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(panel, &event);
    };
    mouse(QEvent::MouseButtonPress, QPoint(100, 100), Qt::LeftButton);
    mouse(QEvent::MouseMove, QPoint(80, 90), Qt::LeftButton);
    mouse(QEvent::MouseMove, QPoint(60, 70), Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, QPoint(60, 70), Qt::NoButton);
    EXPECT_EQ(across->value(), 40);
    EXPECT_EQ(down->value(), 30);

    // At the far corner the view shows the picture's corner, and Ctrl+P
    // prints what the window shows.
    across->setValue(across->maximum());
    down->setValue(down->maximum());
    const QPoint corner(across->value(), down->value());
    const QImage whole = picture(panel->width(), panel->height());
    EXPECT_TRUE(shown() == whole.copy(QRect(corner * ratio, viewport->size() * ratio)));
    Answer = TMsgAnswer::Yes;
    Press(Qt::Key_P, Qt::ControlModifier);
    ASSERT_EQ(Printed.size(), 1u);
    const QRect viewed(viewport->mapTo(Window->centralWidget(), QPoint(0, 0)) * ratio, viewport->size() * ratio);
    EXPECT_TRUE(Printed[0].copy(viewed).convertToFormat(QImage::Format_RGB32) == shown());

    // Alt+Left, pressed in the panel, still steps to the board before; it
    // is shown from its top-left corner.
    ASSERT_EQ(QApplication::focusWidget(), panel);
    QTest::keyClick(panel, Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(Current(), "[New random 2]");
    EXPECT_EQ(across->value(), 0);
    EXPECT_EQ(down->value(), 0);
}

// QApplication puts the C library into the user's locale, where these write a
// decimal comma: the status bar and the files the window writes must read as
// they do under C.
TEST_F(QtWindow, NumbersReadTheSameInEveryLocale)
{
    ChosenFile = Folder.File("board.mirl");
    std::string boardUnderC, settingsUnderC;
    for (const char* name : {"C", test::CommaLocales[0], test::CommaLocales[1]}) {
        SCOPED_TRACE(name);
        test::TScopedLocale locale(name);
        ASSERT_TRUE(locale.Ok) << "the locale is missing; scripts/deps.sh generates it";
        std::filesystem::remove(ChosenFile);
        Open();
        Generate();
        EXPECT_EQ(Window->Logic().StatusBar().Text(3), "mass stats: 1.89 - 4.42 - 4.42  (high)");
        Press(Qt::Key_S, Qt::ControlModifier);
        Press(Qt::Key_F12);
        const std::string board = ReadText(ChosenFile), settings = ReadText(Folder.File("VorniaGenerator.ini"));
        ASSERT_NE(board.find("plateCount="), std::string::npos);
        if (boardUnderC.empty()) {
            boardUnderC = board;
            settingsUnderC = settings;
        }
        EXPECT_EQ(board, boardUnderC);
        EXPECT_EQ(settings, settingsUnderC);
        Window.reset();
    }
}

TEST(ProgramIcon, IsDrawnWhenNoThemeHasIt)
{
    const QImage icon = ProgramIcon().pixmap(64, 64).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(icon.size(), QSize(64, 64));
    EXPECT_GT(CountPixels(icon, icon.rect(), qRgb(0, 0, 255)), 500);
    EXPECT_GT(CountPixels(icon, icon.rect(), qRgb(255, 255, 0)), 100);
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0); // outside the hexagon
}

} // namespace
} // namespace vornia::test

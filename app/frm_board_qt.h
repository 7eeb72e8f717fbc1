// The main window on Qt: a QMainWindow that mirrors TfrmBoard's menu and
// status bar, forwards its events to it and carries out what it asks of the
// toolkit (TWindowPort).
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include <QElapsedTimer>
#include <QMainWindow>

#include "frm_board.h"
#include "menu_bar_qt.h"
#include "net/version_socket_qt.h"
#include "window_port.h"

class QAction;
class QMenu;
class QPlainTextEdit;
class QTimer;

namespace vornia {

class TBoardPanelWidget;
class TBoardView;
class TStatusBarWidget;

// Stand-ins for the modal parts, so that tests can drive the window without
// a modal loop. Each one left empty uses the real dialog or printer.
struct TShellHooks {
    std::function<TMsgAnswer(const std::string& text, TMsgKind kind, TMsgButtons buttons)> Message;
    std::function<bool(bool save, const TFileDialogOptions& options, std::string& path)> ChooseFile;
    std::function<bool(TBoardSettings& settings)> Options;
    std::function<void(const std::string& host)> About;
    std::function<bool(const QImage& picture, std::string* error)> Print;
};

class TfrmBoardQt : public QMainWindow, private TWindowPort {
    Q_OBJECT
public:
    // settingsFolder empty: the current folder.
    explicit TfrmBoardQt(int osProduct, std::string settingsFolder = {}, TShellHooks hooks = {});
    ~TfrmBoardQt() override;

    // FormCreate; false when the settings file could not be opened (the
    // message has been shown and the program is to end).
    bool Create();

    TfrmBoard& Logic() { return Form; }
    TBoardPanelWidget* BoardPanelWidget() const { return Panel; }
    TBoardView* BoardView() const { return View; }
    TStatusBarWidget* StatusBarWidget() const { return Status; }
    QPlainTextEdit* MemWidget() const { return Mem; }
    // The action of a menu item, or the menu of a menu, by item name.
    QAction* Action(std::string_view name) const { return MenuBar.Action(name); }
    QMenu* Menu(std::string_view name) const { return MenuBar.Menu(name); }
    // The client area as the printer gets it.
    QImage CaptureClientArea() const;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The language changed: menus, caption and status bar in the new one.
    void changeEvent(QEvent* event) override;
    // Board files dropped on the window open as File/Open would open them.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // TWindowPort
    TMsgAnswer MessageBox(const std::string& text, TMsgKind kind, TMsgButtons buttons) override;
    bool ChooseSaveFile(const TFileDialogOptions& options, std::string& path) override;
    bool ChooseOpenFile(const TFileDialogOptions& options, std::string& path) override;
    void StartTimer(TWindowTimer timer, int intervalMs) override;
    void StopTimer(TWindowTimer timer) override;
    void SetLanguage(const std::string& code) override;
    void SetCaption(const std::string& caption) override;
    void SetWindowSize(TWindowSize size) override;
    TWindowSize WindowSize() const override;
    void Maximize() override;
    void CloseWindow() override;
    void RepaintBoard() override;
    void ScrollBoardHome() override;
    void HandlePendingEvents() override;
    void RepaintStatusBar() override;
    void SetStatusBarVisible(bool visible) override;
    void MenusChanged() override;
    void SetMemVisible(bool visible) override;
    void SetMemLines(const std::vector<std::string>& lines) override;
    bool RunOptionsDialog(TBoardSettings& settings) override;
    void ShowAboutDialog(const std::string& host) override;
    bool PrintClientArea(std::string* error) override;
    bool ExportPicture(const TPictureRequest& request, std::string* error) override;
    void PreviewWholeBoard(const TPlateList& plates, int zoom, bool blackAndWhite, bool localLabels,
                           bool cornerPips) override;
    TVersionSocketPort& VersionSocket() override { return Socket; }
    void AttachVersionCheck(TVersionCheck* check) override { Socket.Attach(check); }

    bool ChooseFile(bool save, const TFileDialogOptions& options, std::string& path);
    QTimer* TimerOf(TWindowTimer timer) const;
    // Takes the frame off the outer size asked for, once the frame is known
    // and while the window is neither maximised nor sized otherwise.
    void ApplyOuterSize();

    TShellHooks Hooks;
    // Declared before the logic: the logic detaches from it when destroyed.
    TVersionSocket Socket;
    TfrmBoard Form;
    TMenuBarMirror MenuBar;

    TBoardView* View = nullptr;
    TBoardPanelWidget* Panel = nullptr;
    TStatusBarWidget* Status = nullptr;
    QPlainTextEdit* Mem = nullptr;
    QTimer* timMakeBoard = nullptr;
    QTimer* timSize = nullptr;
    // The outer size asked for, kept until the frame is known; empty: none.
    QSize PendingOuterSize;
    QElapsedTimer PendingEventsClock;
    bool Created = false;
    bool Shown = false;
    bool Closed = false;
};

} // namespace vornia

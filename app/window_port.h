// What the main window's logic needs of the windowing toolkit. The Qt shell
// implements it; the tests implement it with a recording fake.
#pragma once

#include <string>
#include <vector>

#include "board/board_settings.h"
#include "render/board_picture.h"

namespace vornia {

class TVersionCheck;
class TVersionSocketPort;

enum class TMsgKind { Plain, Error, Information, Confirmation };
enum class TMsgButtons { Ok, YesNo };
// The button pressed; closing a box without a button counts as No (or Ok).
enum class TMsgAnswer { Ok, Yes, No };

enum class TWindowTimer { MakeBoard, Size };

struct TFileDialogOptions {
    // "mirl files (*.mirl)"; several filters are separated by ";;", and a
    // name typed without an extension then gets the chosen filter's.
    std::string Filter;
    std::string DefaultSuffix; // appended by the dialog to a name typed without one
    std::string StartFolder;   // empty: wherever the dialog was left
    std::string FileName = {}; // the name proposed in it; empty: none
    int FilterIndex = 0;       // which of the filters is chosen at first
    // The save dialog asks before replacing a file; off where the window
    // asks its own question.
    bool ConfirmOverwrite = false;
    std::string Title = {}; // empty: the toolkit's own
};

struct TWindowSize {
    int Width = 0;
    int Height = 0;
    friend bool operator==(const TWindowSize&, const TWindowSize&) = default;
};

class TWindowPort {
public:
    virtual ~TWindowPort() = default;

    virtual TMsgAnswer MessageBox(const std::string& text, TMsgKind kind, TMsgButtons buttons) = 0;
    // Modal file choosers; false when cancelled. path receives the chosen file.
    virtual bool ChooseSaveFile(const TFileDialogOptions& options, std::string& path) = 0;
    virtual bool ChooseOpenFile(const TFileDialogOptions& options, std::string& path) = 0;

    // One-shot timers of the window; when one fires the shell calls
    // TfrmBoard::TimerFired with its id.
    virtual void StartTimer(TWindowTimer timer, int intervalMs) = 0;
    virtual void StopTimer(TWindowTimer timer) = 0;

    virtual void SetCaption(const std::string& caption) = 0;
    // Outer size of the window (the maximised size while it is maximised).
    virtual void SetWindowSize(TWindowSize size) = 0;
    virtual TWindowSize WindowSize() const = 0;
    virtual void Maximize() = 0;
    // Closes the window; the shell then runs FormClose.
    virtual void CloseWindow() = 0;

    // The board panel is repainted from the logic's current board.
    virtual void RepaintBoard() = 0;
    // Another board comes to the panel: where the board is larger than the
    // panel, its top-left corner is shown first.
    virtual void ScrollBoardHome() {}
    // Called now and then while a board is being made: the events that are
    // waiting, a request to close the window above all, are handled now. The
    // menus are disabled meanwhile, so no command can start.
    virtual void HandlePendingEvents() {}
    // The status bar is redrawn from TfrmBoard::StatusBar().
    virtual void RepaintStatusBar() = 0;
    virtual void SetStatusBarVisible(bool visible) = 0;
    // The menu bar is brought in line with TfrmBoard::Menu() (items may
    // have been added, renamed, checked, enabled or shown).
    virtual void MenusChanged() = 0;
    // The debug text box: shown or hidden, and its lines.
    virtual void SetMemVisible(bool visible) = 0;
    virtual void SetMemLines(const std::vector<std::string>& lines) = 0;

    // The window's language: "" the system's, or "en", "de", "fr". The shell
    // loads its catalogues and then calls TfrmBoard::LanguageChanged, and
    // rebuilds its menus and any open dialog in it.
    virtual void SetLanguage(const std::string& code) { (void)code; }

    // Modal dialogs. The options dialog writes settings back only on OK.
    virtual bool RunOptionsDialog(TBoardSettings& settings) = 0;
    virtual void ShowAboutDialog(const std::string& host) = 0;
    // A picture of the client area (board panel, and the status bar and the
    // debug text box when visible) printed on the default printer, fitted
    // to one page; false with a reason when printing failed.
    virtual bool PrintClientArea(std::string* error) = 0;
    // The board's whole picture written as the request says; false with a
    // reason when it could not be written (an older file is then kept).
    virtual bool ExportPicture(const TPictureRequest& request, std::string* error) = 0;
    // A print preview of the whole board fitted to one page, from which the
    // user prints (or not).
    virtual void PreviewWholeBoard(const TPlateList& plates, int zoom, bool blackAndWhite, bool localLabels,
                                   bool cornerPips) = 0;

    // The socket and the time-out of the version check; TfrmBoard's
    // TVersionCheck drives them.
    virtual TVersionSocketPort& VersionSocket() = 0;
    // The check that the socket's events are to reach (nullptr: none).
    virtual void AttachVersionCheck(TVersionCheck* check) = 0;
};

} // namespace vornia

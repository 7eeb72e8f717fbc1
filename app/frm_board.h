// TfrmBoard: the main window's logic. It owns the board panel, the settings
// and the settings file for the whole run, the menu and the status bar as
// plain data, and the version check; it reaches the toolkit only through
// TWindowPort. The Qt shell forwards the window's events to it.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "board/board_analysis.h"
#include "board/panel_board.h"
#include "board/random_source.h"
#include "board/translate.h"
#include "board_list.h"
#include "files/ini_file.h"
#include "files/message_sink.h"
#include "files/open_board.h"
#include "files/settings.h"
#include "menu_model.h"
#include "net/version_check.h"
#include "status_bar.h"
#include "window_port.h"

namespace vornia {

inline constexpr std::string_view WindowCaption = VORNIA_TR_NOOP("Window", "Hexlanders Of Vornia Board Generator");
inline constexpr std::string_view ApplicationTitle = "Vornia Generator";
inline constexpr std::string_view VersionQuestion = VORNIA_TR_NOOP(
    "Window", "Would you like this application to automatically check for newer versions?\r\n"
              "If you select Yes it will request permission to access the internet, only once though.\r\n"
              "If you select No, you can turn this on later in Options.");
inline constexpr std::string_view SettingsOpenFailedText =
    VORNIA_TR_NOOP("Window", "Could not open VorniaGenerator.ini");
inline constexpr std::string_view BoardFileFilter = VORNIA_TR_NOOP("Window", "mirl files (*.mirl)");
inline constexpr std::string_view BoardFileExtension = "mirl";
inline constexpr std::string_view PictureFileFilter =
    VORNIA_TR_NOOP("Window", "PNG pictures (*.png);;SVG pictures (*.svg);;PDF documents (*.pdf)");
inline constexpr std::string_view PictureNameText = VORNIA_TR_NOOP(
    "Window", "Pictures are saved as PNG, SVG or PDF. Please choose a name ending in .png, .svg or .pdf.");

constexpr int MakeBoardIntervalMs = 10;
constexpr int SizeIntervalMs = 50;

enum class TKey { Other, Left, Right, F4 };

class TfrmBoard : private TMessageSink, private TVersionCheckListener {
public:
    // settingsFolder: where "VorniaGenerator.ini" is looked for; empty means
    // the current folder. osProduct: the system's product number (OSProduct).
    TfrmBoard(TWindowPort& port, int osProduct, std::string settingsFolder = {});
    ~TfrmBoard() override;
    TfrmBoard(const TfrmBoard&) = delete;
    TfrmBoard& operator=(const TfrmBoard&) = delete;

    // --- window events
    // False when the settings file could not be opened: the message has been
    // shown and the program is to end without writing anything.
    bool FormCreate();
    void FormShow();
    // Writes the settings file; a failure is shown, the window closes anyway.
    void FormClose();
    void FormDestroy();
    // True when the key was one of the window's (F4, Alt+Left, Alt+Right).
    bool FormKeyDown(TKey key, bool alt);
    void TimerFired(TWindowTimer timer);
    // A menu item was chosen (click or shortcut); ignored while the item or
    // a menu above it is hidden or disabled.
    void ClickMenuItem(std::string_view name);
    // The language in force changed: the caption and the status bar are
    // made again in it (the menus the shell translates as it shows them).
    void LanguageChanged();

    // --- operations the shell and the tests use
    const TBoardSettings& BoardSettings() const { return Settings.Board; }
    const std::string& GetShape() const { return Settings.Board.GetShape(); }
    int ZoomPercent() const { return Zoom; }
    void EnableMenus(bool enabled);
    // Files named on the command line: opened when the start-up is over,
    // after the first-run question, in order.
    void SetStartupBoardFiles(std::vector<std::string> paths) { StartupBoardFiles = std::move(paths); }
    // Files dropped on the window: opened as File/Open would, when File/Open
    // could be chosen now; false when they were refused.
    bool DropBoardFiles(const std::vector<std::string>& paths);

    // --- state the shell mirrors and the tests read
    const TMainMenu& Menu() const { return MainMenu; }
    const TStatusBar& StatusBar() const { return StatusBarModel; }
    TPanelStyle StatusPanelStyle(int panel, TColor fontColor, TColor brushColor) const;
    bool MemVisible() const { return MemShown; }
    const std::string& Caption() const { return CaptionText; }
    TPanelBoard& BoardPanel() { return *Panel; }
    const TPanelBoard& BoardPanel() const { return *Panel; }
    bool BlackAndWhite() const { return DrawInBlackAndWhite; }
    bool ShowCornerPips() const { return Settings.ShowCornerPips; }
    // The analysis of the board shown, made when first asked for after the
    // board changed (a generation, an opening, a switch, a new zoom).
    std::shared_ptr<const TBoardAnalysis> CurrentAnalysis() const;
    // The board's labels are drawn in the window's language.
    bool LocalLabels() const { return Settings.LocalLabels; }
    // The generator the boards are drawn from: reseeded from the clock as
    // each board is made.
    TRandomSource& BoardRandom() { return Random; }
    const TAppSettings& AppSettings() const { return Settings; }
    TBoardSettings& EditableBoardSettings() { return Settings.Board; }
    TVersionCheck* VersionCheck() { return Version.get(); }
    bool NewerVersionFound() const;
    bool DebugMode() const { return Settings.DebugMode; }
    bool DeferredMaximize() const { return Deferred; }
    // A board is being made: the current list is not yet a board to draw.
    bool MakingBoard() const { return Making; }
    int AutoVersionCheck() const { return Settings.AutoVersionCheck; }

private:
    // The menu handlers, reached through ClickMenuItem: HandlerOf looks the
    // fixed items up in a table of names; nullptr for the others.
    using TMenuHandler = void (TfrmBoard::*)();
    static TMenuHandler HandlerOf(std::string_view item);

    void mnuMakeNewBoardClick();
    void mnuRefreshBoardClick();
    void mnuSaveAsClick();
    void mnuExportPictureClick();
    void mnuOpenClick();
    void mnuPrintClick();
    void mnuPrintWholeBoardClick();
    void mnuExitClick();
    void mnuCustomShapesClick();
    void mnuBlackAndWhiteClick();
    void mnuCornerPipsClick();
    void mnuLocalLabelsClick();
    void mnuHundredClick();
    void mnuSeventyFiveClick();
    void mnuFiftyClick();
    void mnuAutoVersionCheckClick();
    void mnuAboutClick();
    void mnuToggleMemClick();
    void mnuDebugFillMemClick();
    void BoardMenuItemClick(std::string_view itemName);
    void timMakeBoardTimer();
    void timSizeTimer();

    // --- what the commands share
    void SetZoomMenu(int percent);
    void SetBoardCaption(const std::string& name);
    void ResetStatusBar(int flags);
    void ShowFailure(std::string_view reason);
    void DisplayStats(const TStats& stats);
    void AddBoardMenuItem(const std::string& name);
    void RenameBoardMenuItem(const std::string& newName, const std::string& oldName);
    void CycleBoards(TCycleDirection direction);
    void PaintBoard();
    void RefreshBoard();
    void ChangeZoom(int oldZoom);
    std::string VersionText() const;
    void AskAndCheckVersion();
    void StartVersionCheck();
    void SaveBoard();
    void OpenBoard();
    // OpenBoard for a file already chosen: the same checks, messages and
    // result. A file named on the command line that is missing or holds no
    // board is named in the message, on a line of its own, as one of
    // several may be.
    void OpenBoardFile(const std::string& chosen, bool namedOnCommandLine = false);
    void ExportPicture();
    // Sets the menu's check marks from the state they show (zoom, black and
    // white, the version check, the current board) and has the shell mirror
    // the menu.
    void UpdateMenuChecks();

    // TMessageSink: the file utilities' messages are plain boxes.
    void ShowMessage(const std::string& text) override;

    // TVersionCheckListener: the check's results come to the window; its
    // socket and timer are the window port's.
    void RepaintStatusBar() override;
    void ReportNewerVersion(const std::string& version) override;

    void ApplySettings();
    // Shows a board the panel made or opened: caption, menu entry, statistics, picture.
    void ShowMadeBoard(const TGenerationResult& made);
    // Makes a registered board current and shows it: caption, statistics,
    // picture; nothing when it is absent or already current.
    void ShowSwitchedBoard(const std::string& name);
    void OpenStartupBoardFiles();
    void ChooseZoom(int percent);
    void SetAutoVersionCheck(int value);
    void ChooseLanguage(const std::string& code);
    // A Language item: its language chosen; false for any other item.
    bool ClickLanguageItem(std::string_view name);
    bool CurrentBoardIsRegistered() const;
    // Moves the other boards of the run onto the grid of a new zoom, so that
    // a board switched to is drawn and measured at the zoom in force.
    void RescaleOtherBoards(int oldZoom, int newZoom);
    TMenuItem& FileMenu() { return MainMenu.Item(mnu::File); }

    TWindowPort& Port;
    std::string SettingsFolder;
    int SystemProduct;

    std::unique_ptr<TPanelBoard> Panel;
    TRandomSource Random;
    // The state the menu's check marks show: they are set from these fields,
    // never read back. CurrentBoardItem is the File-menu entry of the board
    // shown ("mnuBoard3"), empty before the first; a failed generation leaves
    // it on the board before.
    int Zoom = 100;
    bool DrawInBlackAndWhite = false;
    std::string CurrentBoardItem;
    std::unique_ptr<TIniFile> Ini;
    TAppSettings Settings;
    int OSVersionNumber = 0;
    bool Deferred = false;
    bool BoardSeparatorAdded = false;
    std::unique_ptr<TVersionCheck> Version;

    TMainMenu MainMenu;
    TStatusBar StatusBarModel;
    bool MemShown = false;
    std::vector<std::string> Mem;
    std::string CaptionText;
    std::optional<std::string> CaptionName; // the board named in the caption, as it is kept
    // Fills the status bar again as it was last filled, in the language in force.
    std::function<void()> RedoStatus;
    int NextBoardItem = 1;
    bool Making = false;
    bool Closing = false; // FormClose has run
    std::vector<std::string> StartupBoardFiles;
    mutable std::shared_ptr<const TBoardAnalysis> Analysis; // of the board shown; empty when it is to be made
};

} // namespace vornia

// The main window's menu commands and the board list of the run.
#include <array>
#include <utility>

#include "frm_board.h"
#include "render/print_layout.h"

namespace vornia {

TfrmBoard::TMenuHandler TfrmBoard::HandlerOf(std::string_view item)
{
    static constexpr std::array<std::pair<std::string_view, TMenuHandler>, 19> Handlers{{
        {mnu::MakeNewBoard, &TfrmBoard::mnuMakeNewBoardClick},
        {mnu::RefreshBoard, &TfrmBoard::mnuRefreshBoardClick},
        {mnu::SaveAs, &TfrmBoard::mnuSaveAsClick},
        {mnu::ExportPicture, &TfrmBoard::mnuExportPictureClick},
        {mnu::Open, &TfrmBoard::mnuOpenClick},
        {mnu::Print, &TfrmBoard::mnuPrintClick},
        {mnu::PrintWholeBoard, &TfrmBoard::mnuPrintWholeBoardClick},
        {mnu::Exit, &TfrmBoard::mnuExitClick},
        {mnu::CustomShape, &TfrmBoard::mnuCustomShapesClick},
        {mnu::BlackAndWhite, &TfrmBoard::mnuBlackAndWhiteClick},
        {mnu::CornerPips, &TfrmBoard::mnuCornerPipsClick},
        {mnu::LocalLabels, &TfrmBoard::mnuLocalLabelsClick},
        {mnu::Hundred, &TfrmBoard::mnuHundredClick},
        {mnu::SeventyFive, &TfrmBoard::mnuSeventyFiveClick},
        {mnu::Fifty, &TfrmBoard::mnuFiftyClick},
        {mnu::AutoVersionCheck, &TfrmBoard::mnuAutoVersionCheckClick},
        {mnu::About, &TfrmBoard::mnuAboutClick},
        {mnu::ToggleMem, &TfrmBoard::mnuToggleMemClick},
        {mnu::DebugFillMem, &TfrmBoard::mnuDebugFillMemClick},
    }};
    for (const auto& [name, handler] : Handlers)
        if (name == item)
            return handler;
    return nullptr;
}

void TfrmBoard::ClickMenuItem(std::string_view name)
{
    if (!Panel || !MainMenu.IsReachable(name))
        return;
    if (ClickLanguageItem(name))
        return;
    if (const TMenuHandler handler = HandlerOf(name)) {
        (this->*handler)();
        return;
    }
    const std::vector<const TMenuItem*> path = MainMenu.PathTo(name);
    if (path.size() == 1 && path.front()->Name == mnu::File && !MainMenu.Item(name).Hint.empty())
        BoardMenuItemClick(name);
}

// --- File

void TfrmBoard::mnuMakeNewBoardClick()
{
    ResetStatusBar(rsWaiting);
    Port.StartTimer(TWindowTimer::MakeBoard, MakeBoardIntervalMs);
}

void TfrmBoard::timMakeBoardTimer()
{
    Port.StopTimer(TWindowTimer::MakeBoard);
    EnableMenus(false);
    SetBoardCaption("");
    // A long search lets the window's own events through now and then, so
    // that closing the window is not kept waiting for it.
    Making = true;
    const TGenerationResult made = Panel->GenerateBoard(Settings.Board, ZoomPercent(), Random, [this] {
        Port.HandlePendingEvents();
        return !Closing;
    });
    Making = false;
    if (made.Stopped)
        return; // the window has closed: nothing is left to show it in
    // After a failure the caption stays blank and the attempt's empty list
    // is current: Save As refuses it.
    if (made.Made)
        ShowMadeBoard(made);
    else
        ShowFailure(made.FailureText);
    EnableMenus(true);
}

void TfrmBoard::mnuRefreshBoardClick()
{
    RefreshBoard();
}

void TfrmBoard::RefreshBoard()
{
    EnableMenus(false);
    PaintBoard();
    EnableMenus(true);
}

void TfrmBoard::mnuSaveAsClick()
{
    SaveBoard();
}

void TfrmBoard::mnuOpenClick()
{
    OpenBoard();
}

void TfrmBoard::mnuExportPictureClick()
{
    ExportPicture();
}

void TfrmBoard::mnuPrintClick()
{
    const TPrintDecision decision = DecidePrint(Panel->PlacedPlateCount(), DrawInBlackAndWhite);
    switch (decision.Step) {
    case TPrintStep::NoBoard: Port.MessageBox(Tr(decision.Message), TMsgKind::Information, TMsgButtons::Ok); return;
    case TPrintStep::ConfirmColor:
        if (Port.MessageBox(Tr(decision.Message), TMsgKind::Confirmation, TMsgButtons::YesNo) != TMsgAnswer::Yes)
            return;
        break;
    case TPrintStep::Print: break;
    }
    std::string error;
    if (!Port.PrintClientArea(&error))
        Port.MessageBox(TrFormat(VORNIA_TR_NOOP("Window", "Could not print the board:\r\n%1"), {error}),
                        TMsgKind::Error, TMsgButtons::Ok);
}

// The whole board, not the window's view of it, in a print preview; the
// preview shows the colours, so there is nothing to confirm.
void TfrmBoard::mnuPrintWholeBoardClick()
{
    if (Panel->PlacedPlateCount() <= 0) {
        Port.MessageBox(Tr(NoBoardToPrintText), TMsgKind::Information, TMsgButtons::Ok);
        return;
    }
    Port.PreviewWholeBoard(Panel->Plates(), ZoomPercent(), BlackAndWhite(), LocalLabels(), ShowCornerPips());
}

void TfrmBoard::mnuExitClick()
{
    Port.CloseWindow();
}

// --- Options

void TfrmBoard::mnuCustomShapesClick()
{
    Port.RunOptionsDialog(Settings.Board);
}

void TfrmBoard::mnuBlackAndWhiteClick()
{
    DrawInBlackAndWhite = !DrawInBlackAndWhite;
    UpdateMenuChecks();
    // Showing or hiding the status bar resizes the panel, which then
    // repaints in the new mode.
    StatusBarModel.Visible = !DrawInBlackAndWhite;
    Port.SetStatusBarVisible(StatusBarModel.Visible);
    PaintBoard();
}

void TfrmBoard::mnuCornerPipsClick()
{
    Settings.ShowCornerPips = !Settings.ShowCornerPips;
    UpdateMenuChecks();
    // The statistics panel's tooltip gains or loses the score.
    if (RedoStatus) {
        const std::function<void()> redo = RedoStatus;
        redo();
    }
    PaintBoard();
}

// The labels in the window's language or as the board holds them: the
// picture changes, the board does not.
void TfrmBoard::mnuLocalLabelsClick()
{
    Settings.LocalLabels = !Settings.LocalLabels;
    UpdateMenuChecks();
    PaintBoard();
}

void TfrmBoard::mnuHundredClick()
{
    ChooseZoom(100);
}

void TfrmBoard::mnuSeventyFiveClick()
{
    ChooseZoom(75);
}

void TfrmBoard::mnuFiftyClick()
{
    ChooseZoom(50);
}

void TfrmBoard::ChooseZoom(int percent)
{
    if (percent == Zoom)
        return;
    const int oldZoom = Zoom;
    SetZoomMenu(percent);
    ChangeZoom(oldZoom);
}

void TfrmBoard::ChangeZoom(int oldZoom)
{
    EnableMenus(false);
    // The placed plates move onto the new grid; nothing placed, nothing to repaint.
    Panel->SetZoom(ZoomPercent());
    if (RescaleBoard(Panel->Plates(), oldZoom, ZoomPercent()))
        PaintBoard();
    RescaleOtherBoards(oldZoom, ZoomPercent());
    EnableMenus(true);
}

void TfrmBoard::RescaleOtherBoards(int oldZoom, int newZoom)
{
    if (oldZoom == newZoom)
        return;
    for (const TBoardEntry& entry : Panel->Registry().Boards())
        if (entry.List.get() != &Panel->Plates())
            RescaleBoard(*entry.List, oldZoom, newZoom);
}

void TfrmBoard::mnuAutoVersionCheckClick()
{
    const bool nowChecked = Settings.AutoVersionCheck != 1;
    SetAutoVersionCheck(nowChecked ? 1 : 0);
    if (nowChecked)
        StartVersionCheck();
}

void TfrmBoard::mnuAboutClick()
{
    Port.ShowAboutDialog(Settings.VersionHost);
}

// --- Debug

void TfrmBoard::mnuToggleMemClick()
{
    MemShown = !MemShown;
    Port.SetMemVisible(MemShown);
}

void TfrmBoard::mnuDebugFillMemClick()
{
    Mem.clear();
    Panel->ListPlates([this](const std::string& line) { Mem.push_back(line); });
    Port.SetMemLines(Mem);
}

// --- board list of the run

void TfrmBoard::AddBoardMenuItem(const std::string& name)
{
    const std::size_t before = FileMenu().Items.size();
    const int entry = AddBoardEntry(FileMenu(), BoardSeparatorAdded, name, "mnuBoard" + std::to_string(NextBoardItem));
    if (FileMenu().Items.size() != before)
        ++NextBoardItem;
    if (entry >= 0)
        CurrentBoardItem = FileMenu().Items[static_cast<std::size_t>(entry)].Name;
    UpdateMenuChecks();
}

void TfrmBoard::RenameBoardMenuItem(const std::string& newName, const std::string& oldName)
{
    if (RenameBoardEntry(FileMenu(), newName, oldName))
        Port.MenusChanged();
}

void TfrmBoard::BoardMenuItemClick(std::string_view itemName)
{
    TMenuItem& file = FileMenu();
    int index = -1;
    for (std::size_t i = 0; i < file.Items.size(); ++i)
        if (file.Items[i].Name == itemName)
            index = static_cast<int>(i);
    if (index < 0)
        return;
    CurrentBoardItem = std::string(itemName);
    UpdateMenuChecks();
    const std::string hint = file.Items[static_cast<std::size_t>(index)].Hint;
    // After a failed generation the panel shows that attempt's empty list
    // under the name of the board before it; its entry brings it back.
    if (SameText(hint, Panel->BoardName()) && !CurrentBoardIsRegistered())
        Panel->Registry().ClearBoardName();
    ShowSwitchedBoard(hint);
}

void TfrmBoard::CycleBoards(TCycleDirection direction)
{
    const TMenuItem& file = FileMenu();
    const auto& boards = Panel->Registry().Boards();
    if (!file.Enabled || boards.size() < 2)
        return;
    const TMenuItem* current = MainMenu.Find(CurrentBoardItem);
    if (current == nullptr)
        return;
    const int k = Panel->Registry().FindBoard(current->Hint);
    if (k < 0)
        return;
    const int next = NeighbourPosition(k, static_cast<int>(boards.size()), direction);
    const int target = FindItemByHint(file, boards[static_cast<std::size_t>(next)].Name);
    if (target < 0)
        return;
    EnableMenus(false);
    const TMenuItem& entry = FileMenu().Items[static_cast<std::size_t>(target)];
    CurrentBoardItem = entry.Name;
    UpdateMenuChecks();
    const std::string hint = entry.Hint;
    ShowSwitchedBoard(hint);
    EnableMenus(true);
}

} // namespace vornia

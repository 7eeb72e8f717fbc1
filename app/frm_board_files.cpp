// Save As, Open and Export Picture: a board written to and read from a
// board file, and its picture written out.
#include <algorithm>
#include <array>
#include <filesystem>
#include <optional>
#include <system_error>

#include "files/board_file.h"
#include "files/file_utils.h"
#include "files/open_board.h"
#include "frm_board.h"

namespace vornia {

namespace {

constexpr std::string_view FirstGenerateText = VORNIA_TR_NOOP("Window", "Please first generate a board.");
constexpr std::string_view OverwriteQuestion =
    VORNIA_TR_NOOP("Window", "This board already exists. Overwrite existing board?");
constexpr std::string_view CouldNotSaveText = VORNIA_TR_NOOP("Window", "Sorry, could not save board.");
constexpr std::string_view CouldNotFindText = VORNIA_TR_NOOP("Window", "Sorry, could not find this board.");

// The picture formats in the order of PictureFileFilter and of TPictureFormat,
// by their extension.
constexpr std::array<std::string_view, 3> PictureExtensions{"png", "svg", "pdf"};

// The name Export Picture proposes: the board's name without its brackets,
// or for a board named after its file, that file's base name.
std::string ProposedPictureName(std::string_view boardName, std::string_view extension)
{
    if (boardName.size() >= 2 && boardName.front() == '[' && boardName.back() == ']')
        boardName = boardName.substr(1, boardName.size() - 2);
    std::string name(boardName);
    if (name.find('/') != std::string::npos)
        name = std::filesystem::path(name).stem().string();
    return name + "." + std::string(extension);
}

std::string CurrentFolder()
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    return error ? std::string() : folder.string();
}

} // namespace

bool TfrmBoard::CurrentBoardIsRegistered() const
{
    return Panel->Registry().CurrentIsRegistered();
}

void TfrmBoard::SaveBoard()
{
    // After a failed generation the current list is that attempt's unplaced
    // plates while the name still belongs to the board before it: saving
    // would write an empty board and give the earlier board the file's name.
    if (Panel->Plates().Empty() || !CurrentBoardIsRegistered()) {
        Port.MessageBox(Tr(FirstGenerateText), TMsgKind::Plain, TMsgButtons::Ok);
        return;
    }
    std::string chosen;
    if (!Port.ChooseSaveFile({Tr(BoardFileFilter), std::string(BoardFileExtension), {}}, chosen))
        return;
    std::string path = FullPath(chosen);

    if (CheckFileExists(path)) {
        if (Port.MessageBox(Tr(OverwriteQuestion), TMsgKind::Confirmation, TMsgButtons::YesNo) != TMsgAnswer::Yes)
            return;
    } else {
        std::string created;
        if (!CreateEmptyFile(path, std::string(BoardFileExtension), &created)) {
            Port.MessageBox(Tr(CouldNotSaveText), TMsgKind::Plain, TMsgButtons::Ok);
            return;
        }
        // A name typed without an extension got ".mirl": the board lives in
        // the file that was actually created.
        path = created;
    }

    std::unique_ptr<TIniFile> ini = OpenIniFile(path, *this);
    if (!ini)
        return;
    WriteBoard(*ini, Panel->Plates(), ZoomPercent());
    std::string error;
    if (!ini->UpdateFile(&error)) {
        // The board keeps its name: it is not in that file.
        Port.MessageBox(Tr(CouldNotSaveText) + "\r\n" + error, TMsgKind::Plain, TMsgButtons::Ok);
        return;
    }

    const std::string oldName = Panel->BoardName();
    Panel->Registry().SetBoardName(path);
    SetBoardCaption(Panel->BoardName());
    RenameBoardMenuItem(Panel->BoardName(), oldName);
    Panel->Registry().RenameBoard(oldName, Panel->BoardName());
}

void TfrmBoard::OpenBoard()
{
    std::string chosen;
    if (!Port.ChooseOpenFile({Tr(BoardFileFilter), std::string(BoardFileExtension), CurrentFolder()}, chosen))
        return;
    OpenBoardFile(chosen);
}

bool TfrmBoard::DropBoardFiles(const std::vector<std::string>& paths)
{
    if (!Panel || !MainMenu.IsReachable(mnu::Open))
        return false;
    for (const std::string& path : paths)
        OpenBoardFile(path);
    return true;
}

void TfrmBoard::OpenBoardFile(const std::string& chosen, bool namedOnCommandLine)
{
    const std::string path = FullPath(chosen);
    // Which of several files a message is about.
    const std::string named = namedOnCommandLine ? "\r\n" + path : std::string();
    if (!CheckFileExists(path)) {
        Port.MessageBox(Tr(CouldNotFindText) + named, TMsgKind::Plain, TMsgButtons::Ok);
        return;
    }
    std::unique_ptr<TIniFile> ini = OpenIniFile(path, *this);
    if (!ini)
        return;
    TBoardFileContent content = ReadBoard(*ini);
    ini.reset();
    // Any readable file reads as some board; only one with a board's keys is one.
    if (!content.HoldsBoard) {
        Port.MessageBox(Tr(NoBoardInFileText) + named, TMsgKind::Plain, TMsgButtons::Ok);
        return;
    }

    const int oldZoom = ZoomPercent();
    const TGenerationResult opened = vornia::OpenBoard(*Panel, std::move(content), path);
    ResetStatusBar(rsWaiting);
    // The zoom menu follows the board, and the other boards move onto its grid.
    SetZoomMenu(Panel->Zoom());
    RescaleOtherBoards(oldZoom, Panel->Zoom());
    ShowMadeBoard(opened);
}

void TfrmBoard::ExportPicture()
{
    if (Panel->PlacedPlateCount() <= 0) {
        Port.MessageBox(Tr(NoBoardToExportText), TMsgKind::Information, TMsgButtons::Ok);
        return;
    }
    // The folder and format of the last export, remembered across runs.
    const std::string extension = Settings.ExportFormat.empty() ? "png" : Settings.ExportFormat;
    TFileDialogOptions options{Tr(PictureFileFilter), extension, Settings.ExportFolder};
    options.FileName = ProposedPictureName(Panel->BoardName(), extension);
    options.FilterIndex = static_cast<int>(std::find(PictureExtensions.begin(), PictureExtensions.end(), extension) -
                                           PictureExtensions.begin());
    options.ConfirmOverwrite = true;
    options.Title = Tr(VORNIA_TR_NOOP("Window", "Export Picture"));
    std::string chosen;
    if (!Port.ChooseSaveFile(options, chosen))
        return;
    const std::string path = FullPath(chosen);
    const std::optional<TPictureFormat> format = PictureFormatOf(path);
    if (!format) {
        Port.MessageBox(Tr(PictureNameText), TMsgKind::Information, TMsgButtons::Ok);
        return;
    }
    std::string error;
    if (!Port.ExportPicture(
            {Panel->Plates(), ZoomPercent(), BlackAndWhite(), path, *format, LocalLabels(), ShowCornerPips()},
            &error)) {
        Port.MessageBox(TrFormat(VORNIA_TR_NOOP("Window", "Could not export the picture:\r\n%1"), {error}),
                        TMsgKind::Error, TMsgButtons::Ok);
        return;
    }
    Settings.ExportFolder = std::filesystem::path(path).parent_path().string();
    Settings.ExportFormat = PictureExtensions[static_cast<std::size_t>(*format)];
}

} // namespace vornia

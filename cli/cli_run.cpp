#include "cli_run.h"

#include <filesystem>
#include <system_error>

#include "board/fair_rules.h"
#include "board/panel_board.h"
#include "board/random_source.h"
#include "board/status_texts.h"
#include "cli_batch.h"
#include "cli_owner.h"
#include "files/board_file.h"
#include "files/file_utils.h"
#include "files/open_board.h"
#include "files/settings.h"

namespace vornia {

namespace {

void PrintPanels(std::ostream& out, const TPanelBoard& panel, const TCliOwner& owner, bool balance)
{
    out << panel.BoardName() << '\n';
    for (const auto& text : owner.Panels)
        out << text << '\n';
    out << AttemptsText(panel.Attempts()) << '\n';
    if (balance)
        out << BalanceLine(ComputeBalance(panel.Plates(), owner.Zoom)) << '\n';
}

bool ReadIni(const std::string& path, TIniFile& ini, std::ostream& err)
{
    std::string text, error;
    if (!ReadWholeFile(path, text, &error)) {
        err << "vornia-cli: cannot read " << path << ": " << error << '\n';
        return false;
    }
    ini = TIniFile::FromText(text, FullPath(path));
    return true;
}

// Every picture the arguments ask for, PNG, SVG, PDF in turn; the first
// that cannot be written ends the run.
int WritePictures(const TCliArgs& args, const TPlateList& plates, int zoom, const TPictureWriter& writePicture,
                  std::ostream& err)
{
    for (const auto& [path, format] :
         {std::pair{&args.PngFile, TPictureFormat::Png}, std::pair{&args.SvgFile, TPictureFormat::Svg},
          std::pair{&args.PdfFile, TPictureFormat::Pdf}}) {
        if (path->empty())
            continue;
        std::string error;
        if (!writePicture || !writePicture({plates, zoom, args.BlackAndWhite, *path, format}, error)) {
            err << "vornia-cli: cannot write " << *path << ": " << error << '\n';
            return ExitFileError;
        }
    }
    return ExitOk;
}

// The settings of generate: the defaults, then the settings file, then the options.
bool SetUpOwner(const TCliArgs& args, TCliOwner& owner, std::ostream& err)
{
    TAppSettings settings;
    if (!args.SettingsFile.empty()) {
        TIniFile ini;
        if (!ReadIni(args.SettingsFile, ini, err))
            return false;
        LoadSettings(ini, settings);
    }
    owner.Settings = settings.Board;
    owner.Zoom = settings.Zoom;
    if (args.Shape)
        owner.Settings.Shape = *args.Shape;
    if (args.Mass)
        owner.Settings.MassDensity = *args.Mass;
    for (const auto& [key, value] : args.Counts)
        for (const auto& k : CountKeys)
            if (k.Key == key)
                owner.Settings.*(k.Field) = value;
    if (args.Zoom)
        owner.Zoom = *args.Zoom;
    if (args.Fair)
        owner.Settings.Fair = *args.Fair;
    return true;
}

int Generate(const TCliArgs& args, std::ostream& out, std::ostream& err, const TPictureWriter& writePicture,
             bool progress, const TBookletMaker& makeBooklet)
{
    TCliOwner owner;
    if (!SetUpOwner(args, owner, err))
        return ExitFileError;
    if (!args.OutDir.empty())
        return GenerateBatch(args, owner, out, err, progress, makeBooklet);

    std::error_code notFolder;
    if (!args.OutFile.empty() && std::filesystem::is_directory(args.OutFile, notFolder)) {
        err << "vornia-cli: " << args.OutFile << " is a folder; --out names the board file to write\n";
        return ExitFileError;
    }
    if (!args.OutFile.empty() && !args.Force && CheckFileExists(args.OutFile)) {
        err << "vornia-cli: " << args.OutFile << " exists already (use --force to overwrite it)\n";
        return ExitFileError;
    }

    if (args.Seed)
        RandomSource().UseFixedClock(*args.Seed);
    TPanelBoard panel(owner);
    panel.GenerateBoard();
    RandomSource().UseSystemClock();
    if (owner.Failed) {
        err << owner.FailureReason << '\n';
        return ExitNoBoard;
    }

    if (!args.OutFile.empty()) {
        TIniFile ini(args.OutFile);
        WriteBoard(ini, panel.Plates(), owner.Zoom);
        std::string error;
        if (!ini.UpdateFile(&error)) {
            err << "vornia-cli: cannot write " << args.OutFile << ": " << error << '\n';
            return ExitFileError;
        }
    }
    if (const int status = WritePictures(args, panel.Plates(), owner.Zoom, writePicture, err); status != ExitOk)
        return status;
    PrintPanels(out, panel, owner, args.Balance);
    return ExitOk;
}

// Reads a board file and opens it as the Open command does.
bool OpenBoardFile(const std::string& path, TPanelBoard& panel, TCliOwner& owner, std::ostream& err)
{
    TIniFile ini;
    if (!ReadIni(path, ini, err))
        return false;
    OpenBoard(panel, ReadBoard(ini), FullPath(path), [&owner](int zoom) { owner.Zoom = zoom; });
    return true;
}

int Stats(const TCliArgs& args, std::ostream& out, std::ostream& err)
{
    TCliOwner owner;
    if (args.Shape)
        owner.Settings.Shape = *args.Shape;
    if (args.Mass)
        owner.Settings.MassDensity = *args.Mass;
    TPanelBoard panel(owner);
    if (!OpenBoardFile(args.BoardFile, panel, owner, err))
        return ExitFileError;
    PrintPanels(out, panel, owner, args.Balance);
    return ExitOk;
}

int Render(const TCliArgs& args, std::ostream& err, const TPictureWriter& writePicture)
{
    TCliOwner owner;
    TPanelBoard panel(owner);
    if (!OpenBoardFile(args.BoardFile, panel, owner, err))
        return ExitFileError;
    if (args.Zoom && *args.Zoom != owner.Zoom) {
        RescalePlates(panel.Plates(), owner.Zoom, *args.Zoom);
        owner.Zoom = *args.Zoom;
    }
    return WritePictures(args, panel.Plates(), owner.Zoom, writePicture, err);
}

} // namespace

int RunCli(const TCliArgs& args, std::ostream& out, std::ostream& err, const TPictureWriter& writePicture,
           bool progress, const TBookletMaker& makeBooklet)
{
    switch (args.Command) {
    case TCliCommand::Help: out << CliUsage(); return ExitOk;
    case TCliCommand::Generate: return Generate(args, out, err, writePicture, progress, makeBooklet);
    case TCliCommand::Stats: return Stats(args, out, err);
    case TCliCommand::Render: return Render(args, err, writePicture);
    }
    return ExitUsage;
}

} // namespace vornia

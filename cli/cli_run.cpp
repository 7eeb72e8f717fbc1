#include "cli_run.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "board/board_analysis.h"
#include "board/fair_rules.h"
#include "board/panel_board.h"
#include "board/random_source.h"
#include "board/status_texts.h"
#include "cli_analysis.h"
#include "cli_batch.h"
#include "files/board_file.h"
#include "files/file_utils.h"
#include "files/open_board.h"
#include "files/settings.h"

namespace vornia {

namespace {

void PrintBoardAnalysis(std::ostream& out, const TPanelBoard& panel, const std::string& name, bool json)
{
    const TBoardAnalysis analysis = AnalyseBoard(panel.Plates(), panel.Zoom());
    if (json)
        out << AnalysisJson(analysis, name, panel.Zoom()) << '\n';
    else
        PrintAnalysis(out, analysis);
}

// The board's name and the status panels as the window shows them for the settings.
void PrintPanels(std::ostream& out, const TPanelBoard& panel, const TGenerationResult& made,
                 const TBoardSettings& settings, bool balance)
{
    out << made.Name << '\n';
    for (const auto& text : StatsPanelTexts(made.Stats, settings.Shape, settings.MassDensity, settings.Fair.Any()))
        out << text << '\n';
    out << AttemptsText(panel.Attempts()) << '\n';
    if (balance)
        out << BalanceLine(ComputeBalance(panel.Plates(), panel.Zoom())) << '\n';
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
        if (!writePicture ||
            !writePicture({plates, zoom, args.BlackAndWhite, *path, format, false, args.CornerPips}, error)) {
            err << "vornia-cli: cannot write " << *path << ": " << error << '\n';
            return ExitFileError;
        }
    }
    return ExitOk;
}

// The settings of generate: the defaults, then the settings file, then the options.
bool SetUpSettings(const TCliArgs& args, TBoardSettings& board, int& zoom, std::ostream& err)
{
    TAppSettings settings;
    if (!args.SettingsFile.empty()) {
        TIniFile ini;
        if (!ReadIni(args.SettingsFile, ini, err))
            return false;
        LoadSettings(ini, settings);
    }
    board = settings.Board;
    zoom = settings.Zoom;
    ApplyBoardOptions(args, board, zoom);
    return true;
}

int Generate(const TCliArgs& args, std::ostream& out, std::ostream& err, const TPictureWriter& writePicture,
             bool progress, const TBookletMaker& makeBooklet)
{
    TBoardSettings settings;
    int zoom = 100;
    if (!SetUpSettings(args, settings, zoom, err))
        return ExitFileError;
    if (!args.OutDir.empty())
        return GenerateBatch(args, settings, zoom, out, err, progress, makeBooklet);

    std::error_code notFolder;
    if (!args.OutFile.empty() && std::filesystem::is_directory(args.OutFile, notFolder)) {
        err << "vornia-cli: " << args.OutFile << " is a folder; --out names the board file to write\n";
        return ExitFileError;
    }
    if (!args.OutFile.empty() && !args.Force && CheckFileExists(args.OutFile)) {
        err << "vornia-cli: " << args.OutFile << " exists already (use --force to overwrite it)\n";
        return ExitFileError;
    }

    TRandomSource random;
    if (args.Seed)
        random.UseFixedClock(*args.Seed);
    TPanelBoard panel;
    const TGenerationResult made = panel.GenerateBoard(settings, zoom, random);
    if (!made.Made) {
        err << made.FailureText << '\n';
        return ExitNoBoard;
    }

    if (!args.OutFile.empty()) {
        TIniFile ini(args.OutFile);
        WriteBoard(ini, panel.Plates(), zoom);
        std::string error;
        if (!ini.UpdateFile(&error)) {
            err << "vornia-cli: cannot write " << args.OutFile << ": " << error << '\n';
            return ExitFileError;
        }
    }
    if (const int status = WritePictures(args, panel.Plates(), zoom, writePicture, err); status != ExitOk)
        return status;
    if (!args.Json)
        PrintPanels(out, panel, made, settings, args.Balance);
    if (args.Analyse)
        PrintBoardAnalysis(out, panel, made.Name, args.Json);
    return ExitOk;
}

// Reads a board file and opens it as the Open command does; nothing when it
// cannot be read or holds no board.
std::optional<TGenerationResult> OpenBoardFile(const std::string& path, TPanelBoard& panel, std::ostream& err)
{
    TIniFile ini;
    if (!ReadIni(path, ini, err))
        return std::nullopt;
    TBoardFileContent content = ReadBoard(ini);
    if (!content.HoldsBoard) {
        err << "vornia-cli: " << path << ": holds no board\n";
        return std::nullopt;
    }
    return OpenBoard(panel, std::move(content), FullPath(path));
}

int Stats(const TCliArgs& args, std::ostream& out, std::ostream& err)
{
    TBoardSettings settings;
    if (args.Shape)
        settings.Shape = *args.Shape;
    if (args.Mass)
        settings.MassDensity = *args.Mass;
    TPanelBoard panel;
    const std::optional<TGenerationResult> opened = OpenBoardFile(args.BoardFile, panel, err);
    if (!opened)
        return ExitFileError;
    PrintPanels(out, panel, *opened, settings, args.Balance);
    return ExitOk;
}

int Analyse(const TCliArgs& args, std::ostream& out, std::ostream& err)
{
    TPanelBoard panel;
    const std::optional<TGenerationResult> opened = OpenBoardFile(args.BoardFile, panel, err);
    if (!opened)
        return ExitFileError;
    if (!args.Json)
        out << opened->Name << '\n';
    PrintBoardAnalysis(out, panel, opened->Name, args.Json);
    return ExitOk;
}

int Render(const TCliArgs& args, std::ostream& err, const TPictureWriter& writePicture)
{
    TPanelBoard panel;
    if (!OpenBoardFile(args.BoardFile, panel, err))
        return ExitFileError;
    if (args.Zoom && *args.Zoom != panel.Zoom()) {
        RescaleBoard(panel.Plates(), panel.Zoom(), *args.Zoom);
        panel.SetZoom(*args.Zoom);
    }
    return WritePictures(args, panel.Plates(), panel.Zoom(), writePicture, err);
}

} // namespace

void ApplyBoardOptions(const TCliArgs& args, TBoardSettings& settings, int& zoom)
{
    if (args.Shape)
        settings.Shape = *args.Shape;
    if (args.Mass)
        settings.MassDensity = *args.Mass;
    // A piece set first, wherever it stands: single counts change it.
    if (args.Pieces)
        if (const TPieceSet* set = FindPieceSet(*args.Pieces))
            SetPieceCounts(settings, set->Counts);
    for (const auto& [key, value] : args.Counts)
        for (const auto& k : CountKeys)
            if (k.Key == key)
                settings.*(k.Field) = value;
    if (args.Zoom)
        zoom = *args.Zoom;
    if (args.Fair)
        settings.Fair = *args.Fair;
}

int RunCli(const TCliArgs& args, std::ostream& out, std::ostream& err, const TPictureWriter& writePicture,
           bool progress, const TBookletMaker& makeBooklet)
{
    switch (args.Command) {
    case TCliCommand::Help: out << CliUsage(); return ExitOk;
    case TCliCommand::Generate: return Generate(args, out, err, writePicture, progress, makeBooklet);
    case TCliCommand::Stats: return Stats(args, out, err);
    case TCliCommand::Render: return Render(args, err, writePicture);
    case TCliCommand::Analyse: return Analyse(args, out, err);
    }
    return ExitUsage;
}

} // namespace vornia

#include "core_bridge.h"

#include <memory>
#include <utility>

#include "board/board_analysis.h"
#include "board/catalogue_table.h"
#include "board/fair_rules.h"
#include "board/panel_board.h"
#include "board/random_source.h"
#include "board/status_texts.h"
#include "cli/cli_args.h"
#include "cli/cli_run.h"
#include "files/board_file.h"
#include "files/file_utils.h"
#include "files/ini_file.h"
#include "files/open_board.h"
#include "render/board_painter.h"
#include "render/board_picture.h"

namespace vornia {

namespace {

// The board the panel made, with its status panels under the settings.
void TakeResult(TWebBoard& board, const TPanelBoard& panel, const TGenerationResult& made,
                const TBoardSettings& settings)
{
    board.Made = true;
    board.Name = made.Name;
    board.Panels = StatsPanelTexts(made.Stats, settings.Shape, settings.MassDensity, settings.Fair.Any());
    board.Attempts = AttemptsText(panel.Attempts());
    board.Balance = BalanceLine(ComputeBalance(panel.Plates(), panel.Zoom()));
    board.Zoom = panel.Zoom();
    TIniFile ini;
    WriteBoard(ini, panel.Plates(), panel.Zoom());
    board.BoardFile = ini.ToText();
}

// The first of the tool's words that only make sense for its files and
// exports; empty when there is none.
std::string_view ExportWord(const TCliArgs& args)
{
    const std::pair<bool, std::string_view> words[] = {
        {args.BlackAndWhite, "--bw"},     {!args.PngFile.empty(), "--png"},
        {!args.SvgFile.empty(), "--svg"}, {!args.PdfFile.empty(), "--pdf"},
        {!args.OutFile.empty(), "--out"}, {!args.OutDir.empty(), "--out-dir"},
        {args.Force, "--force"},          {!args.SettingsFile.empty(), "--settings"},
        {args.Balance, "--balance"},
    };
    for (const auto& [given, word] : words)
        if (given)
            return word;
    return {};
}

} // namespace

TWebBoard GenerateWebBoard(const std::vector<std::string>& words, TPanelBoard& panel)
{
    TWebBoard board;
    std::vector<std::string> line{"vornia-cli", "generate"};
    line.insert(line.end(), words.begin(), words.end());
    const TCliParse parse = ParseCliArgs(line);
    if (!parse.Ok || !parse.Args.Seed) {
        board.Error = parse.Ok ? "missing seed" : parse.Error;
        return board;
    }
    const TCliArgs& args = parse.Args;
    // A board is made from its request alone: words for files and pictures
    // (black and white is a way of drawing, not of making) are not the
    // module's to take.
    if (const std::string_view word = ExportWord(args); !word.empty()) {
        board.Error = std::string(word) + " is for the tool's files, not for making a board";
        return board;
    }
    // The tool's defaults rather than a settings file, then the words.
    TBoardSettings settings;
    int zoom = 100;
    ApplyBoardOptions(args, settings, zoom);
    board.Seed = *args.Seed;
    board.Zoom = zoom;

    TRandomSource random;
    random.UseFixedClock(*args.Seed);

    const TGenerationResult made = panel.GenerateBoard(settings, zoom, random);
    if (!made.Made) {
        board.Failure = made.FailureText;
        return board;
    }
    TakeResult(board, panel, made, settings);
    return board;
}

TWebBoard OpenWebBoard(const std::string& name, std::string_view bytes, const TBoardSettings& settings)
{
    TWebBoard board;
    if (bytes.size() > MaxIniFileBytes) {
        board.Error = TrFormat(CouldNotOpenText, {name});
        return board;
    }
    TBoardFileContent content = ReadBoard(TIniFile::FromText(bytes));
    if (!content.HoldsBoard) {
        board.Error = Tr(NoBoardInFileText);
        return board;
    }
    TPanelBoard panel;
    const TGenerationResult opened = OpenBoard(panel, std::move(content), name);
    TakeResult(board, panel, opened, settings);
    return board;
}

TWebDrawn DrawWebBoard(std::string_view boardFile, int zoom, const TWebDrawing& drawing)
{
    TWebDrawn drawn;
    TBoardFileContent content = ReadBoard(TIniFile::FromText(boardFile));
    if (!content.HoldsBoard || !content.Plates) {
        drawn.Error = "no board";
        return drawn;
    }
    TPlateList& plates = *content.Plates;
    zoom = CleanZoom(zoom);
    if (content.Zoom != zoom)
        RescaleBoard(plates, content.Zoom, zoom);
    const TPictureSize size = BoardPictureSize(plates, zoom);
    auto list = std::make_unique<TDisplayListCanvas>(size.width, size.height);
    TPaintOptions options;
    options.Zoom = zoom;
    options.BlackAndWhite = drawing.BlackAndWhite;
    options.LocalLabels = drawing.LocalLabels;
    // The background, then a group per plate: the painter's order.
    list->SetBrushColor(drawing.BlackAndWhite ? clWhite : options.ButtonFace);
    list->FillRect(0, 0, size.width, size.height);
    for (int i = 0; i < plates.Count(); ++i) {
        list->BeginGroup();
        DrawPlate(*list, plates, i, options);
        list->EndGroup();
    }
    if (drawing.CornerPips) {
        const auto analysis = std::make_shared<const TBoardAnalysis>(AnalyseBoard(plates, zoom));
        options.Analysis = analysis;
        list->BeginGroup();
        DrawCornerPips(*list, plates, options);
        list->EndGroup();
        drawn.Analysis = AnalysisSummary(*analysis);
    }
    drawn.List = std::move(list);
    return drawn;
}

std::string UseWebLanguage(std::string_view language)
{
    return UseCatalogue(BuiltInCatalogues(), language);
}

} // namespace vornia

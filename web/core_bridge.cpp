#include "core_bridge.h"

#include "board/ascii_text.h"
#include "board/fair_rules.h"
#include "board/panel_board.h"
#include "board/plain_owner.h"
#include "board/random_source.h"
#include "board/status_texts.h"
#include "cli/cli_args.h"
#include "files/board_file.h"
#include "files/ini_file.h"
#include "files/open_board.h"
#include "render/board_painter.h"
#include "render/board_picture.h"

namespace vornia {

namespace {

constexpr std::string_view NoBoardText = "Sorry, this file holds no board.";

// What the board panel reports, kept for the page.
class TWebOwner : public TPlainBoardOwner {
public:
    std::array<std::string, 4> Panels;

    void DisplayStats(const TStats& stats) override
    {
        TPlainBoardOwner::DisplayStats(stats);
        Panels = StatsPanelTexts(stats, Settings.Shape, Settings.MassDensity);
    }
};

// A file with neither a plate count nor a plate line is no board file at all.
bool HoldsBoard(const TIniFile& ini)
{
    for (const auto& section : ini.Sections())
        if (SameText(section.Name, "settings"))
            for (const std::string& line : section.Lines)
                if (SameText(std::string_view(line).substr(0, 6), "plate[") ||
                    SameText(std::string_view(line).substr(0, line.find('=')), "plateCount"))
                    return true;
    return false;
}

void TakeResult(TWebBoard& board, const TPanelBoard& panel, const TWebOwner& owner)
{
    board.Made = true;
    board.Name = panel.BoardName();
    board.Panels = owner.Panels;
    board.Attempts = AttemptsText(panel.Attempts());
    board.Balance = BalanceLine(ComputeBalance(panel.Plates(), owner.Zoom));
    board.Zoom = owner.Zoom;
    TIniFile ini;
    WriteBoard(ini, panel.Plates(), owner.Zoom);
    board.BoardFile = ini.ToText();
}

} // namespace

TWebBoard GenerateWebBoard(const std::vector<std::string>& words)
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
    TWebOwner owner;
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
    board.Seed = *args.Seed;
    board.BlackAndWhite = args.BlackAndWhite;
    board.Zoom = owner.Zoom;

    RandomSource().UseFixedClock(*args.Seed);
    TPanelBoard panel(owner);
    panel.GenerateBoard();
    RandomSource().UseSystemClock();
    if (owner.Failed) {
        board.Failure = owner.FailureReason;
        return board;
    }
    TakeResult(board, panel, owner);
    return board;
}

TWebBoard OpenWebBoard(const std::string& name, std::string_view bytes, const std::string& shape,
                       const std::string& mass)
{
    TWebBoard board;
    if (bytes.size() > MaxIniFileBytes) {
        board.Error = "Could not open " + name;
        return board;
    }
    TWebOwner owner;
    if (IsKnownShape(shape))
        owner.Settings.Shape = shape;
    if (IsKnownLandMass(mass))
        owner.Settings.MassDensity = mass;
    const TIniFile ini = TIniFile::FromText(bytes);
    if (!HoldsBoard(ini)) {
        board.Error = std::string(NoBoardText);
        return board;
    }
    TPanelBoard panel(owner);
    OpenBoard(panel, ReadBoard(ini), name, [&owner](int zoom) { owner.Zoom = zoom; });
    TakeResult(board, panel, owner);
    return board;
}

std::unique_ptr<TDisplayListCanvas> DrawWebBoard(std::string_view boardFile, int zoom, bool blackAndWhite,
                                                 std::string& error)
{
    TBoardFileContent content = ReadBoard(TIniFile::FromText(boardFile));
    if (!content.Plates) {
        error = "no board";
        return nullptr;
    }
    TPlateList& plates = *content.Plates;
    zoom = CleanZoom(zoom);
    if (content.Zoom != zoom)
        RescalePlates(plates, content.Zoom, zoom);
    const TPictureSize size = BoardPictureSize(plates, zoom);
    auto list = std::make_unique<TDisplayListCanvas>(size.width, size.height);
    TPaintOptions options;
    options.Zoom = zoom;
    options.BlackAndWhite = blackAndWhite;
    // The background, then a group per plate: the painter's order.
    list->SetBrushColor(blackAndWhite ? clWhite : options.ButtonFace);
    list->FillRect(0, 0, size.width, size.height);
    for (int i = 0; i < plates.Count(); ++i) {
        list->BeginGroup();
        DrawPlate(*list, plates, i, options);
        list->EndGroup();
    }
    return list;
}

} // namespace vornia

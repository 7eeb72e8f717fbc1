#include "web_json.h"

#include "board/catalogue_table.h"
#include "board/fair_rules.h"
#include "board/generator_version.h"
#include "board/piece_sets.h"
#include "board/translate.h"
#include "board/walked_shapes.h"
#include "catalogue_languages.h"
#include "cli/cli_args.h"
#include "files/file_utils.h"
#include "files/open_board.h"
#include "options/custom_options.h"
#include "render/board_picture.h"

namespace vornia {

namespace {

// The page's own captions for its settings and its messages.
constexpr const char* PageContext = "Page";
constexpr const char* LandMassCaption = VORNIA_TR_NOOP("Page", "Land mass");
constexpr const char* ZoomCaption = VORNIA_TR_NOOP("Page", "Zoom");
//: %1 is the largest count, 500.
constexpr const char* CountRefusedText = VORNIA_TR_NOOP("Page", "A count is a whole number from 0 to %1.");
constexpr const char* DialogContext = "TfrmCustomOptions";
constexpr const char* ShapeCaption = VORNIA_TR_NOOP("TfrmCustomOptions", "Shape");
constexpr const char* FairCaption = VORNIA_TR_NOOP("TfrmCustomOptions", "Fair Board");
constexpr std::array ZoomChoices{100, 75, 50};

// A caption of the window's without its shortcut mark: "&Brick:" is "Brick:".
std::string WithoutShortcut(std::string text)
{
    std::erase(text, '&');
    return text;
}

// The drawing words a link carries, each true or false.
TJson DrawingJson(const TWebDrawing& drawing)
{
    TJson json = TJson::object();
    for (const auto& word : DrawingWords)
        json[std::string(word.Word)] = drawing.*(word.Field);
    return json;
}

TJson CountsObject(const TBoardSettings& settings)
{
    TJson counts = TJson::object();
    for (const auto& count : CountKeys)
        counts[std::string(count.Key)] = settings.*(count.Field);
    return counts;
}

} // namespace

std::string JsonText(const TJson& json)
{
    return json.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

TJson BoardJson(const TWebBoard& board, int boardsNamed)
{
    return {{"made", board.Made},     {"error", board.Error},       {"failure", board.Failure}, {"name", board.Name},
            {"panels", board.Panels}, {"attempts", board.Attempts}, {"balance", board.Balance}, {"zoom", board.Zoom},
            {"seed", board.Seed},     {"boardsNamed", boardsNamed}};
}

TJson LinkJson(const TWebLink& link)
{
    return {
        {"error", link.Error}, {"notice", link.Notice}, {"words", link.Words}, {"drawing", DrawingJson(link.Drawing)}};
}

TJson SettingsJson(const TWebSettings& settings)
{
    TJson fair = TJson::array();
    for (const auto& row : FairRuleRows)
        if (settings.Board.Fair.*(row.Field))
            fair.push_back(row.Word);
    TJson json = {{"shape", settings.Board.Shape}, {"mass", settings.Board.MassDensity}, {"zoom", settings.Zoom}};
    json.update(DrawingJson(settings.Drawing));
    json["localLabels"] = settings.Drawing.LocalLabels;
    json["fair"] = fair;
    json["counts"] = CountsObject(settings.Board);
    return json;
}

TJson CountsJson(std::string_view shape, const TCountTexts& counts)
{
    const TCountsCheck check = CheckCounts(shape, counts);
    return {{"editable", check.Editable},
            {"totals", check.Totals},
            {"diceQuestion", check.DiceQuestion},
            {"refused", check.Refused}};
}

TJson TablesJson()
{
    auto choice = [](const auto& value, const std::string& caption) {
        return TJson{{"value", value}, {"caption", caption}};
    };
    TJson shapes = TJson::array(), masses = TJson::array(), zooms = TJson::array(), rules = TJson::array(),
          massShapes = TJson::array();
    for (const auto name : ShapeNames) {
        shapes.push_back(choice(name, ShapeDisplayName(name)));
        if (LandMassShown(name))
            massShapes.push_back(name);
    }
    for (const auto name : LandMassNames)
        masses.push_back(choice(name, LandMassDisplayName(name)));
    for (const int zoom : ZoomChoices)
        zooms.push_back(choice(zoom, std::to_string(zoom) + " %"));
    for (const auto& row : FairRuleRows)
        rules.push_back(choice(row.Word, Tr(row.Caption)));
    // The controls beside the board, in their order. id: the page's name for
    // the control; drawing: how the board is drawn, not made (a link's
    // drawing word); onlyFor: shown only while another control holds one of
    // the values.
    TJson controls = TJson::array({
        {{"key", "shape"},
         {"id", "Shape"},
         {"kind", "choice"},
         {"caption", Tr(DialogContext, ShapeCaption)},
         {"choices", shapes}},
        {{"key", "mass"},
         {"id", "Mass"},
         {"kind", "choice"},
         {"caption", Tr(PageContext, LandMassCaption)},
         {"choices", masses},
         {"onlyFor", {{"shape", massShapes}}}},
        {{"key", "zoom"},
         {"id", "Zoom"},
         {"kind", "choice"},
         {"caption", Tr(PageContext, ZoomCaption)},
         {"choices", zooms}},
        {{"key", "fair"},
         {"id", "Fair"},
         {"kind", "flags"},
         {"caption", Tr(DialogContext, FairCaption)},
         {"choices", rules}},
    });
    // The drawing words' boxes after the zoom, the page's name for each its word.
    auto place = controls.begin() + 3;
    for (const auto& word : DrawingWords) {
        const TJson control = {{"key", word.Word},
                               {"id", word.Id},
                               {"kind", "switch"},
                               {"caption", Tr(PageContext, word.Caption)},
                               {"drawing", true}};
        place = controls.insert(place, control) + 1;
    }

    const TBoardSettings defaults;
    TJson counts = TJson::array(), groups = TJson::array(), sets = TJson::array();
    for (std::size_t k = 0; k < CountKeys.size(); ++k)
        counts.push_back({{"key", CountKeys[k].Key},
                          {"caption", WithoutShortcut(Tr(DialogContext, CountCaptions[k]))},
                          {"default", defaults.*(CountKeys[k].Field)}});
    for (const auto& group : CountGroups)
        groups.push_back({{"caption", Tr(DialogContext, group.Caption)},
                          {"first", group.First},
                          {"size", group.Count},
                          {"total", group.TotalCaption ? Tr(DialogContext, group.TotalCaption) : std::string()}});
    for (const auto& set : PieceSets) {
        TBoardSettings counted;
        SetPieceCounts(counted, set.Counts);
        sets.push_back({{"word", set.Word}, {"caption", Tr(set.Caption)}, {"counts", CountsObject(counted)}});
    }
    // The languages the page speaks, each named in itself, as the window's Language menu lists them.
    TJson languages = TJson::array({{{"code", "en"}, {"name", EnglishLanguageName}}});
    for (const TCatalogueLanguage& language : CatalogueLanguages)
        languages.push_back({{"code", language.Code}, {"name", language.Name}});
    return {{"controls", controls},
            {"defaults", SettingsJson(TWebSettings{})},
            {"counts", counts},
            {"countGroups", groups},
            {"pieceSets", sets},
            {"maxSeed", MaxSeed},
            {"maxCount", MaxPieceCount},
            {"maxPictureSide", MaxPictureSide},
            {"generatorVersion", BoardGeneratorVersion},
            {"languages", languages},
            {"messages",
             {{"noBoardInFile", Tr(NoBoardInFileText)},
              {"noBoardToExport", Tr(NoBoardToExportText)},
              {"couldNotOpen", Tr(CouldNotOpenText)},
              {"countRefused", FormatText(Tr(PageContext, CountRefusedText), {std::to_string(MaxPieceCount)})}}}};
}

} // namespace vornia

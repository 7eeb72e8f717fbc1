#include "web_json.h"

#include "board/board_settings.h"
#include "board/fair_rules.h"
#include "board/fixed_islands.h"
#include "board/generator_version.h"
#include "board/piece_sets.h"
#include "board/translate.h"
#include "board/walked_shapes.h"
#include "cli/cli_args.h"
#include "render/board_picture.h"

namespace vornia {

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
    return {{"error", link.Error},
            {"notice", link.Notice},
            {"words", link.Words},
            {"bw", link.BlackAndWhite},
            {"hasSeed", link.HasSeed}};
}

TJson TablesJson()
{
    TJson shapes = TJson::array(), masses = TJson::array(), counts = TJson::array(), rules = TJson::array(),
          sets = TJson::array(), islands = TJson::array();
    for (const auto name : ShapeNames)
        shapes.push_back(name);
    for (const auto name : LandMassNames)
        masses.push_back(name);
    const TBoardSettings defaults;
    for (const auto& count : CountKeys)
        counts.push_back({{"key", count.Key}, {"default", defaults.*(count.Field)}});
    for (const auto& row : FairRuleRows)
        rules.push_back({{"word", row.Word}, {"caption", Tr(row.Caption)}});
    for (const auto& set : PieceSets)
        sets.push_back({{"word", set.Word}, {"caption", Tr(set.Caption)}, {"counts", set.Counts}});
    for (const auto& island : FixedIslands)
        islands.push_back({{"name", island.Name}, {"dice", island.NumberedLand()}});
    return {{"shapes", shapes},          {"masses", masses},
            {"counts", counts},          {"rules", rules},
            {"pieceSets", sets},         {"fixedIslands", islands},
            {"maxCount", MaxPieceCount}, {"maxPictureSide", MaxPictureSide},
            {"maxSeed", MaxSeed},        {"generatorVersion", BoardGeneratorVersion}};
}

} // namespace vornia

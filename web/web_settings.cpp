#include "web_settings.h"

#include "board/fair_rules.h"
#include "board/geometry.h"
#include "board/piece_sets.h"
#include "board/walked_shapes.h"
#include "cli/cli_args.h"
#include "cli/cli_run.h"

namespace vornia {

namespace {

// The count keys whose counts differ between the settings and a set of counts.
std::vector<std::size_t> Differing(const TBoardSettings& settings, const TPieceCounts& counts)
{
    std::vector<std::size_t> keys;
    for (std::size_t k = 0; k < CountKeys.size(); ++k)
        if (settings.*(CountKeys[k].Field) != counts[k])
            keys.push_back(k);
    return keys;
}

// The items of a comma list.
std::vector<std::string_view> Items(std::string_view list)
{
    std::vector<std::string_view> items;
    while (!list.empty()) {
        const std::size_t end = list.find(',');
        items.push_back(list.substr(0, end));
        list.remove_prefix(end == std::string_view::npos ? list.size() : end + 1);
    }
    return items;
}

void TakeDrawing(TWebDrawing& drawing, const std::string& key, const std::string& value)
{
    for (const auto& word : DrawingWords)
        if (key == word.Word)
            drawing.*(word.Field) = value == "1";
    if (key == "localLabels")
        drawing.LocalLabels = value == "1";
}

} // namespace

std::vector<std::string> RequestWords(const TWebSettings& settings, std::uint32_t seed)
{
    const TBoardSettings& board = settings.Board;
    const TBoardSettings defaults;
    std::vector<std::string> words{"--shape", board.Shape};
    if (board.MassDensity != defaults.MassDensity)
        words.insert(words.end(), {"--mass", board.MassDensity});
    std::vector<std::size_t> differing = Differing(board, DefaultPieceCounts);
    const TPieceSet* base = nullptr;
    for (const TPieceSet& set : PieceSets) {
        std::vector<std::size_t> fromSet = Differing(board, set.Counts);
        if (fromSet.size() < differing.size()) {
            differing = std::move(fromSet);
            base = &set;
        }
    }
    if (base)
        words.insert(words.end(), {"--pieces", std::string(base->Word)});
    if (!differing.empty()) {
        std::string counts;
        for (const std::size_t k : differing)
            counts += (counts.empty() ? "" : ",") + std::string(CountKeys[k].Key) + "=" +
                      std::to_string(board.*(CountKeys[k].Field));
        words.insert(words.end(), {"--counts", counts});
    }
    if (board.Fair.Any()) {
        std::string rules;
        for (const TFairRuleRow& row : FairRuleRows)
            if (board.Fair.*(row.Field))
                rules += (rules.empty() ? "" : ",") + std::string(row.Word);
        words.insert(words.end(), {"--fair", rules});
    }
    if (settings.Zoom != 100)
        words.insert(words.end(), {"--zoom", std::to_string(settings.Zoom)});
    words.insert(words.end(), {"--seed", std::to_string(seed)});
    return words;
}

TWebSettings SettingsOfWords(const std::vector<std::string>& words)
{
    TWebSettings settings;
    std::vector<std::string> line{"vornia-cli", "generate"};
    line.insert(line.end(), words.begin(), words.end());
    const TCliParse parse = ParseCliArgs(line);
    if (parse.Ok)
        ApplyBoardOptions(parse.Args, settings.Board, settings.Zoom);
    return settings;
}

TWebSettings SettingsOfFragment(std::string_view fragment)
{
    TWebSettings settings;
    TBoardSettings& board = settings.Board;
    for (const auto& [key, value] : FragmentPairs(fragment)) {
        int number = 0;
        if (key == "shape" && IsKnownShape(value))
            board.Shape = ShapeNames[static_cast<std::size_t>(ShapeIndex(value))];
        else if (key == "mass" && IsKnownLandMass(value))
            board.MassDensity = value;
        else if (key == "zoom" && ParseInteger(value, number) && IsKnownZoom(number))
            settings.Zoom = number;
        else if (key == "fair")
            for (const std::string_view word : Items(value))
                for (const auto& row : FairRuleRows)
                    if (word == row.Word)
                        board.Fair.*(row.Field) = true;
        if (key == "counts")
            for (const std::string_view item : Items(value)) {
                const std::size_t equals = item.find('=');
                for (const auto& count : CountKeys)
                    if (equals != std::string_view::npos && item.substr(0, equals) == count.Key)
                        SetCountFromText(board.*(count.Field), item.substr(equals + 1));
            }
        TakeDrawing(settings.Drawing, key, value);
    }
    return settings;
}

TWebDrawing DrawingOfFragment(std::string_view fragment)
{
    TWebDrawing drawing;
    for (const auto& [key, value] : FragmentPairs(fragment))
        TakeDrawing(drawing, key, value);
    return drawing;
}

TCountsCheck CheckCounts(std::string_view shape, const TCountTexts& counts)
{
    TCountsCheck check;
    for (std::size_t g = 0; g < CountGroups.size(); ++g) {
        check.Editable[g] = CountGroups[g].Editable(shape);
        check.Totals[g] = CountGroups[g].Total ? CountGroups[g].Total(counts) : 0;
    }
    check.DiceQuestion = DiceShortageQuestion(shape, LandTotal(counts), DiceTotal(counts)).value_or("");
    for (int i = 0; i < CountEditCount && check.Refused < 0; ++i)
        if (!CountTextAccepted(counts[i]))
            check.Refused = i;
    return check;
}

} // namespace vornia

#include "fair_rules.h"

#include <algorithm>
#include <charconv>

#include "geometry.h"
#include "plate_list.h"
#include "random_source.h"

namespace vornia {

namespace {

int ResourceOf(std::string_view kind)
{
    for (std::size_t r = 0; r < ResourceNames.size(); ++r)
        if (SameText(kind, ResourceNames[r]))
            return static_cast<int>(r);
    return -1;
}

bool IsRedNumber(std::string_view number)
{
    return SameText(number, "6") || SameText(number, "8");
}

// A kind as a piece: its text and the colours that go with it.
struct TKindPiece {
    std::string Kind;
    TColor Color;
    TColor TextColor;
    friend bool operator==(const TKindPiece&, const TKindPiece&) = default;
};

struct TBoardProblem {
    TLandGraph Graph;
    TFairProblem Problem;
    std::vector<TKindPiece> KindPieces;  // per kind value
    std::vector<std::string> TokenTexts; // per token value: the number text
};

template <typename T>
int ValueIndex(std::vector<T>& values, const T& value)
{
    const auto it = std::find(values.begin(), values.end(), value);
    if (it != values.end())
        return static_cast<int>(it - values.begin());
    values.push_back(value);
    return static_cast<int>(values.size()) - 1;
}

TBoardProblem BuildProblem(const TPlateList& plates, int zoom, const TFairRules& rules)
{
    TBoardProblem b;
    b.Graph = LandNeighbours(plates, zoom);
    TFairProblem& p = b.Problem;
    p.Rules = rules;
    p.Neighbours = b.Graph.Neighbours;
    // Token values are told apart by their text; the blank and the desert's
    // mark get texts no number has.
    const std::string blank(1, '\0'), mark(1, '\1');
    for (int i : b.Graph.Plates) {
        const TResourcePlate& plate = plates[i];
        const TKindPiece piece{plate.Kind, plate.Color, plate.TextColor};
        const std::size_t before = b.KindPieces.size();
        p.Kind.push_back(ValueIndex(b.KindPieces, piece));
        if (b.KindPieces.size() > before)
            p.Kinds.push_back({ResourceOf(plate.Kind), IsDesert(plate)});

        const bool desert = IsDesert(plate);
        const std::string& text = desert ? mark : plate.Number.empty() ? blank : plate.Number;
        const std::size_t tokensBefore = b.TokenTexts.size();
        p.Token.push_back(ValueIndex(b.TokenTexts, text));
        if (b.TokenTexts.size() > tokensBefore) {
            TFairToken token;
            token.DesertMark = desert;
            token.Number = !desert && !plate.Number.empty();
            token.Pips = token.Number ? PipsOfNumberText(plate.Number) : 0;
            token.Red = token.Number && IsRedNumber(plate.Number);
            p.Tokens.push_back(token);
        }
    }
    return b;
}

} // namespace

int PipsOfNumberText(std::string_view number)
{
    int n = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), n);
    return (ec == std::errc{} && end == number.data() + number.size()) ? PipsOfNumber(n) : 0;
}

bool ParseFairWords(std::string_view list, TFairRules& rules)
{
    if (SameText(list, "all") || SameText(list, "none")) {
        const bool on = SameText(list, "all");
        for (const auto& row : FairRuleRows)
            rules.*(row.Field) = on;
        return true;
    }
    TFairRules chosen;
    for (std::size_t start = 0;;) {
        const std::size_t comma = list.find(',', start);
        const std::string_view word = list.substr(start, comma == std::string_view::npos ? list.npos : comma - start);
        const auto row = std::find_if(FairRuleRows.begin(), FairRuleRows.end(),
                                      [&](const TFairRuleRow& r) { return SameText(word, r.Word); });
        if (row == FairRuleRows.end())
            return false;
        chosen.*(row->Field) = true;
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    rules = chosen;
    return true;
}

TLandGraph LandNeighbours(const TPlateList& plates, int zoom)
{
    TLandGraph graph;
    std::vector<int> position(static_cast<std::size_t>(plates.Count()), -1);
    for (int i = 0; i < plates.Count(); ++i)
        if (plates[i].Placed && plates.IsLandPlate(i)) {
            position[static_cast<std::size_t>(i)] = static_cast<int>(graph.Plates.size());
            graph.Plates.push_back(i);
        }
    graph.Neighbours.resize(graph.Plates.size());
    const THexMetrics m = MetricsAtZoom(zoom);
    for (std::size_t p = 0; p < graph.Plates.size(); ++p) {
        const TResourcePlate& plate = plates[graph.Plates[p]];
        for (int d = btNorthWest; d <= btWest; ++d) {
            const TPoint q = StepWith(plate.X, plate.Y, d, m);
            const int j = plates.IndexedLandPlateAt(q.x, q.y);
            if (j < 0)
                continue;
            const int other = position[static_cast<std::size_t>(j)];
            if (other == static_cast<int>(p))
                continue;
            // Both ways: of two plates on one position only the first is found.
            graph.Neighbours[p].push_back(other);
            graph.Neighbours[static_cast<std::size_t>(other)].push_back(static_cast<int>(p));
        }
    }
    for (auto& list : graph.Neighbours) {
        std::sort(list.begin(), list.end());
        list.erase(std::unique(list.begin(), list.end()), list.end());
    }
    return graph;
}

bool FairRulesHold(const TPlateList& plates, int zoom, const TFairRules& rules)
{
    return MeetsFairRules(BuildProblem(plates, zoom, rules).Problem);
}

TFairOutcome ApplyFairRules(TPlateList& plates, int zoom, const TFairRules& rules, TRandomSource& random,
                            TFairEffort* effort, const TKeepGoing& keepGoing)
{
    TBoardProblem b = BuildProblem(plates, zoom, rules);
    const TDraw draw = [&random](int n) { return random.Next(n); };
    const TFairOutcome outcome = SolveFair(b.Problem, draw, effort, keepGoing);
    if (outcome != TFairOutcome::Found)
        return outcome;
    for (std::size_t p = 0; p < b.Graph.Plates.size(); ++p) {
        TResourcePlate& plate = plates[b.Graph.Plates[p]];
        const TKindPiece& piece = b.KindPieces[static_cast<std::size_t>(b.Problem.Kind[p])];
        plate.Kind = piece.Kind;
        plate.Color = piece.Color;
        plate.TextColor = piece.TextColor;
        const TFairToken& token = b.Problem.Tokens[static_cast<std::size_t>(b.Problem.Token[p])];
        if (token.Number)
            plate.Number = b.TokenTexts[static_cast<std::size_t>(b.Problem.Token[p])];
        else
            plate.Number.clear();
    }
    return outcome;
}

std::string_view FairFailureText(TFairOutcome outcome)
{
    switch (outcome) {
    case TFairOutcome::Impossible: return FairImpossibleText;
    case TFairOutcome::GaveUp: return FairGaveUpText;
    case TFairOutcome::Found:
    case TFairOutcome::Stopped: break;
    }
    return {};
}

TBalance ComputeBalance(const TPlateList& plates, int zoom)
{
    TBalance balance;
    const TLandGraph graph = LandNeighbours(plates, zoom);
    for (std::size_t p = 0; p < graph.Plates.size(); ++p) {
        const TResourcePlate& a = plates[graph.Plates[p]];
        const int resource = ResourceOf(a.Kind);
        if (resource >= 0 && !a.Number.empty())
            balance.Pips[static_cast<std::size_t>(resource)] += PipsOfNumberText(a.Number);
        for (int q : graph.Neighbours[p]) {
            if (q <= static_cast<int>(p))
                continue;
            const TResourcePlate& b = plates[graph.Plates[static_cast<std::size_t>(q)]];
            if (IsRedNumber(a.Number) && IsRedNumber(b.Number))
                ++balance.Red;
            if (!a.Number.empty() && SameText(a.Number, b.Number))
                ++balance.Equal;
            if (resource >= 0 && resource == ResourceOf(b.Kind))
                ++balance.Resource;
        }
    }
    return balance;
}

std::string BalanceLine(const TBalance& balance)
{
    std::string line = "balance: pips";
    // Appended piece by piece: GCC 12 misreads a literal + std::string chain
    // under -O3 as overlapping copies (-Wrestrict).
    for (std::size_t r = 0; r < ResourceNames.size(); ++r)
        line.append(" ").append(ResourceNames[r]).append("=").append(std::to_string(balance.Pips[r]));
    line.append("; pairs red=").append(std::to_string(balance.Red));
    line.append(" equal=").append(std::to_string(balance.Equal));
    line.append(" resource=").append(std::to_string(balance.Resource));
    return line;
}

} // namespace vornia

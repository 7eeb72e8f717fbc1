#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>

#include "board/fair_rules.h"
#include "board_test_support.h"

namespace vornia {
namespace {

using testing::FixedRandom;

// The fifteen non-empty choices of rules.
std::vector<TFairRules> AllRuleChoices()
{
    std::vector<TFairRules> choices;
    for (int bits = 1; bits < 16; ++bits) {
        TFairRules rules;
        for (std::size_t r = 0; r < FairRuleRows.size(); ++r)
            rules.*(FairRuleRows[r].Field) = (bits >> r) & 1;
        choices.push_back(rules);
    }
    return choices;
}

std::string RulesName(const TFairRules& rules)
{
    std::string name;
    for (const auto& row : FairRuleRows)
        if (rules.*(row.Field))
            name += std::string(name.empty() ? "" : ",") + std::string(row.Word);
    return name;
}

// Everything of a plate that the rules must leave alone.
struct TFixedFields {
    std::string Text;
    TResourcePlate Plate;
    friend bool operator==(const TFixedFields&, const TFixedFields&) = default;
};

std::vector<TFixedFields> FixedFields(const TPlateList& plates)
{
    std::vector<TFixedFields> fields;
    for (int i = 0; i < plates.Count(); ++i) {
        TResourcePlate p = plates[i];
        if (p.Placed && IsLand(p)) {
            p.Kind.clear();
            p.Number.clear();
            p.Color = p.TextColor = 0;
        }
        fields.push_back({plates.Text(i), p});
    }
    return fields;
}

// The placed land's kinds (with colours), numbers and unnumbered non-desert plates.
struct TPieces {
    std::multiset<std::tuple<std::string, TColor, TColor>> Kinds;
    std::multiset<std::string> Numbers;
    int Unnumbered = 0;
    friend bool operator==(const TPieces&, const TPieces&) = default;
};

TPieces Pieces(const TPlateList& plates)
{
    TPieces pieces;
    for (const auto& e : plates.All()) {
        const TResourcePlate& p = e.Plate;
        if (!p.Placed || !IsLand(p))
            continue;
        pieces.Kinds.insert({p.Kind, p.Color, p.TextColor});
        if (!p.Number.empty())
            pieces.Numbers.insert(p.Number);
        else if (!IsDesert(p))
            ++pieces.Unnumbered;
    }
    return pieces;
}

bool DesertsUnnumbered(const TPlateList& plates)
{
    return std::none_of(plates.All().begin(), plates.All().end(),
                        [](const TPlateEntry& e) { return IsDesert(e.Plate) && !e.Plate.Number.empty(); });
}

TEST(FairRules, EveryShapeAndChoiceKeepsTheRulesThePiecesAndEverythingElse)
{
    const std::vector<TFairRules> choices = AllRuleChoices();
    struct TCounts {
        const char* Name;
        int Land; // each resource, 0 keeps the default pieces
        int Numbers;
    };
    // Default pieces; numbers short of the land; more land than the exact search covers.
    const TCounts counts[] = {{"default", 0, -1}, {"short numbers", 0, 1}, {"forty land", 7, 2}};
    for (const auto& c : counts)
        for (std::string_view shape : ShapeNames)
            for (std::uint32_t seed = 1; seed <= 6; ++seed) {
                TBoardSettings settings;
                settings.Shape = shape;
                if (c.Land > 0)
                    for (std::size_t k = 0; k < 5; ++k)
                        settings.*(CountKeys[k].Field) = c.Land;
                if (c.Numbers >= 0)
                    for (std::size_t k = 13; k < 24; ++k)
                        settings.*(CountKeys[k].Field) = c.Numbers;
                TRandomSource random = FixedRandom(seed * 7919);
                TPanelBoard panel;
                panel.GenerateBoard(settings, 100, random);
                const TStats stats = panel.ComputeStats();
                const std::vector<TFixedFields> fixed = FixedFields(panel.Plates());
                const TPieces pieces = Pieces(panel.Plates());
                for (const TFairRules& rules : choices) {
                    SCOPED_TRACE(std::string(c.Name) + " " + std::string(shape) + " seed " + std::to_string(seed) +
                                 " " + RulesName(rules));
                    ASSERT_EQ(ApplyFairRules(panel.Plates(), 100, rules, random), TFairOutcome::Found);
                    EXPECT_TRUE(FairRulesHold(panel.Plates(), 100, rules));
                    EXPECT_EQ(Pieces(panel.Plates()), pieces);
                    EXPECT_TRUE(DesertsUnnumbered(panel.Plates()));
                    EXPECT_TRUE(FixedFields(panel.Plates()) == fixed);
                    EXPECT_EQ(panel.ComputeStats(), stats);
                }
            }
}

TEST(FairRules, TheSameSeedGivesTheSameBoardAndAFairBoardDrawsNothing)
{
    const TBoardSettings settings;
    TFairRules all;
    ParseFairWords("all", all);
    std::vector<std::string> first;
    for (int round = 0; round < 2; ++round) {
        TRandomSource random = FixedRandom(4242);
        TPanelBoard panel;
        panel.GenerateBoard(settings, 100, random);
        ASSERT_EQ(ApplyFairRules(panel.Plates(), 100, all, random), TFairOutcome::Found);
        std::vector<std::string> lines;
        panel.ListPlates([&](const std::string& line) { lines.push_back(line); });
        if (round == 0)
            first = lines;
        else
            EXPECT_EQ(lines, first);

        const std::uint32_t state = random.Seed();
        ASSERT_EQ(ApplyFairRules(panel.Plates(), 100, all, random), TFairOutcome::Found);
        EXPECT_EQ(random.Seed(), state);
    }
}

// A small board built by hand: land plates at the given lattice cells
// (column in half widths, row), kinds and numbers in list order.
struct TSmallPlate {
    int Col, Row;
    const char* Kind;
    const char* Number;
};

void BuildBoard(TPlateList& plates, const std::vector<TSmallPlate>& cells)
{
    const THexMetrics m = MetricsAtZoom(100);
    for (const auto& c : cells) {
        TResourcePlate p;
        p.Kind = c.Kind;
        p.Number = c.Number;
        SetPlateColors(p);
        p.Placed = true;
        p.X = 150 + c.Col * m.HalfWidth;
        p.Y = 50 + c.Row * m.RowPitch();
        plates.Add(c.Kind, p);
    }
}

TEST(FairRules, ImpossibleRequestsFailAndLeaveTheBoardAlone)
{
    struct TCase {
        const char* Name;
        std::vector<TSmallPlate> Cells;
        const char* Words;
    };
    const TCase cases[] = {
        {"two brick touch", {{0, 0, "Brick", "6"}, {2, 0, "Brick", "8"}}, "resource"},
        {"three sixes in a row", {{0, 0, "Brick", "6"}, {2, 0, "Grain", "6"}, {4, 0, "Ore", "6"}}, "equal"},
        {"6 and 8 around a corner",
         {{0, 0, "Brick", "6"}, {2, 0, "Grain", "8"}, {1, 1, "Ore", "3"}, {3, 1, "Wool", "8"}},
         "red"},
        // Mean pips 3: a lone Brick on 2 (1 pip) or 6 (5 pips) is 2 away.
        {"pips out of reach", {{0, 0, "Brick", "2"}, {6, 0, "Grain", "6"}}, "pips"},
        // Three plates that all touch: the desert cannot part the two Ore.
        {"two ore in a triangle", {{0, 0, "Ore", "5"}, {2, 0, "Ore", "4"}, {1, 1, "Desert", ""}}, "resource"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TPlateList plates;
        BuildBoard(plates, c.Cells);
        TFairRules rules;
        ASSERT_TRUE(ParseFairWords(c.Words, rules));
        const std::vector<TFixedFields> before = FixedFields(plates);
        const TPieces pieces = Pieces(plates);
        std::vector<std::string> kinds;
        for (const auto& e : plates.All())
            kinds.push_back(e.Plate.Kind + "/" + e.Plate.Number);
        TRandomSource random;
        const TFairOutcome outcome = ApplyFairRules(plates, 100, rules, random);
        EXPECT_EQ(outcome, TFairOutcome::Impossible);
        EXPECT_EQ(FairFailureText(outcome), "No arrangement of these pieces meets the fair-board rules.");
        std::vector<std::string> after;
        for (const auto& e : plates.All())
            after.push_back(e.Plate.Kind + "/" + e.Plate.Number);
        EXPECT_EQ(after, kinds);
    }
}

// Two Brick and nothing else always touch: the rule cannot be met, and a
// generation that asks for it makes no board.
TEST(FairRules, RandomShapeWithTwoBrickAlone)
{
    for (std::uint32_t seed : {1u, 99u, 86399999u}) {
        TBoardSettings settings;
        settings.Shape = "random";
        for (std::size_t k = 0; k < 6; ++k)
            settings.*(CountKeys[k].Field) = 0;
        settings.BrickCount = 2;
        TRandomSource random = FixedRandom(seed);
        TPanelBoard panel;
        ASSERT_TRUE(panel.GenerateBoard(settings, 100, random).Made);
        TFairRules rules;
        rules.NoAdjacentResource = true;
        EXPECT_EQ(ApplyFairRules(panel.Plates(), 100, rules, random), TFairOutcome::Impossible);

        settings.Fair = rules;
        const TGenerationResult failed = panel.GenerateBoard(settings, 100, random);
        EXPECT_FALSE(failed.Made);
        EXPECT_EQ(failed.FailureText, "No arrangement of these pieces meets the fair-board rules.");
        EXPECT_EQ(failed.Name, "");
        EXPECT_EQ(panel.Registry().Boards().size(), 1u);
        EXPECT_FALSE(panel.Registry().CurrentIsRegistered());
        EXPECT_EQ(panel.PlacedPlateCount(), 0);
    }
}

// The answer of plain enumeration: every arrangement of the pieces, built
// position by position and cut only where a pair of neighbours already breaks
// a rule, the pips checked once all is set.
bool SomeArrangementExists(TFairProblem p)
{
    std::map<int, int> kindsLeft, tokensLeft;
    for (int k : p.Kind)
        ++kindsLeft[k];
    for (int t : p.Token)
        ++tokensLeft[t];
    const int n = static_cast<int>(p.Kind.size());
    std::function<bool(int)> place = [&](int i) -> bool {
        if (i == n)
            return MeetsFairRules(p);
        for (auto& [k, kl] : kindsLeft) {
            if (kl == 0)
                continue;
            for (auto& [t, tl] : tokensLeft) {
                if (tl == 0 || At(p.Kinds, k).Desert != At(p.Tokens, t).DesertMark)
                    continue;
                At(p.Kind, i) = k;
                At(p.Token, i) = t;
                bool clash = false;
                for (int q : At(p.Neighbours, i))
                    if (q < i)
                        clash =
                            clash || BrokenKindRules(p, k, At(p.Kind, q)) + BrokenTokenRules(p, t, At(p.Token, q)) > 0;
                if (clash)
                    continue;
                --kl;
                --tl;
                const bool found = place(i + 1);
                ++kl;
                ++tl;
                if (found)
                    return true;
            }
        }
        return false;
    };
    return place(0);
}

TEST(FairRules, FindsAnArrangementExactlyWhenEnumerationDoes)
{
    TRandomSource dice, solver;
    dice.SetSeed(2024);
    const THexMetrics m = MetricsAtZoom(100);
    int found = 0, impossible = 0;
    for (int round = 0; round < 3000; ++round) {
        // A blob of land grown cell by cell on the hex lattice.
        const int n = 3 + dice.Next(6);
        std::vector<TPoint> cells{{150, 50}};
        while (static_cast<int>(cells.size()) < n) {
            const TPoint from = cells[static_cast<std::size_t>(dice.Next(static_cast<int>(cells.size())))];
            const TPoint to = StepWith(from.x, from.y, dice.Next(6), m);
            if (std::find(cells.begin(), cells.end(), to) == cells.end())
                cells.push_back(to);
        }
        // Kinds and numbers dealt in turn, so that many come in equal counts
        // (interchangeable values); numbers in pairs of equal pips.
        static const char* const kinds[] = {"Brick", "Grain", "Lumber", "Ore", "Desert"};
        static const char* const numbers[] = {"6", "8", "2", "12", "5", "9", "3", "11", ""};
        const int kindChoice = 2 + dice.Next(3), numberChoice = 2 + dice.Next(7);
        const int kindStart = dice.Next(2), numberStart = dice.Next(2);
        TPlateList plates;
        int land = 0;
        for (const TPoint& c : cells) {
            TResourcePlate p;
            p.Kind = kinds[kindStart + (dice.Next(4) == 0 ? dice.Next(kindChoice) : land % kindChoice)];
            if (!IsDesert(p))
                p.Number = numbers[numberStart + (dice.Next(4) == 0 ? dice.Next(numberChoice) : land % numberChoice)];
            ++land;
            SetPlateColors(p);
            p.Placed = true;
            p.X = c.x;
            p.Y = c.y;
            plates.Add(p.Kind, p);
        }
        TFairRules rules;
        for (const auto& row : FairRuleRows)
            rules.*(row.Field) = dice.Next(2) == 1;
        if (!rules.Any())
            rules.NoAdjacentResource = true;

        // The same question through the plates, answered by enumeration.
        TFairProblem problem;
        problem.Rules = rules;
        const TLandGraph graph = LandNeighbours(plates, 100);
        problem.Neighbours = graph.Neighbours;
        std::map<std::string, int> kindIndex, tokenIndex;
        for (int i : graph.Plates) {
            const TResourcePlate& p = plates[i];
            if (!kindIndex.count(p.Kind)) {
                kindIndex[p.Kind] = static_cast<int>(problem.Kinds.size());
                const auto r = std::find(ResourceNames.begin(), ResourceNames.end(), p.Kind);
                problem.Kinds.push_back(
                    {r == ResourceNames.end() ? -1 : static_cast<int>(r - ResourceNames.begin()), IsDesert(p)});
            }
            const std::string token = IsDesert(p) ? "desert" : p.Number;
            if (!tokenIndex.count(token)) {
                tokenIndex[token] = static_cast<int>(problem.Tokens.size());
                TFairToken t;
                t.DesertMark = IsDesert(p);
                t.Number = !p.Number.empty();
                t.Pips = t.Number ? PipsOfNumber(std::stoi(p.Number)) : 0;
                t.Red = p.Number == "6" || p.Number == "8";
                problem.Tokens.push_back(t);
            }
            problem.Kind.push_back(kindIndex[p.Kind]);
            problem.Token.push_back(tokenIndex[token]);
        }
        const bool exists = SomeArrangementExists(problem);

        SCOPED_TRACE("round " + std::to_string(round) + " " + RulesName(rules));
        const TPieces pieces = Pieces(plates);
        const TFairOutcome outcome = ApplyFairRules(plates, 100, rules, solver);
        ASSERT_EQ(outcome, exists ? TFairOutcome::Found : TFairOutcome::Impossible);
        if (exists) {
            ++found;
            EXPECT_TRUE(FairRulesHold(plates, 100, rules));
            EXPECT_EQ(Pieces(plates), pieces);
        } else {
            ++impossible;
        }
    }
    // Both answers must have been put to the test.
    EXPECT_GT(found, 150);
    EXPECT_GT(impossible, 150);
}

TEST(FairRules, BalanceLineCountsPipsAndBrokenPairs)
{
    TPlateList plates;
    // A row 6 8 6 of Brick, Brick, Grain; below it Ore 2 and a desert; a
    // water plate next to the row counts for nothing.
    BuildBoard(plates, {{0, 0, "Brick", "6"},
                        {2, 0, "Brick", "8"},
                        {4, 0, "Grain", "6"},
                        {1, 1, "Ore", "2"},
                        {3, 1, "Desert", ""},
                        {6, 0, "Water", ""}});
    const TBalance balance = ComputeBalance(plates, 100);
    EXPECT_EQ(BalanceLine(balance),
              "balance: pips Brick=10 Grain=5 Lumber=0 Ore=1 Wool=0; pairs red=2 equal=0 resource=1");

    // The same board at half zoom is no board of neighbours at all.
    EXPECT_EQ(BalanceLine(ComputeBalance(plates, 50)),
              "balance: pips Brick=10 Grain=5 Lumber=0 Ore=1 Wool=0; pairs red=0 equal=0 resource=0");
}

TEST(FairRules, WordsOfTheCommandLine)
{
    struct TCase {
        const char* Words;
        bool Ok;
        TFairRules Rules;
    };
    const TCase cases[] = {
        {"all", true, {true, true, true, true}},
        {"none", true, {}},
        {"red", true, {true, false, false, false}},
        {"pips,resource", true, {false, false, true, true}},
        {"Equal,RED,red", true, {true, true, false, false}},
        {"", false, {}},
        {"red,", false, {}},
        {"red,green", false, {}},
        {"all,red", false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Words);
        TFairRules rules{true, false, true, false};
        const TFairRules before = rules;
        EXPECT_EQ(ParseFairWords(c.Words, rules), c.Ok);
        EXPECT_EQ(rules, c.Ok ? c.Rules : before);
    }
}

} // namespace
} // namespace vornia

namespace vornia {
namespace {

// Through the generation itself: the same request with and without rules.
TEST(FairRules, GenerationWithRulesChangesOnlyKindsAndNumbers)
{
    TFairRules all;
    ParseFairWords("all", all);
    for (std::string_view shape : ShapeNames)
        for (const char* mass : {"any", "medium"}) {
            if (shape != "random" && std::string_view(mass) != "any")
                continue;
            SCOPED_TRACE(std::string(shape) + " " + mass);
            TBoardSettings plainSettings;
            plainSettings.Shape = shape;
            plainSettings.MassDensity = mass;
            TBoardSettings fairSettings = plainSettings;
            fairSettings.Fair = all;
            TRandomSource random = FixedRandom(31337);
            TPanelBoard plain, fair;
            const TGenerationResult plainMade = plain.GenerateBoard(plainSettings, 100, random);
            const TGenerationResult fairMade = fair.GenerateBoard(fairSettings, 100, random);
            EXPECT_TRUE(fairMade.Made);
            EXPECT_EQ(fairMade.Name, plainMade.Name);
            EXPECT_EQ(fair.Attempts(), plain.Attempts());
            EXPECT_EQ(fairMade.Stats, plainMade.Stats);
            EXPECT_TRUE(FixedFields(fair.Plates()) == FixedFields(plain.Plates()));
            EXPECT_EQ(Pieces(fair.Plates()), Pieces(plain.Plates()));
            EXPECT_TRUE(FairRulesHold(fair.Plates(), 100, all));
        }
}

} // namespace
} // namespace vornia

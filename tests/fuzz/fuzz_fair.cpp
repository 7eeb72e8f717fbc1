// Fuzz target: the fair-board rules on a small board request. The bytes
// choose a shape, a zoom, the land mass, counts of at most about 60 plates, a
// set of rules and a seed. A fair board keeps every chosen rule and holds
// the pieces of the same request made without rules, rearranged; on a board
// of at most six land plates the search agrees with trying every
// arrangement, both ways, and never gives up.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "board/board_settings.h"
#include "board/fair_rules.h"
#include "board/panel_board.h"
#include "board/random_source.h"
#include "fuzz_check.h"

namespace {

using namespace vornia;

// Reads the fuzzer's bytes front to back; zeros once they run out.
class TBytes {
public:
    TBytes(const std::uint8_t* data, std::size_t size) : Data(data), Size(size) {}
    unsigned Next() { return Used < Size ? Data[Used++] : 0u; }
    unsigned Below(unsigned n) { return Next() % n; }

private:
    const std::uint8_t* Data;
    std::size_t Size;
    std::size_t Used = 0;
};

// The work one input may cost: the plates a board may have, the positions
// the brute force tries, and how often a search larger than the brute
// force's may ask to go on (it asks every 1024 steps), so that one input
// stays well under a second under the sanitizers: such a search is checked
// for what it returns, not for how far it gets, and the inputs a run tries
// count for more than the steps each one takes.
constexpr int MaxPlates = 60;
constexpr int MaxNumbers = 40;
constexpr int BruteForceLimit = 6;
constexpr int SearchAsks = 16;

struct TRequest {
    TBoardSettings Settings;
    int Zoom = 100;
    std::uint32_t Seed = 0;
};

TRequest ReadRequest(TBytes& bytes)
{
    TRequest r;
    TBoardSettings& s = r.Settings;
    s.Shape = std::string(ShapeNames[bytes.Below(ShapeNames.size())]);
    s.MassDensity = std::string(LandMassNames[bytes.Below(LandMassNames.size())]);
    static constexpr int Zooms[] = {50, 75, 100};
    r.Zoom = Zooms[bytes.Below(3)];
    const unsigned rules = bytes.Next();
    for (std::size_t i = 0; i < FairRuleRows.size(); ++i)
        s.Fair.*(FairRuleRows[i].Field) = (rules >> i) & 1u;
    r.Seed = 0;
    for (int i = 0; i < 4; ++i)
        r.Seed = (r.Seed << 8) | bytes.Next();
    r.Seed %= 86400000u;
    // The plates (the first 13 counts) share MaxPlates, the numbers MaxNumbers;
    // a count byte is read as a small number more often than a large one.
    int plates = 0, numbers = 0;
    for (std::size_t k = 0; k < CountKeys.size(); ++k) {
        const bool plate = k < 13;
        int& left = plate ? plates : numbers;
        const int room = (plate ? MaxPlates : MaxNumbers) - left;
        const unsigned b = bytes.Next();
        const int wanted = static_cast<int>(b < 192 ? b % 8 : b % 32);
        const int count = std::min(wanted, room);
        s.*(CountKeys[k].Field) = count;
        left += count;
    }
    return r;
}

// The land of a board as the fair search sees it.
struct TLand {
    std::vector<int> Plates; // indexes into the plate list
    TFairProblem Problem;
};

int ResourceIndex(const std::string& kind)
{
    for (std::size_t r = 0; r < ResourceNames.size(); ++r)
        if (SameText(kind, ResourceNames[r]))
            return static_cast<int>(r);
    return -1;
}

int PipsOf(const std::string& number)
{
    int n = 0;
    return ParseInteger(number, n) ? PipsOfNumber(n) : 0;
}

TLand LandOf(const TPlateList& plates, int zoom, const TFairRules& rules)
{
    TLand land;
    const TLandGraph graph = LandNeighbours(plates, zoom);
    land.Plates = graph.Plates;
    TFairProblem& p = land.Problem;
    p.Neighbours = graph.Neighbours;
    p.Rules = rules;
    std::map<std::string, int> kinds, tokens;
    for (const int i : graph.Plates) {
        const TResourcePlate& plate = plates[i];
        const bool desert = IsDesert(plate);
        const auto kind = kinds.try_emplace(plate.Kind, static_cast<int>(p.Kinds.size()));
        if (kind.second)
            p.Kinds.push_back({ResourceIndex(plate.Kind), desert});
        p.Kind.push_back(kind.first->second);
        const std::string token = desert ? "desert" : plate.Number.empty() ? "blank" : "n" + plate.Number;
        const auto found = tokens.try_emplace(token, static_cast<int>(p.Tokens.size()));
        if (found.second) {
            TFairToken t;
            t.DesertMark = desert;
            t.Number = !desert && !plate.Number.empty();
            t.Pips = t.Number ? PipsOf(plate.Number) : 0;
            t.Red = plate.Number == "6" || plate.Number == "8";
            p.Tokens.push_back(t);
        }
        p.Token.push_back(found.first->second);
    }
    return land;
}

// Whether any arrangement of the land's kinds and tokens, the desert's mark
// staying with the desert, keeps the rules: every distinct order of each.
bool AnyArrangementIsFair(TFairProblem p)
{
    std::sort(p.Kind.begin(), p.Kind.end());
    do {
        std::vector<int> tokens = p.Token;
        std::sort(tokens.begin(), tokens.end());
        p.Token = tokens;
        do {
            bool markWithDesert = true;
            for (std::size_t i = 0; i < p.Kind.size(); ++i)
                markWithDesert = markWithDesert && At(p.Kinds, p.Kind[i]).Desert == At(p.Tokens, p.Token[i]).DesertMark;
            if (markWithDesert && MeetsFairRules(p))
                return true;
        } while (std::next_permutation(p.Token.begin(), p.Token.end()));
    } while (std::next_permutation(p.Kind.begin(), p.Kind.end()));
    return false;
}

// What a plate shows apart from where it lies.
std::string PieceOf(const TResourcePlate& p)
{
    return p.Kind + "|" + p.Number + "|" + p.TradeResource + "|" + p.TradeRatio;
}

std::multiset<std::string> LandPieces(const TPlateList& plates, const std::vector<int>& land, bool kinds)
{
    std::multiset<std::string> pieces;
    for (const int i : land)
        pieces.insert(kinds ? plates[i].Kind : plates[i].Number);
    return pieces;
}

void CheckTraditionalSet(const TPlateList& plates, const TLand& land)
{
    std::map<std::string, int> kinds, numbers;
    for (const int i : land.Plates) {
        ++kinds[plates[i].Kind];
        if (!plates[i].Number.empty())
            ++numbers[plates[i].Number];
    }
    const std::map<std::string, int> traditionalKinds{{"Brick", 3},  {"Desert", 1}, {"Grain", 4},
                                                      {"Lumber", 4}, {"Ore", 3},    {"Wool", 4}};
    const std::map<std::string, int> traditionalNumbers{{"2", 1}, {"3", 2}, {"4", 2},  {"5", 2},  {"6", 2},
                                                        {"8", 2}, {"9", 2}, {"10", 2}, {"11", 2}, {"12", 1}};
    FUZZ_CHECK(kinds == traditionalKinds);
    FUZZ_CHECK(numbers == traditionalNumbers);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TBytes bytes(data, size);
    const TRequest request = ReadRequest(bytes);

    // The board as it is laid out before the rules rearrange it: the same
    // request and seed without rules draws the same layout.
    TBoardSettings plain = request.Settings;
    plain.Fair = {};
    TPanelBoard plainPanel;
    TRandomSource plainRandom;
    plainRandom.UseFixedClock(request.Seed);
    const TGenerationResult laidOut = plainPanel.GenerateBoard(plain, request.Zoom, plainRandom);

    const TFairRules& rules = request.Settings.Fair;
    const TLand land = LandOf(plainPanel.Plates(), request.Zoom, rules);
    // A small board's search runs to its end; a larger one is stopped once
    // it has asked SearchAsks times.
    int asks = 0;
    const bool capped = static_cast<int>(land.Plates.size()) > BruteForceLimit;
    const TKeepGoing keepGoing = [&] { return !capped || ++asks <= SearchAsks; };

    TPanelBoard panel;
    TRandomSource random;
    random.UseFixedClock(request.Seed);
    const TGenerationResult made = panel.GenerateBoard(request.Settings, request.Zoom, random, keepGoing);

    if (!laidOut.Made) {
        FUZZ_CHECK(!made.Made);
        return 0;
    }
    const TPlateList& before = plainPanel.Plates();
    if (SameText(request.Settings.Shape, "traditional"))
        CheckTraditionalSet(before, land);

    if (static_cast<int>(land.Plates.size()) <= BruteForceLimit && rules.Any()) {
        const bool possible = AnyArrangementIsFair(land.Problem);
        FUZZ_CHECK(made.Made == possible);
        if (!possible)
            FUZZ_CHECK(made.FailureText == FairImpossibleText);
    }
    if (!made.Made) {
        if (made.Stopped)
            FUZZ_CHECK(capped && made.FailureText.empty());
        else
            FUZZ_CHECK(made.FailureText == FairImpossibleText || made.FailureText == FairGaveUpText);
        return 0;
    }

    // Kept rules, and the same plates in the same places: water and harbours
    // untouched, the land's kinds and numbers only moved among the land.
    const TPlateList& after = panel.Plates();
    FUZZ_CHECK(FairRulesHold(after, request.Zoom, rules));
    FUZZ_CHECK(after.Count() == before.Count());
    const TLand fair = LandOf(after, request.Zoom, rules);
    FUZZ_CHECK(fair.Plates == land.Plates);
    const std::set<int> landPlates(land.Plates.begin(), land.Plates.end());
    for (int i = 0; i < after.Count(); ++i) {
        FUZZ_CHECK(after[i].Placed == before[i].Placed);
        FUZZ_CHECK(after[i].X == before[i].X && after[i].Y == before[i].Y);
        if (!landPlates.count(i))
            FUZZ_CHECK(PieceOf(after[i]) == PieceOf(before[i]));
        else if (IsDesert(after[i]))
            FUZZ_CHECK(after[i].Number.empty());
    }
    FUZZ_CHECK(LandPieces(after, land.Plates, true) == LandPieces(before, land.Plates, true));
    FUZZ_CHECK(LandPieces(after, land.Plates, false) == LandPieces(before, land.Plates, false));
    return 0;
}

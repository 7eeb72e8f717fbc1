// The fair-board problem on a plain description of the land: positions, who
// touches whom and the pieces to spread over them. The rules on neighbours and
// the band of pips are written here once, for the search, the repair and the
// checks alike. Nothing here knows of plates or pixels.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

namespace vornia {

// The fair-board rules a generation applies after the layout; all off by default.
struct TFairRules {
    bool NoAdjacentRed = false;      // no two neighbours both carry "6" or "8"
    bool NoAdjacentEqual = false;    // no two neighbours carry the same number
    bool NoAdjacentResource = false; // no two neighbours are the same resource
    bool BalancedPips = false;       // every resource's mean pips within 1 of the mean of all

    bool Any() const { return NoAdjacentRed || NoAdjacentEqual || NoAdjacentResource || BalancedPips; }
    friend bool operator==(const TFairRules&, const TFairRules&) = default;
};

// The resources: Brick, Grain, Lumber, Ore and Wool, numbered 0 to 4.
inline constexpr int ResourceCount = 5;
// The pips of the likeliest numbers, "6" and "8".
inline constexpr int MaxPips = 6;

// A kind of land piece: one of the resources or none (-1), and whether it is
// the desert.
struct TFairKind {
    int Resource = -1;
    bool Desert = false;
};

// What a land plate carries besides its kind: a number, the blank of a plate
// left without a number because numbers ran short, or the desert's mark (the
// desert and only the desert carries it).
struct TFairToken {
    int Pips = 0;
    bool Number = false;
    bool Red = false; // "6" or "8"
    bool DesertMark = false;
};

struct TFairProblem {
    std::vector<std::vector<int>> Neighbours; // per position: the touching positions
    std::vector<TFairKind> Kinds;             // distinct kinds
    std::vector<TFairToken> Tokens;           // distinct numbers, blank, desert mark
    std::vector<int> Kind;                    // per position: index into Kinds
    std::vector<int> Token;                   // per position: index into Tokens
    TFairRules Rules;
};

// Stopped: the caller asked the search to stop before it ended.
enum class TFairOutcome { Found, Impossible, GaveUp, Stopped };

// Asked now and then during a search; false stops it.
using TKeepGoing = std::function<bool()>;

// Up to this many positions the search is exhaustive: it fails only when no
// arrangement exists.
constexpr int FairExactLimit = 24;

// How much a search did, for the benchmarks.
struct TFairEffort {
    long long Nodes = 0;
    int Runs = 0;
};

// The solver's only source of chance: a whole number from 0 to n - 1, for n > 0.
using TDraw = std::function<int(int)>;

// Element i of a vector, for the int positions and values the solver counts in.
template <typename TVector>
decltype(auto) At(TVector& values, int i)
{
    return values[static_cast<std::size_t>(i)];
}

// Pips of a number n: 6 - |7 - n|; 0 for anything that is no number from 2 to 12.
int PipsOfNumber(int n);

// The band a resource's numbers must keep under the pips rule: their mean
// within one pip of the mean of all numbers, that is
// |sum * TotalNumbers - TotalPips * count| <= count * TotalNumbers.
struct TPipsBand {
    long long TotalPips = 0;
    long long TotalNumbers = 0;

    // How far count numbers of the given sum lie outside the band, in
    // 1 / TotalNumbers pips; 0 inside it (and for no numbers at all).
    long long Excess(long long sum, long long count) const;
    bool Holds(long long sum, long long count) const { return Excess(sum, count) == 0; }
    // The least and the most pips that count numbers may sum to inside the
    // band; TotalNumbers must not be 0.
    long long LowestSum(long long count) const;
    long long HighestSum(long long count) const;
};

// How many of the problem's rules on neighbours two pieces side by side
// break: kinds a and b (indexes into Kinds), tokens a and b (into Tokens).
int BrokenKindRules(const TFairProblem& problem, int a, int b);
int BrokenTokenRules(const TFairProblem& problem, int a, int b);

// The arrangement in Kind and Token keeps every chosen rule.
bool MeetsFairRules(const TFairProblem& problem);

} // namespace vornia

// The search behind the fair-board rules, on a plain description of the land:
// positions, who touches whom, and the pieces to spread over them. It knows
// nothing of plates or pixels; fair_rules.h builds its input from a board.
#pragma once

#include <cstdint>
#include <vector>

#include "board/board_settings.h"

namespace vornia {

class TRandomSource;

// A kind of land piece: one of the five resources (0..4: Brick, Grain,
// Lumber, Ore, Wool) or none (-1), and whether it is the desert.
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

enum class TFairOutcome { Found, Impossible, GaveUp };

// Up to this many positions the search is exhaustive: it fails only when no
// arrangement exists.
constexpr int FairExactLimit = 24;

// How much a search did, for the benchmarks.
struct TFairEffort {
    long long Nodes = 0;
    int Runs = 0;
};

// Pips of a number n: 6 - |7 - n|; 0 for anything that is no number from 2 to 12.
int PipsOfNumber(int n);

// The arrangement in Kind and Token keeps every chosen rule.
bool MeetsFairRules(const TFairProblem& problem);

// Rearranges Kind and Token (each multiset kept, the desert mark with the
// desert) until every chosen rule holds. Found leaves the arrangement in the
// problem; otherwise the problem is as it came. An arrangement that already
// keeps the rules stays and draws nothing; otherwise the value order is drawn
// from the random source.
TFairOutcome SolveFair(TFairProblem& problem, TRandomSource& random, TFairEffort* effort = nullptr);

} // namespace vornia

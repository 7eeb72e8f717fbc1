// The state of one depth-first run (fair_depth_first.h): two variables per
// land position, its kind and its token, each with a domain of values left;
// the trail that undoes assignments; and the bounds that prune a subtree
// early. The run itself and the keeping of the state are in
// fair_depth_first.cpp, the bounds in fair_depth_first_bounds.cpp.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "fair_depth_first.h"

namespace vornia {

// A set of values, or of positions on a board of at most 64 positions.
using TFairMask = std::uint64_t;

constexpr TFairMask MaskBit(int b)
{
    return TFairMask{1} << b;
}

class TDepthFirstSearch {
public:
    TDepthFirstSearch(const TFairProblem& problem, const std::vector<int>& order, const TDraw& draw);
    TDepthFirstEnd Run(long long budget);
    void Store(TFairProblem& problem) const;
    long long Nodes = 0;
    // Asked every 1024 nodes; false ends the run as a spent budget does.
    const TKeepGoing* KeepGoing = nullptr;

    // The independent-set bound works on position masks.
    static constexpr int MaxCoverPositions = 64;

private:
    struct TTrail {
        int Var;
        TFairMask Old;
        bool Assign;
    };
    // One level of the search: the variable set there, the cursor of the
    // sweep after choosing it, the values still to try and where the trail
    // stood before the value being tried.
    struct TFrame {
        int Var;
        int Cursor;
        TFairMask Candidates;
        std::size_t Mark;
    };

    // Variables 0..N-1 are the kinds of the positions, N..2N-1 their tokens.
    bool IsToken(int v) const { return v >= N; }
    int PositionOf(int v) const { return v < N ? v : v - N; }
    int Other(int v) const { return v < N ? v + N : v - N; }

    bool Interchangeable(int g, int h) const;
    TFairMask FreshAlike(int g) const;
    void Link(int v);
    void Unlink(int v);
    void Withdraw(int v, TFairMask values);
    void Restore(int v, TFairMask values);
    bool Remove(int v, TFairMask bits);
    bool Assign(int v, int g);
    void UndoTo(std::size_t mark);
    void Account(int v, int sign);
    void AccountFull(int k, int t, int sign);
    int Select(int& cursor) const;
    int Weight(int g) const;
    int DrawValue(TFairMask candidates);
    bool Enter(int cursor, TDepthFirstEnd& end);

    // fair_depth_first_bounds.cpp
    bool Bounds() const;
    bool PipsReachable(int r) const;
    int Cover(TFairMask u) const;
    bool Fits(TFairMask u, int count) const;
    int Independent(TFairMask u) const;

    const TDraw& Draw;
    TFairRules Rules;
    int N = 0;
    int KindCount = 0;
    std::vector<std::vector<int>> Neighbours; // internal positions
    std::vector<TFairMask> NeighbourMasks;    // when N <= MaxCoverPositions
    std::vector<int> Order;                   // internal position -> position of the problem

    // Per value (kinds first, then tokens).
    int Remaining[MaxFairValues] = {}; // pieces of it not yet placed
    int Support[MaxFairValues] = {};   // open variables that may still take it
    int Resource[MaxFairValues] = {};
    int Pips[MaxFairValues] = {};
    bool Number[MaxFairValues] = {};
    bool Mark[MaxFairValues] = {};
    int Initial[MaxFairValues] = {};
    // The values it forbids on the same side of a neighbour.
    TFairMask Beside[MaxFairValues] = {};
    // Values of one class are interchangeable as long as none of them is used.
    int Class[MaxFairValues] = {};
    TFairMask KindBits = 0, TokenBits = 0, DesertKinds = 0, MarkBit = 0, RedBits = 0, NumberBits = 0;
    TFairMask ResourceBits[ResourceCount] = {};

    std::vector<TFairMask> Domain; // per variable: the values it may still take
    std::vector<int> Value;        // per variable: its value, or -1 while open
    // Per value, the open positions that may still take it (when N <= MaxCoverPositions).
    TFairMask Places[MaxFairValues] = {};
    TFairMask PlaceBit(int v) const { return N <= MaxCoverPositions ? MaskBit(PositionOf(v)) : 0; }
    // The open variables in lists by the size of their domains.
    std::vector<int> Next, Prev;
    int Head[MaxFairValues + 1];
    std::vector<TTrail> Trail;
    std::vector<TFrame> Stack;

    // Pips bookkeeping: tokens not yet on a position whose kind is known, and
    // the numbers already on each resource.
    int Pool[MaxPips + 1] = {};
    int PoolBlank = 0;
    long long PartSum[ResourceCount] = {};
    int PartCount[ResourceCount] = {};
    int OpenSlots[ResourceCount] = {};
    TPipsBand Band;

    long long Budget = 0;
    // Largest independent sets of the position sets met so far (exact search only).
    mutable std::unordered_map<TFairMask, int> IndependentMemo;
};

} // namespace vornia

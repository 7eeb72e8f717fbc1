// The bounds that cut a subtree of the depth-first search before it is
// searched: pieces that may not touch each other must fit on the places left
// to them as an independent set, and every resource must still be able to
// reach its band of pips.
#include <algorithm>
#include <bit>

#include "fair_depth_first_state.h"

namespace vornia {

namespace {

// Above this many open places of a resource the pips bound is not worth its cost.
constexpr int MaxPipsSlots = 64;
constexpr std::size_t MaxIndependentMemo = 1 << 18;

} // namespace

// An upper bound of the largest independent set among the positions of u:
// the number of cliques (triangles, pairs, single positions) of a greedy cover.
int TDepthFirstSearch::Cover(TFairMask u) const
{
    int cliques = 0;
    while (u) {
        const int p = std::countr_zero(u);
        u &= u - 1;
        const TFairMask near = At(NeighbourMasks, p) & u;
        if (near) {
            TFairMask take = near & (~near + 1);
            for (TFairMask c = near; c; c &= c - 1) {
                const int q = std::countr_zero(c);
                const TFairMask third = At(NeighbourMasks, q) & near;
                if (third) {
                    take = MaskBit(q) | (third & (~third + 1));
                    break;
                }
            }
            u &= ~take;
        }
        ++cliques;
    }
    return cliques;
}

// The size of a largest independent set among the positions of u. It
// recurses at most once per position of u, and only on boards of at most
// FairExactLimit positions.
int TDepthFirstSearch::Independent(TFairMask u) const
{
    if (u == 0)
        return 0;
    if (const auto it = IndependentMemo.find(u); it != IndependentMemo.end())
        return it->second;
    // A position with at most one neighbour in u belongs to some largest set;
    // otherwise branch on one of most neighbours: without it, or with it and
    // without them.
    int fewest = -1, most = -1, leaf = -1, hub = -1;
    for (TFairMask c = u; c; c &= c - 1) {
        const int p = std::countr_zero(c);
        const int degree = std::popcount(At(NeighbourMasks, p) & u);
        if (fewest < 0 || degree < fewest) {
            fewest = degree;
            leaf = p;
        }
        if (degree > most) {
            most = degree;
            hub = p;
        }
    }
    int size;
    if (fewest <= 1) {
        size = 1 + Independent(u & ~MaskBit(leaf) & ~At(NeighbourMasks, leaf));
    } else {
        const TFairMask without = u & ~MaskBit(hub);
        size = std::max(Independent(without), 1 + Independent(without & ~At(NeighbourMasks, hub)));
    }
    if (IndependentMemo.size() > MaxIndependentMemo)
        IndependentMemo.clear();
    IndependentMemo.emplace(u, size);
    return size;
}

// Whether count pieces that may not touch each other fit on the positions of u.
bool TDepthFirstSearch::Fits(TFairMask u, int count) const
{
    // A cover has at least a third as many cliques as positions.
    if (count < 2 || 3 * count <= std::popcount(u) + 2)
        return true;
    if (Cover(u) < count)
        return false;
    return N > FairExactLimit || Independent(u) >= count;
}

// Whether resource r can still end in its band of pips.
bool TDepthFirstSearch::PipsReachable(int r) const
{
    int slots = OpenSlots[r];
    for (TFairMask c = ResourceBits[r]; c; c &= c - 1)
        slots += Remaining[std::countr_zero(c)];
    if (slots > MaxPipsSlots)
        return true;
    int numbers = 0;
    for (int p = 0; p <= MaxPips; ++p)
        numbers += Pool[p];
    for (int blanks = std::max(0, slots - numbers); blanks <= std::min(slots, PoolBlank); ++blanks) {
        const int take = slots - blanks;
        const long long count = PartCount[r] + take;
        if (count == 0)
            return true;
        long long lo = PartSum[r], hi = PartSum[r];
        for (int p = 0, left = take; p <= MaxPips && left > 0; ++p) {
            const int t = std::min(left, Pool[p]);
            lo += static_cast<long long>(t) * p;
            left -= t;
        }
        for (int p = MaxPips, left = take; p >= 0 && left > 0; --p) {
            const int t = std::min(left, Pool[p]);
            hi += static_cast<long long>(t) * p;
            left -= t;
        }
        if (std::max(lo, Band.LowestSum(count)) <= std::min(hi, Band.HighestSum(count)))
            return true;
    }
    return false;
}

bool TDepthFirstSearch::Bounds() const
{
    if (Rules.BalancedPips && Band.TotalNumbers > 0)
        for (int r = 0; r < ResourceCount; ++r)
            if (ResourceBits[r] && !PipsReachable(r))
                return false;
    if (N > MaxCoverPositions)
        return true;
    // The positions that may take any value of a mask.
    const auto places = [this](TFairMask values, int& left) {
        TFairMask u = 0;
        left = 0;
        for (TFairMask c = values; c; c &= c - 1) {
            u |= Places[std::countr_zero(c)];
            left += Remaining[std::countr_zero(c)];
        }
        return u;
    };
    int left = 0;
    if (Rules.NoAdjacentResource)
        for (int r = 0; r < ResourceCount; ++r) {
            const TFairMask u = places(ResourceBits[r], left);
            if (!Fits(u, left))
                return false;
        }
    if (Rules.NoAdjacentEqual)
        for (TFairMask c = NumberBits; c; c &= c - 1) {
            const int g = std::countr_zero(c);
            if (!Fits(Places[g], Remaining[g]))
                return false;
        }
    if (Rules.NoAdjacentRed) {
        const TFairMask u = places(RedBits, left);
        if (!Fits(u, left))
            return false;
    }
    return true;
}

} // namespace vornia

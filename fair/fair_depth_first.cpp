// A depth-first search over two variables per land position, its kind and
// its token (number, blank or desert mark). Values are whole pieces of a
// multiset, so a search never tells two equal pieces apart, and of values that
// no rule tells apart and that are still unused only one is tried. Every
// assignment is followed by forward checking:
// - a neighbour loses the values the rules forbid next to it;
// - a piece that is used up leaves every domain;
// - a piece must still fit on as many positions as there are of it left;
// - the pieces that may not touch each other must fit as an independent set
//   (bounded by a greedy cover with triangles of the hex grid, and on small
//   boards by the largest independent set itself);
// - every resource must still be able to reach its band of pips.
// A variable with a single value left goes first; then, on a small board, one
// with the fewest values left, on a large one the next in a sweep outward.
// The value is drawn from the random source in proportion to its pull.
#include "fair_depth_first.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <unordered_map>
#include <utility>

#include "board/random_source.h"

namespace vornia {

namespace {

using TMask = std::uint64_t;
constexpr int MaxValues = MaxFairValues;
constexpr int Resources = 5;
constexpr int MaxPips = 6;
// The independent-set bound works on position masks.
constexpr int MaxCoverPositions = 64;
// Above this many open places of a resource the pips bound is not worth its cost.
constexpr int MaxPipsSlots = 64;
constexpr std::size_t MaxIndependentMemo = 1 << 18;

constexpr TMask Bit(int b)
{
    return TMask{1} << b;
}

long long FloorDiv(long long a, long long b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}
long long CeilDiv(long long a, long long b)
{
    return -FloorDiv(-a, b);
}

class TFairSearch {
public:
    TFairSearch(const TFairProblem& problem, const std::vector<int>& order, TRandomSource& random);
    TDepthFirstEnd Run(long long budget);
    void Store(TFairProblem& problem) const;
    long long Nodes = 0;

private:
    struct TTrail {
        int Var;
        TMask Old;
        bool Assign;
    };

    bool IsToken(int v) const { return v >= N; }
    int PositionOf(int v) const { return v < N ? v : v - N; }
    int Other(int v) const { return v < N ? v + N : v - N; }

    bool Interchangeable(int g, int h) const;
    TMask FreshAlike(int g) const;
    void Link(int v);
    void Unlink(int v);
    bool Remove(int v, TMask bits);
    bool Assign(int v, int g);
    void UndoTo(std::size_t mark);
    void Account(int v, int sign);
    void AccountFull(int k, int t, int sign);
    bool Bounds() const;
    bool PipsReachable(int r) const;
    int Cover(TMask u) const;
    bool Fits(TMask u, int count) const;
    int Independent(TMask u) const;
    int Select(int& cursor) const;
    int Weight(int g) const;
    int Draw(TMask candidates);
    TDepthFirstEnd Search(int cursor);

    TRandomSource& Random;
    TFairRules Rules;
    int N = 0;
    int KindCount = 0;
    std::vector<std::vector<int>> Nb; // internal positions
    std::vector<TMask> NbMask;        // when N <= MaxCoverPositions
    std::vector<int> Order;           // internal position -> position of the problem

    // Per value (kinds first, then tokens).
    int Rem[MaxValues] = {};
    int Supp[MaxValues] = {};
    int Res[MaxValues] = {};
    int Pips[MaxValues] = {};
    bool Number[MaxValues] = {};
    bool Mark[MaxValues] = {};
    int Initial[MaxValues] = {};
    // Values of one class are interchangeable as long as none of them is used.
    int Class[MaxValues] = {};
    TMask KindBits = 0, TokenBits = 0, DesertKinds = 0, MarkBit = 0, RedBits = 0, NumberBits = 0;
    TMask ResourceBits[Resources] = {};

    std::vector<TMask> Dom;
    std::vector<int> Val;
    // Per value, the open positions that may still take it (when N <= MaxCoverPositions).
    TMask Places[MaxValues] = {};
    TMask PlaceBit(int v) const { return N <= MaxCoverPositions ? Bit(PositionOf(v)) : 0; }
    std::vector<int> Next, Prev;
    int Head[MaxValues + 1];
    std::vector<TTrail> Trail;

    // Pips bookkeeping: tokens not yet on a position whose kind is known, and
    // the numbers already on each resource.
    int Pool[MaxPips + 1] = {};
    int PoolBlank = 0;
    long long PartSum[Resources] = {};
    int PartCount[Resources] = {};
    int OpenSlots[Resources] = {};
    long long TotalPips = 0;
    long long TotalNumbers = 0;

    long long Budget = 0;
    // Largest independent sets of the position sets met so far (exact search only).
    mutable std::unordered_map<TMask, int> IndependentMemo;
};

TFairSearch::TFairSearch(const TFairProblem& problem, const std::vector<int>& order, TRandomSource& random)
    : Random(random),
      Rules(problem.Rules),
      N(static_cast<int>(order.size())),
      KindCount(static_cast<int>(problem.Kinds.size())),
      Order(order)
{
    std::vector<int> rank(order.size());
    for (int i = 0; i < N; ++i)
        rank[static_cast<std::size_t>(order[static_cast<std::size_t>(i)])] = i;
    Nb.resize(static_cast<std::size_t>(N));
    for (int i = 0; i < N; ++i)
        for (int q : problem.Neighbours[static_cast<std::size_t>(order[static_cast<std::size_t>(i)])])
            Nb[static_cast<std::size_t>(i)].push_back(rank[static_cast<std::size_t>(q)]);
    if (N <= MaxCoverPositions) {
        NbMask.assign(static_cast<std::size_t>(N), 0);
        for (int i = 0; i < N; ++i)
            for (int q : Nb[static_cast<std::size_t>(i)])
                NbMask[static_cast<std::size_t>(i)] |= Bit(q);
    }

    for (int g = 0; g < KindCount; ++g) {
        const TFairKind& k = problem.Kinds[static_cast<std::size_t>(g)];
        Res[g] = k.Resource;
        KindBits |= Bit(g);
        if (k.Desert)
            DesertKinds |= Bit(g);
        if (k.Resource >= 0)
            ResourceBits[k.Resource] |= Bit(g);
    }
    for (std::size_t t = 0; t < problem.Tokens.size(); ++t) {
        const TFairToken& token = problem.Tokens[t];
        const int g = KindCount + static_cast<int>(t);
        Res[g] = -1;
        Pips[g] = std::clamp(token.Pips, 0, MaxPips);
        Number[g] = token.Number;
        Mark[g] = token.DesertMark;
        TokenBits |= Bit(g);
        if (token.DesertMark)
            MarkBit |= Bit(g);
        if (token.Red)
            RedBits |= Bit(g);
        if (token.Number)
            NumberBits |= Bit(g);
    }
    for (int p = 0; p < N; ++p) {
        ++Rem[problem.Kind[static_cast<std::size_t>(p)]];
        const int g = KindCount + problem.Token[static_cast<std::size_t>(p)];
        ++Rem[g];
        if (Number[g]) {
            ++Pool[Pips[g]];
            TotalPips += Pips[g];
            ++TotalNumbers;
        } else if (!Mark[g]) {
            ++PoolBlank;
        }
    }

    for (int g = 0; g < MaxValues; ++g) {
        Initial[g] = Rem[g];
        Class[g] = g;
        for (int h = 0; h < g; ++h)
            if (Interchangeable(g, h)) {
                Class[g] = Class[h];
                break;
            }
    }

    TMask present = 0;
    for (int g = 0; g < MaxValues; ++g)
        if (Rem[g] > 0)
            present |= Bit(g);
    Dom.resize(static_cast<std::size_t>(2 * N));
    Val.assign(static_cast<std::size_t>(2 * N), -1);
    Next.assign(static_cast<std::size_t>(2 * N), -1);
    Prev.assign(static_cast<std::size_t>(2 * N), -1);
    std::fill(std::begin(Head), std::end(Head), -1);
    for (int v = 2 * N - 1; v >= 0; --v) {
        // Kind and token of a position side by side, in the order given.
        const int w = (v % 2 == 0) ? v / 2 : N + v / 2;
        Dom[static_cast<std::size_t>(w)] = present & (IsToken(w) ? TokenBits : KindBits);
        for (TMask c = Dom[static_cast<std::size_t>(w)]; c; c &= c - 1)
            Places[std::countr_zero(c)] |= PlaceBit(w);
        Link(w);
    }
    for (int g = 0; g < MaxValues; ++g)
        if (Rem[g] > 0)
            Supp[g] = N;
}

// Two values that no rule tells apart and that come in equal numbers: while
// both are unused, every arrangement with one has its mirror with the other.
bool TFairSearch::Interchangeable(int g, int h) const
{
    if (Initial[g] != Initial[h] || Initial[g] == 0)
        return false;
    const bool kindG = g < KindCount, kindH = h < KindCount;
    if (kindG != kindH)
        return false;
    if (kindG) {
        // Two resources, each a value of its own; any other kind stands alone.
        return Res[g] >= 0 && Res[h] >= 0 && std::has_single_bit(ResourceBits[Res[g]]) &&
               std::has_single_bit(ResourceBits[Res[h]]);
    }
    const bool redG = (RedBits & Bit(g)) != 0, redH = (RedBits & Bit(h)) != 0;
    return Number[g] && Number[h] && redG == redH && (!Rules.BalancedPips || Pips[g] == Pips[h]);
}

// The unused values of g's class.
TMask TFairSearch::FreshAlike(int g) const
{
    TMask alike = 0;
    for (int h = 0; h < MaxValues; ++h)
        if (Class[h] == Class[g] && Rem[h] == Initial[h] && Initial[h] > 0)
            alike |= Bit(h);
    return alike;
}

void TFairSearch::Link(int v)
{
    const int s = std::popcount(Dom[static_cast<std::size_t>(v)]);
    Prev[static_cast<std::size_t>(v)] = -1;
    Next[static_cast<std::size_t>(v)] = Head[s];
    if (Head[s] >= 0)
        Prev[static_cast<std::size_t>(Head[s])] = v;
    Head[s] = v;
}

void TFairSearch::Unlink(int v)
{
    const int s = std::popcount(Dom[static_cast<std::size_t>(v)]);
    const int prev = Prev[static_cast<std::size_t>(v)], next = Next[static_cast<std::size_t>(v)];
    if (prev >= 0)
        Next[static_cast<std::size_t>(prev)] = next;
    else
        Head[s] = next;
    if (next >= 0)
        Prev[static_cast<std::size_t>(next)] = prev;
}

// Takes values out of the domain of an open variable; false on a wipe-out or
// when a value no longer fits as often as it is left.
bool TFairSearch::Remove(int v, TMask bits)
{
    TMask& dom = Dom[static_cast<std::size_t>(v)];
    const TMask cut = dom & bits;
    if (cut == 0)
        return true;
    Trail.push_back({v, dom, false});
    Unlink(v);
    dom &= ~cut;
    Link(v);
    const TMask place = PlaceBit(v);
    for (TMask c = cut; c; c &= c - 1) {
        --Supp[std::countr_zero(c)];
        Places[std::countr_zero(c)] &= ~place;
    }
    if (dom == 0)
        return false;
    for (TMask c = cut; c; c &= c - 1) {
        const int b = std::countr_zero(c);
        if (Supp[b] < Rem[b])
            return false;
    }
    return true;
}

void TFairSearch::AccountFull(int k, int t, int sign)
{
    if (Mark[t])
        return;
    if (!Number[t]) {
        PoolBlank -= sign;
        return;
    }
    Pool[Pips[t]] -= sign;
    if (Res[k] >= 0) {
        PartSum[Res[k]] += sign * Pips[t];
        PartCount[Res[k]] += sign;
    }
}

// Keeps the pips bookkeeping in step with an assignment (+1) or its undoing (-1).
void TFairSearch::Account(int v, int sign)
{
    const int p = PositionOf(v);
    const int other = Other(v);
    if (Val[static_cast<std::size_t>(other)] >= 0) {
        const int k = Val[static_cast<std::size_t>(p)], t = Val[static_cast<std::size_t>(N + p)];
        if (IsToken(v) && Res[k] >= 0)
            OpenSlots[Res[k]] -= sign;
        AccountFull(k, t, sign);
    } else if (!IsToken(v) && Res[Val[static_cast<std::size_t>(v)]] >= 0) {
        OpenSlots[Res[Val[static_cast<std::size_t>(v)]]] += sign;
    }
}

bool TFairSearch::Assign(int v, int g)
{
    TMask& dom = Dom[static_cast<std::size_t>(v)];
    const TMask old = dom;
    Trail.push_back({v, old, true});
    Unlink(v);
    const TMask place = PlaceBit(v);
    for (TMask c = old; c; c &= c - 1) {
        --Supp[std::countr_zero(c)];
        Places[std::countr_zero(c)] &= ~place;
    }
    Val[static_cast<std::size_t>(v)] = g;
    dom = Bit(g);
    --Rem[g];
    Account(v, +1);
    for (TMask c = old & ~Bit(g); c; c &= c - 1) {
        const int b = std::countr_zero(c);
        if (Supp[b] < Rem[b])
            return false;
    }

    const bool token = IsToken(v);
    if (Rem[g] == 0 && Supp[g] > 0) {
        const int from = token ? N : 0;
        for (int u = from; u < from + N; ++u)
            if (Val[static_cast<std::size_t>(u)] < 0 && !Remove(u, Bit(g)))
                return false;
    }

    const int other = Other(v);
    if (Val[static_cast<std::size_t>(other)] < 0) {
        TMask cut;
        if (token)
            cut = Mark[g] ? KindBits & ~DesertKinds : DesertKinds;
        else
            cut = (DesertKinds & Bit(g)) ? TokenBits & ~MarkBit : MarkBit;
        if (!Remove(other, cut))
            return false;
    }

    TMask cut = 0;
    if (token) {
        if (Rules.NoAdjacentEqual && Number[g])
            cut |= Bit(g);
        if (Rules.NoAdjacentRed && (RedBits & Bit(g)))
            cut |= RedBits;
    } else if (Rules.NoAdjacentResource && Res[g] >= 0) {
        cut = ResourceBits[Res[g]];
    }
    if (cut) {
        const int offset = token ? N : 0;
        for (int q : Nb[static_cast<std::size_t>(PositionOf(v))]) {
            const int u = q + offset;
            if (Val[static_cast<std::size_t>(u)] < 0 && !Remove(u, cut))
                return false;
        }
    }
    return true;
}

void TFairSearch::UndoTo(std::size_t mark)
{
    while (Trail.size() > mark) {
        const TTrail e = Trail.back();
        Trail.pop_back();
        const std::size_t v = static_cast<std::size_t>(e.Var);
        if (e.Assign) {
            Account(e.Var, -1);
            ++Rem[Val[v]];
            Val[v] = -1;
            Dom[v] = e.Old;
            for (TMask c = e.Old; c; c &= c - 1) {
                ++Supp[std::countr_zero(c)];
                Places[std::countr_zero(c)] |= PlaceBit(e.Var);
            }
            Link(e.Var);
        } else {
            for (TMask c = e.Old & ~Dom[v]; c; c &= c - 1) {
                ++Supp[std::countr_zero(c)];
                Places[std::countr_zero(c)] |= PlaceBit(e.Var);
            }
            Unlink(e.Var);
            Dom[v] = e.Old;
            Link(e.Var);
        }
    }
}

// An upper bound of the largest independent set among the positions of u:
// the number of cliques (triangles, pairs, single positions) of a greedy cover.
int TFairSearch::Cover(TMask u) const
{
    int cliques = 0;
    while (u) {
        const int p = std::countr_zero(u);
        u &= u - 1;
        const TMask near = NbMask[static_cast<std::size_t>(p)] & u;
        if (near) {
            TMask take = near & (~near + 1);
            for (TMask c = near; c; c &= c - 1) {
                const int q = std::countr_zero(c);
                const TMask third = NbMask[static_cast<std::size_t>(q)] & near;
                if (third) {
                    take = Bit(q) | (third & (~third + 1));
                    break;
                }
            }
            u &= ~take;
        }
        ++cliques;
    }
    return cliques;
}

// The size of a largest independent set among the positions of u.
int TFairSearch::Independent(TMask u) const
{
    if (u == 0)
        return 0;
    if (const auto it = IndependentMemo.find(u); it != IndependentMemo.end())
        return it->second;
    // A position with at most one neighbour in u belongs to some largest set;
    // otherwise branch on one of most neighbours: without it, or with it and
    // without them.
    int fewest = -1, most = -1, leaf = -1, hub = -1;
    for (TMask c = u; c; c &= c - 1) {
        const int p = std::countr_zero(c);
        const int degree = std::popcount(NbMask[static_cast<std::size_t>(p)] & u);
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
        size = 1 + Independent(u & ~Bit(leaf) & ~NbMask[static_cast<std::size_t>(leaf)]);
    } else {
        const TMask without = u & ~Bit(hub);
        size = std::max(Independent(without), 1 + Independent(without & ~NbMask[static_cast<std::size_t>(hub)]));
    }
    if (IndependentMemo.size() > MaxIndependentMemo)
        IndependentMemo.clear();
    IndependentMemo.emplace(u, size);
    return size;
}

// Whether count pieces that may not touch each other fit on the positions of u.
bool TFairSearch::Fits(TMask u, int count) const
{
    // A cover has at least a third as many cliques as positions.
    if (count < 2 || 3 * count <= std::popcount(u) + 2)
        return true;
    if (Cover(u) < count)
        return false;
    return N > FairExactLimit || Independent(u) >= count;
}

// Whether resource r can still end with a mean of pips within 1 of the mean of all numbers.
bool TFairSearch::PipsReachable(int r) const
{
    int slots = OpenSlots[r];
    for (TMask c = ResourceBits[r]; c; c &= c - 1)
        slots += Rem[std::countr_zero(c)];
    if (slots > MaxPipsSlots)
        return true;
    int numbers = 0;
    for (int p = 0; p <= MaxPips; ++p)
        numbers += Pool[p];
    const long long s = TotalPips, n = TotalNumbers;
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
        // |sum * n - s * count| <= count * n
        const long long needLo = CeilDiv((s - n) * count, n), needHi = FloorDiv((s + n) * count, n);
        if (std::max(lo, needLo) <= std::min(hi, needHi))
            return true;
    }
    return false;
}

bool TFairSearch::Bounds() const
{
    if (Rules.BalancedPips && TotalNumbers > 0)
        for (int r = 0; r < Resources; ++r)
            if (ResourceBits[r] && !PipsReachable(r))
                return false;
    if (N > MaxCoverPositions)
        return true;
    // The positions that may take any value of a mask.
    const auto places = [this](TMask values, int& left) {
        TMask u = 0;
        left = 0;
        for (TMask c = values; c; c &= c - 1) {
            u |= Places[std::countr_zero(c)];
            left += Rem[std::countr_zero(c)];
        }
        return u;
    };
    int left = 0;
    if (Rules.NoAdjacentResource)
        for (int r = 0; r < Resources; ++r) {
            const TMask u = places(ResourceBits[r], left);
            if (!Fits(u, left))
                return false;
        }
    if (Rules.NoAdjacentEqual)
        for (TMask c = NumberBits; c; c &= c - 1) {
            const int g = std::countr_zero(c);
            if (!Fits(Places[g], Rem[g]))
                return false;
        }
    if (Rules.NoAdjacentRed) {
        const TMask u = places(RedBits, left);
        if (!Fits(u, left))
            return false;
    }
    return true;
}

// The next variable: one with a single value left; else, on a small board,
// one with the fewest values left, and on a large one the next open variable
// in the sweep from the start, moving the cursor on. -1 when all are set.
//
// On a large board the fewest values mislead: the neighbours of a "6" have
// lost two values and would all be set before the open land, which leaves the
// "6" and "8" that are left over for the last places, all of them near one.
int TFairSearch::Select(int& cursor) const
{
    if (Head[1] >= 0)
        return Head[1];
    if (N > FairExactLimit) {
        for (; cursor < 2 * N; ++cursor) {
            const int v = (cursor % 2 == 0) ? cursor / 2 : N + cursor / 2;
            if (Val[static_cast<std::size_t>(v)] < 0)
                return v;
        }
        return -1;
    }
    for (int s = 2; s <= MaxValues; ++s)
        if (Head[s] >= 0)
            return Head[s];
    return -1;
}

// The pull of a value: the share of the open places that could take it that
// must take it. A value close to running out of places is placed first.
int TFairSearch::Weight(int g) const
{
    return std::max(1, static_cast<int>(4096LL * Rem[g] / std::max(1, Supp[g])));
}

// One of the candidate values, with a chance in proportion to its pull.
int TFairSearch::Draw(TMask candidates)
{
    if (std::has_single_bit(candidates))
        return std::countr_zero(candidates);
    int total = 0;
    for (TMask c = candidates; c; c &= c - 1)
        total += Weight(std::countr_zero(c));
    int r = Random.Next(total);
    for (TMask c = candidates; c; c &= c - 1) {
        const int g = std::countr_zero(c);
        if (r < Weight(g))
            return g;
        r -= Weight(g);
    }
    return std::countr_zero(candidates);
}

TDepthFirstEnd TFairSearch::Search(int cursor)
{
    if (++Nodes > Budget)
        return TDepthFirstEnd::OutOfBudget;
    const int v = Select(cursor);
    if (v < 0)
        return TDepthFirstEnd::Found;
    TMask candidates = Dom[static_cast<std::size_t>(v)];
    while (candidates) {
        const int g = Draw(candidates);
        // Having tried an unused value, its unused twins would only mirror the subtree.
        candidates &= ~(Rem[g] == Initial[g] ? FreshAlike(g) : Bit(g));
        const std::size_t mark = Trail.size();
        if (Assign(v, g) && Bounds()) {
            const TDepthFirstEnd step = Search(cursor);
            if (step != TDepthFirstEnd::Failed)
                return step;
        }
        UndoTo(mark);
    }
    return TDepthFirstEnd::Failed;
}

TDepthFirstEnd TFairSearch::Run(long long budget)
{
    Budget = budget;
    if (!Bounds())
        return TDepthFirstEnd::Failed;
    return Search(0);
}

void TFairSearch::Store(TFairProblem& problem) const
{
    for (int i = 0; i < N; ++i) {
        const std::size_t p = static_cast<std::size_t>(Order[static_cast<std::size_t>(i)]);
        problem.Kind[p] = Val[static_cast<std::size_t>(i)];
        problem.Token[p] = Val[static_cast<std::size_t>(N + i)] - KindCount;
    }
}

} // namespace

// Positions in breadth-first order over the neighbours, island by island, so
// that the search works outward from where it started.
std::vector<int> SpreadOrder(const TFairProblem& problem)
{
    const std::size_t n = problem.Kind.size();
    std::vector<int> order;
    order.reserve(n);
    std::vector<char> seen(n, 0);
    for (std::size_t start = 0; start < n; ++start) {
        if (seen[start])
            continue;
        seen[start] = 1;
        order.push_back(static_cast<int>(start));
        for (std::size_t head = order.size() - 1; head < order.size(); ++head)
            for (int q : problem.Neighbours[static_cast<std::size_t>(order[head])])
                if (!seen[static_cast<std::size_t>(q)]) {
                    seen[static_cast<std::size_t>(q)] = 1;
                    order.push_back(q);
                }
    }
    return order;
}

TDepthFirstEnd DepthFirstRun(TFairProblem& problem, const std::vector<int>& order, TRandomSource& random,
                             long long budget, long long& nodes)
{
    TFairSearch search(problem, order, random);
    const TDepthFirstEnd end = search.Run(budget);
    nodes = search.Nodes;
    if (end == TDepthFirstEnd::Found)
        search.Store(problem);
    return end;
}

} // namespace vornia

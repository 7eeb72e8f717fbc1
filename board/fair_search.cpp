// A depth-first search over two variables per land position, its kind and
// its token (number, blank or desert mark). Values are whole pieces of a
// multiset, so a search never tells two equal pieces apart. Every assignment
// is followed by forward checking:
// - a neighbour loses the values the rules forbid next to it;
// - a piece that is used up leaves every domain;
// - a piece must still fit on as many positions as there are of it left;
// - the pieces that may not touch each other must fit as an independent set
//   (bounded by a greedy cover with triangles of the hex grid);
// - every resource must still be able to reach its band of pips.
// The next variable is one with the fewest values left; the value is drawn
// from the random source in proportion to the pieces left of it.
#include "fair_search.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <unordered_map>
#include <utility>

#include "fair_repair.h"
#include "random_source.h"

namespace vornia {

namespace {

using TMask = std::uint64_t;
constexpr int MaxValues = 64;
constexpr int Resources = 5;
constexpr int MaxPips = 6;
// The independent-set bound works on position masks.
constexpr int MaxCoverPositions = 64;
// Above this many open places of a resource the pips bound is not worth its cost.
constexpr int MaxPipsSlots = 64;
constexpr std::size_t MaxIndependentMemo = 1 << 18;

// Node budgets over all restarts. Up to FairExactLimit plates the budget lies
// far beyond what any board has needed; above it the search gives up when the
// budget is spent. Both stay well within a second.
constexpr long long ExactBudget = 1'000'000;
constexpr long long RestartTotal = 150'000;
constexpr long long RepairSteps = 150'000;

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

enum class TStep { Found, Failed, OutOfBudget };

class TFairSearch {
public:
    TFairSearch(const TFairProblem& problem, const std::vector<int>& order, TRandomSource& random);
    TStep Run(long long budget);
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
    TStep Search(int cursor);

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

TStep TFairSearch::Search(int cursor)
{
    if (++Nodes > Budget)
        return TStep::OutOfBudget;
    const int v = Select(cursor);
    if (v < 0)
        return TStep::Found;
    TMask candidates = Dom[static_cast<std::size_t>(v)];
    while (candidates) {
        const int g = Draw(candidates);
        // Having tried an unused value, its unused twins would only mirror the subtree.
        candidates &= ~(Rem[g] == Initial[g] ? FreshAlike(g) : Bit(g));
        const std::size_t mark = Trail.size();
        if (Assign(v, g) && Bounds()) {
            const TStep step = Search(cursor);
            if (step != TStep::Failed)
                return step;
        }
        UndoTo(mark);
    }
    return TStep::Failed;
}

TStep TFairSearch::Run(long long budget)
{
    Budget = budget;
    if (!Bounds())
        return TStep::Failed;
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

// Whether the numbers can be shared out among the resources at all, wherever
// they lie: each resource takes as many tokens as it has plates, and each
// resource's numbers must reach its band of pips. Classes 0..6 are numbers by
// their pips, class 7 the blanks. Answers true when the effort runs out.
class TPipsShares {
public:
    explicit TPipsShares(const TFairProblem& problem)
    {
        int sizes[Resources] = {};
        for (std::size_t p = 0; p < problem.Kind.size(); ++p) {
            const int r = problem.Kinds[static_cast<std::size_t>(problem.Kind[p])].Resource;
            if (r >= 0)
                ++sizes[r];
            const TFairToken& t = problem.Tokens[static_cast<std::size_t>(problem.Token[p])];
            if (t.Number) {
                ++Counts[std::clamp(t.Pips, 0, MaxPips)];
                TotalPips += std::clamp(t.Pips, 0, MaxPips);
                ++TotalNumbers;
            } else if (!t.DesertMark) {
                ++Counts[Blank];
            }
        }
        for (int size : sizes)
            if (size > 0)
                Sizes.push_back(size);
        std::sort(Sizes.begin(), Sizes.end()); // the fewest plates are the hardest to please
    }

    bool Possible()
    {
        if (TotalNumbers == 0)
            return true;
        return Share(0, Counts);
    }

private:
    static constexpr int Blank = MaxPips + 1;
    static constexpr int Classes = MaxPips + 2;
    static constexpr long long MaxSteps = 200'000;

    bool InBand(long long sum, long long count) const
    {
        return count == 0 || std::llabs(sum * TotalNumbers - TotalPips * count) <= count * TotalNumbers;
    }

    static std::uint64_t Key(std::size_t group, const int* counts)
    {
        std::uint64_t key = group;
        for (int c = 0; c < Classes; ++c)
            key = (key << 5) | static_cast<std::uint64_t>(counts[c]);
        return key;
    }

    bool Share(std::size_t group, int* counts)
    {
        if (group == Sizes.size())
            return true;
        const std::uint64_t key = Key(group, counts);
        if (Dead.count(key))
            return false;
        int take[Classes] = {};
        if (Pick(group, counts, take, 0, Sizes[group], 0, 0))
            return true;
        if (Steps <= MaxSteps)
            Dead.emplace(key, true);
        return Steps > MaxSteps;
    }

    // Chooses how many of each class from c on go to the group.
    bool Pick(std::size_t group, int* counts, int* take, int c, int left, long long sum, long long numbers)
    {
        if (++Steps > MaxSteps)
            return true;
        if (c == Classes) {
            if (left > 0 || !InBand(sum, numbers))
                return false;
            int rest[Classes];
            for (int k = 0; k < Classes; ++k)
                rest[k] = counts[k] - take[k];
            return Share(group + 1, rest);
        }
        for (int t = std::min(left, counts[c]); t >= 0; --t) {
            take[c] = t;
            const bool number = c != Blank;
            if (Pick(group, counts, take, c + 1, left - t, sum + (number ? static_cast<long long>(t) * c : 0),
                     numbers + (number ? t : 0)))
                return true;
        }
        take[c] = 0;
        return false;
    }

    int Counts[Classes] = {};
    long long TotalPips = 0, TotalNumbers = 0;
    std::vector<int> Sizes;
    std::unordered_map<std::uint64_t, bool> Dead;
    long long Steps = 0;
};

// The restart sequence 1, 1, 2, 1, 1, 2, 4, 1, 1, 2, 1, 1, 2, 4, 8, ...
long long Luby(int i)
{
    for (int k = 1;; ++k) {
        const long long full = (1LL << k) - 1;
        if (i == full)
            return 1LL << (k - 1);
        if (i < full)
            return Luby(i - static_cast<int>((1LL << (k - 1)) - 1));
    }
}

// Restarts with budgets in the sequence above: a search that lost its way
// early starts afresh with another draw instead of combing through a barren
// subtree, while ever longer runs come round in between. A run that ends
// without a budget cut has searched the whole tree, so the search stays
// exhaustive as long as the total budget lasts.
TFairOutcome Search(TFairProblem& problem, TRandomSource& random, TFairEffort* effort)
{
    if (problem.Kinds.size() + problem.Tokens.size() > static_cast<std::size_t>(MaxValues))
        return TFairOutcome::GaveUp;
    const std::vector<int> order = SpreadOrder(problem);
    const long long n = static_cast<long long>(order.size());
    const bool exact = n <= FairExactLimit;
    if (exact && problem.Rules.BalancedPips && !TPipsShares(problem).Possible())
        return TFairOutcome::Impossible;
    const long long total = exact ? ExactBudget : RestartTotal;
    const long long unit = 4 * n + 64;
    long long spent = 0;
    for (int run = 1;; ++run) {
        // On a large board, after a first short run, the pieces as they lie
        // are repaired by swaps before the search goes on.
        if (!exact && run == 2) {
            TFairProblem repaired = problem;
            if (RepairFair(repaired, random, std::min(RepairSteps, 20 * n + 20'000), effort)) {
                problem = std::move(repaired);
                return TFairOutcome::Found;
            }
        }
        TFairSearch search(problem, order, random);
        const TStep step = search.Run(std::min(unit * Luby(run), total - spent));
        spent += search.Nodes;
        if (effort) {
            effort->Nodes += search.Nodes;
            ++effort->Runs;
        }
        if (step == TStep::Failed)
            return TFairOutcome::Impossible;
        if (step == TStep::Found) {
            search.Store(problem);
            return TFairOutcome::Found;
        }
        if (spent >= total)
            return TFairOutcome::GaveUp;
    }
}

} // namespace

int PipsOfNumber(int n)
{
    return (n >= 2 && n <= 12) ? 6 - std::abs(7 - n) : 0;
}

bool MeetsFairRules(const TFairProblem& problem)
{
    const TFairRules& rules = problem.Rules;
    const std::size_t n = problem.Kind.size();
    long long sum[Resources] = {}, count[Resources] = {}, totalSum = 0, totalCount = 0;
    for (std::size_t p = 0; p < n; ++p) {
        const TFairKind& kind = problem.Kinds[static_cast<std::size_t>(problem.Kind[p])];
        const TFairToken& token = problem.Tokens[static_cast<std::size_t>(problem.Token[p])];
        if (kind.Desert != token.DesertMark)
            return false;
        for (int q : problem.Neighbours[p]) {
            const TFairKind& otherKind =
                problem.Kinds[static_cast<std::size_t>(problem.Kind[static_cast<std::size_t>(q)])];
            const int otherToken = problem.Token[static_cast<std::size_t>(q)];
            const TFairToken& other = problem.Tokens[static_cast<std::size_t>(otherToken)];
            if (rules.NoAdjacentResource && kind.Resource >= 0 && kind.Resource == otherKind.Resource)
                return false;
            if (rules.NoAdjacentEqual && token.Number && otherToken == problem.Token[p])
                return false;
            if (rules.NoAdjacentRed && token.Red && other.Red)
                return false;
        }
        if (token.Number) {
            totalSum += token.Pips;
            ++totalCount;
            if (kind.Resource >= 0) {
                sum[kind.Resource] += token.Pips;
                ++count[kind.Resource];
            }
        }
    }
    if (rules.BalancedPips)
        for (int r = 0; r < Resources; ++r)
            if (count[r] > 0 && std::llabs(sum[r] * totalCount - totalSum * count[r]) > count[r] * totalCount)
                return false;
    return true;
}

namespace {

// Merges the values that are not special into value 0; special values keep
// their own, in order. Returns the value of every position after the merge.
std::vector<int> Merge(const std::vector<int>& values, const std::vector<bool>& special, std::vector<int>& back)
{
    std::vector<int> to(special.size(), 0);
    back.assign(1, -1);
    for (std::size_t v = 0; v < special.size(); ++v)
        if (special[v]) {
            to[v] = static_cast<int>(back.size());
            back.push_back(static_cast<int>(v));
        }
    std::vector<int> merged;
    merged.reserve(values.size());
    for (int v : values)
        merged.push_back(to[static_cast<std::size_t>(v)]);
    return merged;
}

// Undoes Merge after the search: a position that was and stays ordinary keeps
// its own value; the ordinary values on positions that became special go, in
// order, to the positions that stopped being special.
void Unmerge(std::vector<int>& values, const std::vector<int>& merged, const std::vector<bool>& special,
             const std::vector<int>& back)
{
    std::vector<int> displaced;
    for (std::size_t p = 0; p < values.size(); ++p)
        if (!special[static_cast<std::size_t>(values[p])] && merged[p] != 0)
            displaced.push_back(values[p]);
    std::size_t next = 0;
    for (std::size_t p = 0; p < values.size(); ++p) {
        if (merged[p] != 0)
            values[p] = back[static_cast<std::size_t>(merged[p])];
        else if (special[static_cast<std::size_t>(values[p])])
            values[p] = displaced[next++];
    }
}

} // namespace

TFairOutcome SolveFair(TFairProblem& problem, TRandomSource& random, TFairEffort* effort)
{
    if (MeetsFairRules(problem))
        return TFairOutcome::Found;
    const TFairRules& rules = problem.Rules;
    // A side that no chosen rule looks at matters only through the desert: it
    // is searched as "desert or not", and its pieces stay where they can.
    const bool kindsFree = !rules.NoAdjacentResource && !rules.BalancedPips;
    const bool tokensFree = !rules.NoAdjacentRed && !rules.NoAdjacentEqual && !rules.BalancedPips;
    TFairProblem search = problem;
    std::vector<bool> desertKind, markToken;
    std::vector<int> kindBack, tokenBack;
    for (const TFairKind& k : problem.Kinds)
        desertKind.push_back(k.Desert);
    for (const TFairToken& t : problem.Tokens)
        markToken.push_back(t.DesertMark);
    if (kindsFree) {
        search.Kind = Merge(problem.Kind, desertKind, kindBack);
        search.Kinds.assign(kindBack.size(), TFairKind{-1, true});
        search.Kinds[0].Desert = false;
    }
    if (tokensFree) {
        search.Token = Merge(problem.Token, markToken, tokenBack);
        search.Tokens.assign(tokenBack.size(), TFairToken{0, false, false, true});
        search.Tokens[0].DesertMark = false;
    }
    const TFairOutcome outcome = Search(search, random, effort);
    if (outcome != TFairOutcome::Found)
        return outcome;
    TFairProblem arranged = problem;
    if (kindsFree)
        Unmerge(arranged.Kind, search.Kind, desertKind, kindBack);
    else
        arranged.Kind = search.Kind;
    if (tokensFree)
        Unmerge(arranged.Token, search.Token, markToken, tokenBack);
    else
        arranged.Token = search.Token;
    if (!MeetsFairRules(arranged))
        return TFairOutcome::GaveUp;
    problem = std::move(arranged);
    return TFairOutcome::Found;
}

} // namespace vornia

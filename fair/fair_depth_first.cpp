// A depth-first search over two variables per land position, its kind and
// its token (number, blank or desert mark). Values are whole pieces of a
// multiset, so a search never tells two equal pieces apart, and of values that
// no rule tells apart and that are still unused only one is tried. Every
// assignment is followed by forward checking:
// - a neighbour loses the values the rules forbid next to it;
// - a piece that is used up leaves every domain;
// - a piece must still fit on as many positions as there are of it left;
// - the bounds of fair_depth_first_bounds.cpp: the pieces that may not touch
//   each other must fit as an independent set, and every resource must still
//   be able to reach its band of pips.
// A variable with a single value left goes first; then, on a small board, one
// with the fewest values left, on a large one the next in a sweep outward.
// The value is drawn in proportion to its pull. The levels of the search are
// frames on a stack of its own, not calls, so that a board of thousands of
// positions needs no deep call stack.
#include "fair_depth_first.h"

#include <algorithm>
#include <bit>
#include <iterator>

#include "fair_depth_first_state.h"

namespace vornia {

TDepthFirstSearch::TDepthFirstSearch(const TFairProblem& problem, const std::vector<int>& order, const TDraw& draw)
    : Draw(draw),
      Rules(problem.Rules),
      N(static_cast<int>(order.size())),
      KindCount(static_cast<int>(problem.Kinds.size())),
      Order(order)
{
    std::vector<int> rank(order.size());
    for (int i = 0; i < N; ++i)
        At(rank, At(order, i)) = i;
    Neighbours.resize(order.size());
    for (int i = 0; i < N; ++i)
        for (int q : At(problem.Neighbours, At(order, i)))
            At(Neighbours, i).push_back(At(rank, q));
    if (N <= MaxCoverPositions) {
        NeighbourMasks.assign(order.size(), 0);
        for (int i = 0; i < N; ++i)
            for (int q : At(Neighbours, i))
                At(NeighbourMasks, i) |= MaskBit(q);
    }

    for (int g = 0; g < KindCount; ++g) {
        const TFairKind& k = At(problem.Kinds, g);
        Resource[g] = k.Resource;
        KindBits |= MaskBit(g);
        if (k.Desert)
            DesertKinds |= MaskBit(g);
        if (k.Resource >= 0)
            ResourceBits[k.Resource] |= MaskBit(g);
        for (int h = 0; h < KindCount; ++h)
            if (BrokenKindRules(problem, g, h) > 0)
                Beside[g] |= MaskBit(h);
    }
    const int tokenCount = static_cast<int>(problem.Tokens.size());
    for (int t = 0; t < tokenCount; ++t) {
        const TFairToken& token = At(problem.Tokens, t);
        const int g = KindCount + t;
        Resource[g] = -1;
        Pips[g] = std::clamp(token.Pips, 0, MaxPips);
        Number[g] = token.Number;
        Mark[g] = token.DesertMark;
        TokenBits |= MaskBit(g);
        if (token.DesertMark)
            MarkBit |= MaskBit(g);
        if (token.Red)
            RedBits |= MaskBit(g);
        if (token.Number)
            NumberBits |= MaskBit(g);
        for (int u = 0; u < tokenCount; ++u)
            if (BrokenTokenRules(problem, t, u) > 0)
                Beside[g] |= MaskBit(KindCount + u);
    }
    for (int p = 0; p < N; ++p) {
        ++Remaining[At(problem.Kind, p)];
        const int g = KindCount + At(problem.Token, p);
        ++Remaining[g];
        if (Number[g]) {
            ++Pool[Pips[g]];
            Band.TotalPips += Pips[g];
            ++Band.TotalNumbers;
        } else if (!Mark[g]) {
            ++PoolBlank;
        }
    }

    for (int g = 0; g < MaxFairValues; ++g) {
        Initial[g] = Remaining[g];
        Class[g] = g;
        for (int h = 0; h < g; ++h)
            if (Interchangeable(g, h)) {
                Class[g] = Class[h];
                break;
            }
    }

    TFairMask present = 0;
    for (int g = 0; g < MaxFairValues; ++g)
        if (Remaining[g] > 0)
            present |= MaskBit(g);
    const std::size_t variables = 2 * order.size();
    Domain.resize(variables);
    Value.assign(variables, -1);
    Next.assign(variables, -1);
    Prev.assign(variables, -1);
    std::fill(std::begin(Head), std::end(Head), -1);
    for (int v = 2 * N - 1; v >= 0; --v) {
        // Kind and token of a position side by side, in the order given.
        const int w = (v % 2 == 0) ? v / 2 : N + v / 2;
        At(Domain, w) = present & (IsToken(w) ? TokenBits : KindBits);
        for (TFairMask c = At(Domain, w); c; c &= c - 1)
            Places[std::countr_zero(c)] |= PlaceBit(w);
        Link(w);
    }
    for (int g = 0; g < MaxFairValues; ++g)
        if (Remaining[g] > 0)
            Support[g] = N;
}

// Two values that no rule tells apart and that come in equal numbers: while
// both are unused, every arrangement with one has its mirror with the other.
bool TDepthFirstSearch::Interchangeable(int g, int h) const
{
    if (Initial[g] != Initial[h] || Initial[g] == 0)
        return false;
    const bool kindG = g < KindCount, kindH = h < KindCount;
    if (kindG != kindH)
        return false;
    if (kindG) {
        // Two resources, each a value of its own; any other kind stands alone.
        return Resource[g] >= 0 && Resource[h] >= 0 && std::has_single_bit(ResourceBits[Resource[g]]) &&
               std::has_single_bit(ResourceBits[Resource[h]]);
    }
    const bool redG = (RedBits & MaskBit(g)) != 0, redH = (RedBits & MaskBit(h)) != 0;
    return Number[g] && Number[h] && redG == redH && (!Rules.BalancedPips || Pips[g] == Pips[h]);
}

// The unused values of g's class.
TFairMask TDepthFirstSearch::FreshAlike(int g) const
{
    TFairMask alike = 0;
    for (int h = 0; h < MaxFairValues; ++h)
        if (Class[h] == Class[g] && Remaining[h] == Initial[h] && Initial[h] > 0)
            alike |= MaskBit(h);
    return alike;
}

void TDepthFirstSearch::Link(int v)
{
    const int s = std::popcount(At(Domain, v));
    At(Prev, v) = -1;
    At(Next, v) = Head[s];
    if (Head[s] >= 0)
        At(Prev, Head[s]) = v;
    Head[s] = v;
}

void TDepthFirstSearch::Unlink(int v)
{
    const int s = std::popcount(At(Domain, v));
    const int prev = At(Prev, v), next = At(Next, v);
    if (prev >= 0)
        At(Next, prev) = next;
    else
        Head[s] = next;
    if (next >= 0)
        At(Prev, next) = prev;
}

// The values leave (or come back to) the values open variable v may take.
void TDepthFirstSearch::Withdraw(int v, TFairMask values)
{
    const TFairMask place = PlaceBit(v);
    for (TFairMask c = values; c; c &= c - 1) {
        --Support[std::countr_zero(c)];
        Places[std::countr_zero(c)] &= ~place;
    }
}

void TDepthFirstSearch::Restore(int v, TFairMask values)
{
    const TFairMask place = PlaceBit(v);
    for (TFairMask c = values; c; c &= c - 1) {
        ++Support[std::countr_zero(c)];
        Places[std::countr_zero(c)] |= place;
    }
}

// Takes values out of the domain of an open variable; false on a wipe-out or
// when a value no longer fits as often as it is left.
bool TDepthFirstSearch::Remove(int v, TFairMask bits)
{
    TFairMask& domain = At(Domain, v);
    const TFairMask cut = domain & bits;
    if (cut == 0)
        return true;
    Trail.push_back({v, domain, false});
    Unlink(v);
    domain &= ~cut;
    Link(v);
    Withdraw(v, cut);
    if (domain == 0)
        return false;
    for (TFairMask c = cut; c; c &= c - 1) {
        const int b = std::countr_zero(c);
        if (Support[b] < Remaining[b])
            return false;
    }
    return true;
}

void TDepthFirstSearch::AccountFull(int k, int t, int sign)
{
    if (Mark[t])
        return;
    if (!Number[t]) {
        PoolBlank -= sign;
        return;
    }
    Pool[Pips[t]] -= sign;
    if (Resource[k] >= 0) {
        PartSum[Resource[k]] += sign * Pips[t];
        PartCount[Resource[k]] += sign;
    }
}

// Keeps the pips bookkeeping in step with an assignment (+1) or its undoing (-1).
void TDepthFirstSearch::Account(int v, int sign)
{
    const int p = PositionOf(v);
    if (At(Value, Other(v)) >= 0) {
        const int k = At(Value, p), t = At(Value, N + p);
        if (IsToken(v) && Resource[k] >= 0)
            OpenSlots[Resource[k]] -= sign;
        AccountFull(k, t, sign);
    } else if (!IsToken(v) && Resource[At(Value, v)] >= 0) {
        OpenSlots[Resource[At(Value, v)]] += sign;
    }
}

bool TDepthFirstSearch::Assign(int v, int g)
{
    TFairMask& domain = At(Domain, v);
    const TFairMask old = domain;
    Trail.push_back({v, old, true});
    Unlink(v);
    Withdraw(v, old);
    At(Value, v) = g;
    domain = MaskBit(g);
    --Remaining[g];
    Account(v, +1);
    for (TFairMask c = old & ~MaskBit(g); c; c &= c - 1) {
        const int b = std::countr_zero(c);
        if (Support[b] < Remaining[b])
            return false;
    }

    const bool token = IsToken(v);
    if (Remaining[g] == 0 && Support[g] > 0) {
        const int from = token ? N : 0;
        for (int u = from; u < from + N; ++u)
            if (At(Value, u) < 0 && !Remove(u, MaskBit(g)))
                return false;
    }

    const int other = Other(v);
    if (At(Value, other) < 0) {
        TFairMask cut;
        if (token)
            cut = Mark[g] ? KindBits & ~DesertKinds : DesertKinds;
        else
            cut = (DesertKinds & MaskBit(g)) ? TokenBits & ~MarkBit : MarkBit;
        if (!Remove(other, cut))
            return false;
    }

    if (Beside[g]) {
        const int offset = token ? N : 0;
        for (int q : At(Neighbours, PositionOf(v))) {
            const int u = q + offset;
            if (At(Value, u) < 0 && !Remove(u, Beside[g]))
                return false;
        }
    }
    return true;
}

void TDepthFirstSearch::UndoTo(std::size_t mark)
{
    while (Trail.size() > mark) {
        const TTrail e = Trail.back();
        Trail.pop_back();
        TFairMask& domain = At(Domain, e.Var);
        if (e.Assign) {
            Account(e.Var, -1);
            ++Remaining[At(Value, e.Var)];
            At(Value, e.Var) = -1;
            domain = e.Old;
            Restore(e.Var, e.Old);
            Link(e.Var);
        } else {
            Restore(e.Var, e.Old & ~domain);
            Unlink(e.Var);
            domain = e.Old;
            Link(e.Var);
        }
    }
}

// The next variable: one with a single value left; else, on a small board,
// one with the fewest values left, and on a large one the next open variable
// in the sweep from the start, moving the cursor on. -1 when all are set.
//
// On a large board the fewest values mislead: the neighbours of a "6" have
// lost two values and would all be set before the open land, which leaves the
// "6" and "8" that are left over for the last places, all of them near one.
int TDepthFirstSearch::Select(int& cursor) const
{
    if (Head[1] >= 0)
        return Head[1];
    if (N > FairExactLimit) {
        for (; cursor < 2 * N; ++cursor) {
            const int v = (cursor % 2 == 0) ? cursor / 2 : N + cursor / 2;
            if (At(Value, v) < 0)
                return v;
        }
        return -1;
    }
    for (int s = 2; s <= MaxFairValues; ++s)
        if (Head[s] >= 0)
            return Head[s];
    return -1;
}

// The pull of a value: the share of the open places that could take it that
// must take it. A value close to running out of places is placed first.
int TDepthFirstSearch::Weight(int g) const
{
    return std::max(1, static_cast<int>(4096LL * Remaining[g] / std::max(1, Support[g])));
}

// One of the candidate values, with a chance in proportion to its pull.
int TDepthFirstSearch::DrawValue(TFairMask candidates)
{
    if (std::has_single_bit(candidates))
        return std::countr_zero(candidates);
    int total = 0;
    for (TFairMask c = candidates; c; c &= c - 1)
        total += Weight(std::countr_zero(c));
    int r = Draw(total);
    for (TFairMask c = candidates; c; c &= c - 1) {
        const int g = std::countr_zero(c);
        if (r < Weight(g))
            return g;
        r -= Weight(g);
    }
    return std::countr_zero(candidates);
}

// A node below the assignments made so far, with the sweep's cursor where the
// level above left it: counts it and pushes the frame of its variable. False
// when the run ends at this node, end saying how.
bool TDepthFirstSearch::Enter(int cursor, TDepthFirstEnd& end)
{
    if (++Nodes > Budget || ((Nodes & 1023) == 0 && KeepGoing && *KeepGoing && !(*KeepGoing)())) {
        end = TDepthFirstEnd::OutOfBudget;
        return false;
    }
    const int v = Select(cursor);
    if (v < 0) {
        end = TDepthFirstEnd::Found;
        return false;
    }
    Stack.push_back({v, cursor, At(Domain, v), Trail.size()});
    return true;
}

TDepthFirstEnd TDepthFirstSearch::Run(long long budget)
{
    Budget = budget;
    if (!Bounds())
        return TDepthFirstEnd::Failed;
    TDepthFirstEnd end = TDepthFirstEnd::Failed;
    Stack.clear();
    Stack.reserve(2 * Order.size() + 1);
    if (!Enter(0, end))
        return end;
    while (!Stack.empty()) {
        TFrame& frame = Stack.back();
        if (frame.Candidates == 0) {
            // Every value failed here: the level above undoes its own and
            // tries its next.
            Stack.pop_back();
            if (!Stack.empty())
                UndoTo(Stack.back().Mark);
            continue;
        }
        const int g = DrawValue(frame.Candidates);
        // Having tried an unused value, its unused twins would only mirror the subtree.
        frame.Candidates &= ~(Remaining[g] == Initial[g] ? FreshAlike(g) : MaskBit(g));
        frame.Mark = Trail.size();
        if (!Assign(frame.Var, g) || !Bounds())
            UndoTo(frame.Mark);
        else if (!Enter(frame.Cursor, end))
            return end;
    }
    return TDepthFirstEnd::Failed;
}

void TDepthFirstSearch::Store(TFairProblem& problem) const
{
    for (int i = 0; i < N; ++i) {
        const int p = At(Order, i);
        At(problem.Kind, p) = At(Value, i);
        At(problem.Token, p) = At(Value, N + i) - KindCount;
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
            for (int q : At(problem.Neighbours, order[head]))
                if (!At(seen, q)) {
                    At(seen, q) = 1;
                    order.push_back(q);
                }
    }
    return order;
}

TDepthFirstEnd DepthFirstRun(TFairProblem& problem, const std::vector<int>& order, const TDraw& draw, long long budget,
                             long long& nodes, const TKeepGoing& keepGoing)
{
    TDepthFirstSearch search(problem, order, draw);
    search.KeepGoing = &keepGoing;
    const TDepthFirstEnd end = search.Run(budget);
    nodes = search.Nodes;
    if (end == TDepthFirstEnd::Found)
        search.Store(problem);
    return end;
}

} // namespace vornia

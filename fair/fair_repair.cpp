// Repair by swaps, one broken place at a time: take a place that breaks a
// rule (or, when only the pips are off, a place of a resource out of its
// band), try swapping its kind, its token or both with a few places drawn at
// random, and make the swap that leaves the fewest broken pairs and the least
// pips out of band. A swap that makes things worse is made now and then, so
// that the repair does not stay stuck.
#include "fair_repair.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "board/random_source.h"

namespace vornia {

namespace {

constexpr int Resources = 5;
constexpr int Samples = 24;   // places tried per step
constexpr int WorseOneIn = 8; // how rarely a swap for the worse is made
constexpr int KindsMove = 1, TokensMove = 2, BothMove = 3;

class TRepair {
public:
    TRepair(TFairProblem& problem, TRandomSource& random);
    bool Run(long long steps, long long& used);

private:
    int Pair(int p, int q) const;
    int Around(int p) const;
    long long Local(int p, int q) const;
    long long Deviation(int r) const;
    long long PipsCost() const;
    bool Allowed(int p, int q, int move) const;
    void Swap(int p, int q, int move);
    void Refresh(int p);
    int PickPlace();

    TFairProblem& P;
    TRandomSource& Random;
    int N;
    std::vector<int> Conflicts; // per place: broken pairs it is part of
    std::vector<int> Broken;    // places with conflicts
    std::vector<int> BrokenAt;  // place -> index in Broken, or -1
    long long TotalConflicts = 0;
    long long Sum[Resources] = {};
    long long Count[Resources] = {};
    long long TotalPips = 0, TotalNumbers = 0;
};

TRepair::TRepair(TFairProblem& problem, TRandomSource& random)
    : P(problem), Random(random), N(static_cast<int>(problem.Kind.size()))
{
    for (int p = 0; p < N; ++p) {
        const TFairToken& t = P.Tokens[static_cast<std::size_t>(P.Token[static_cast<std::size_t>(p)])];
        if (!t.Number)
            continue;
        TotalPips += t.Pips;
        ++TotalNumbers;
        const int r = P.Kinds[static_cast<std::size_t>(P.Kind[static_cast<std::size_t>(p)])].Resource;
        if (r >= 0) {
            Sum[r] += t.Pips;
            ++Count[r];
        }
    }
    Conflicts.assign(static_cast<std::size_t>(N), 0);
    BrokenAt.assign(static_cast<std::size_t>(N), -1);
    for (int p = 0; p < N; ++p)
        Refresh(p);
}

// How many rules the pair p, q breaks.
int TRepair::Pair(int p, int q) const
{
    const int kp = P.Kind[static_cast<std::size_t>(p)], kq = P.Kind[static_cast<std::size_t>(q)];
    const int tp = P.Token[static_cast<std::size_t>(p)], tq = P.Token[static_cast<std::size_t>(q)];
    const TFairKind& a = P.Kinds[static_cast<std::size_t>(kp)];
    const TFairKind& b = P.Kinds[static_cast<std::size_t>(kq)];
    const TFairToken& x = P.Tokens[static_cast<std::size_t>(tp)];
    const TFairToken& y = P.Tokens[static_cast<std::size_t>(tq)];
    int broken = 0;
    if (P.Rules.NoAdjacentResource && a.Resource >= 0 && a.Resource == b.Resource)
        ++broken;
    if (P.Rules.NoAdjacentEqual && x.Number && tp == tq)
        ++broken;
    if (P.Rules.NoAdjacentRed && x.Red && y.Red)
        ++broken;
    return broken;
}

int TRepair::Around(int p) const
{
    int broken = 0;
    for (int q : P.Neighbours[static_cast<std::size_t>(p)])
        broken += Pair(p, q);
    return broken;
}

// The broken pairs that touch p or q, each once.
long long TRepair::Local(int p, int q) const
{
    long long broken = Around(p);
    for (int y : P.Neighbours[static_cast<std::size_t>(q)])
        if (y != p)
            broken += Pair(q, y);
    return broken;
}

// How far resource r's pips lie outside its band, in units of 1 / TotalNumbers pips.
long long TRepair::Deviation(int r) const
{
    if (!P.Rules.BalancedPips || Count[r] == 0)
        return 0;
    return std::max(0LL, std::llabs(Sum[r] * TotalNumbers - TotalPips * Count[r]) - Count[r] * TotalNumbers);
}

long long TRepair::PipsCost() const
{
    long long cost = 0;
    for (int r = 0; r < Resources; ++r)
        cost += Deviation(r);
    return cost;
}

bool TRepair::Allowed(int p, int q, int move) const
{
    const std::size_t a = static_cast<std::size_t>(p), b = static_cast<std::size_t>(q);
    const bool desert =
        P.Kinds[static_cast<std::size_t>(P.Kind[a])].Desert || P.Kinds[static_cast<std::size_t>(P.Kind[b])].Desert;
    if (move == KindsMove)
        return !desert && P.Kind[a] != P.Kind[b];
    if (move == TokensMove)
        return !desert && P.Token[a] != P.Token[b];
    return P.Kind[a] != P.Kind[b] || P.Token[a] != P.Token[b];
}

void TRepair::Swap(int p, int q, int move)
{
    const std::size_t a = static_cast<std::size_t>(p), b = static_cast<std::size_t>(q);
    // Take both places out of the pips sums, swap, put them back.
    for (int sign : {-1, +1}) {
        for (std::size_t s : {a, b}) {
            const TFairToken& t = P.Tokens[static_cast<std::size_t>(P.Token[s])];
            const int r = P.Kinds[static_cast<std::size_t>(P.Kind[s])].Resource;
            if (t.Number && r >= 0) {
                Sum[r] += sign * t.Pips;
                Count[r] += sign;
            }
        }
        if (sign < 0) {
            if (move & KindsMove)
                std::swap(P.Kind[a], P.Kind[b]);
            if (move & TokensMove)
                std::swap(P.Token[a], P.Token[b]);
        }
    }
}

void TRepair::Refresh(int p)
{
    const std::size_t i = static_cast<std::size_t>(p);
    TotalConflicts -= Conflicts[i];
    Conflicts[i] = Around(p);
    TotalConflicts += Conflicts[i];
    if (Conflicts[i] > 0 && BrokenAt[i] < 0) {
        BrokenAt[i] = static_cast<int>(Broken.size());
        Broken.push_back(p);
    } else if (Conflicts[i] == 0 && BrokenAt[i] >= 0) {
        const int last = Broken.back();
        Broken[static_cast<std::size_t>(BrokenAt[i])] = last;
        BrokenAt[static_cast<std::size_t>(last)] = BrokenAt[i];
        Broken.pop_back();
        BrokenAt[i] = -1;
    }
}

// A place to mend: one in a broken pair, else one of a resource out of band;
// -1 when nothing is broken.
int TRepair::PickPlace()
{
    if (!Broken.empty())
        return Broken[static_cast<std::size_t>(Random.Next(static_cast<int>(Broken.size())))];
    std::vector<int> off;
    for (int r = 0; r < Resources; ++r)
        if (Deviation(r) > 0)
            off.push_back(r);
    if (off.empty())
        return -1;
    const int r = off[static_cast<std::size_t>(Random.Next(static_cast<int>(off.size())))];
    const int start = Random.Next(N);
    for (int k = 0; k < N; ++k) {
        const int p = (start + k) % N;
        if (P.Kinds[static_cast<std::size_t>(P.Kind[static_cast<std::size_t>(p)])].Resource == r &&
            P.Tokens[static_cast<std::size_t>(P.Token[static_cast<std::size_t>(p)])].Number)
            return p;
    }
    return -1;
}

bool TRepair::Run(long long steps, long long& used)
{
    if (N < 2)
        return TotalConflicts == 0 && PipsCost() == 0;
    const long long pairWeight = std::max(1LL, TotalNumbers);
    for (used = 0; used < steps; ++used) {
        const int p = PickPlace();
        if (p < 0)
            return true;
        long long best = 0;
        int bestQ = -1, bestMove = 0;
        for (int k = 0; k < Samples; ++k) {
            const int q = Random.Next(N);
            if (q == p)
                continue;
            for (int move : {KindsMove, TokensMove, BothMove}) {
                if (!Allowed(p, q, move))
                    continue;
                const long long before = Local(p, q) * pairWeight + PipsCost();
                Swap(p, q, move);
                const long long delta = Local(p, q) * pairWeight + PipsCost() - before;
                Swap(p, q, move);
                if (bestQ < 0 || delta < best) {
                    best = delta;
                    bestQ = q;
                    bestMove = move;
                }
            }
        }
        if (bestQ < 0 || (best > 0 && Random.Next(WorseOneIn) != 0))
            continue;
        Swap(p, bestQ, bestMove);
        for (int s : {p, bestQ}) {
            Refresh(s);
            for (int y : P.Neighbours[static_cast<std::size_t>(s)])
                Refresh(y);
        }
    }
    return TotalConflicts == 0 && PipsCost() == 0;
}

} // namespace

bool RepairFair(TFairProblem& problem, TRandomSource& random, long long steps, TFairEffort* effort)
{
    TRepair repair(problem, random);
    long long used = 0;
    const bool done = repair.Run(steps, used);
    if (effort)
        effort->Nodes += used;
    return done && MeetsFairRules(problem);
}

} // namespace vornia

// Repair by swaps, one broken place at a time: take a place that breaks a
// rule (or, when only the pips are off, a place of a resource out of its
// band), try swapping its kind, its token or both with a few places drawn at
// random, and make the swap that leaves the fewest broken pairs and the least
// pips out of band. A swap that makes things worse is made now and then, so
// that the repair does not stay stuck.
#include "fair_repair.h"

#include <algorithm>
#include <vector>

namespace vornia {

namespace {

constexpr int Samples = 24;   // places tried per step
constexpr int WorseOneIn = 8; // how rarely a swap for the worse is made
constexpr int KindsMove = 1, TokensMove = 2, BothMove = 3;

class TRepair {
public:
    TRepair(TFairProblem& problem, const TDraw& draw);
    bool Run(long long steps, long long& used, const TKeepGoing& keepGoing);

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
    const TDraw& Draw;
    int N;
    std::vector<int> Conflicts; // per place: broken pairs it is part of
    std::vector<int> Broken;    // places with conflicts
    std::vector<int> BrokenAt;  // place -> index in Broken, or -1
    long long TotalConflicts = 0;
    long long Sum[ResourceCount] = {};
    long long Count[ResourceCount] = {};
    TPipsBand Band;
};

TRepair::TRepair(TFairProblem& problem, const TDraw& draw)
    : P(problem), Draw(draw), N(static_cast<int>(problem.Kind.size()))
{
    for (int p = 0; p < N; ++p) {
        const TFairToken& t = At(P.Tokens, At(P.Token, p));
        if (!t.Number)
            continue;
        Band.TotalPips += t.Pips;
        ++Band.TotalNumbers;
        const int r = At(P.Kinds, At(P.Kind, p)).Resource;
        if (r >= 0) {
            Sum[r] += t.Pips;
            ++Count[r];
        }
    }
    Conflicts.assign(P.Kind.size(), 0);
    BrokenAt.assign(P.Kind.size(), -1);
    for (int p = 0; p < N; ++p)
        Refresh(p);
}

// How many rules the pair p, q breaks.
int TRepair::Pair(int p, int q) const
{
    return BrokenKindRules(P, At(P.Kind, p), At(P.Kind, q)) + BrokenTokenRules(P, At(P.Token, p), At(P.Token, q));
}

int TRepair::Around(int p) const
{
    int broken = 0;
    for (int q : At(P.Neighbours, p))
        broken += Pair(p, q);
    return broken;
}

// The broken pairs that touch p or q, each once.
long long TRepair::Local(int p, int q) const
{
    long long broken = Around(p);
    for (int y : At(P.Neighbours, q))
        if (y != p)
            broken += Pair(q, y);
    return broken;
}

// How far resource r's pips lie outside its band.
long long TRepair::Deviation(int r) const
{
    return P.Rules.BalancedPips ? Band.Excess(Sum[r], Count[r]) : 0;
}

long long TRepair::PipsCost() const
{
    long long cost = 0;
    for (int r = 0; r < ResourceCount; ++r)
        cost += Deviation(r);
    return cost;
}

bool TRepair::Allowed(int p, int q, int move) const
{
    const int kindP = At(P.Kind, p), kindQ = At(P.Kind, q);
    const bool desert = At(P.Kinds, kindP).Desert || At(P.Kinds, kindQ).Desert;
    const bool tokensDiffer = At(P.Token, p) != At(P.Token, q);
    if (move == KindsMove)
        return !desert && kindP != kindQ;
    if (move == TokensMove)
        return !desert && tokensDiffer;
    return kindP != kindQ || tokensDiffer;
}

void TRepair::Swap(int p, int q, int move)
{
    // Take both places out of the pips sums, swap, put them back.
    for (int sign : {-1, +1}) {
        for (int s : {p, q}) {
            const TFairToken& t = At(P.Tokens, At(P.Token, s));
            const int r = At(P.Kinds, At(P.Kind, s)).Resource;
            if (t.Number && r >= 0) {
                Sum[r] += sign * t.Pips;
                Count[r] += sign;
            }
        }
        if (sign < 0) {
            if (move & KindsMove)
                std::swap(At(P.Kind, p), At(P.Kind, q));
            if (move & TokensMove)
                std::swap(At(P.Token, p), At(P.Token, q));
        }
    }
}

void TRepair::Refresh(int p)
{
    int& conflicts = At(Conflicts, p);
    int& brokenAt = At(BrokenAt, p);
    TotalConflicts -= conflicts;
    conflicts = Around(p);
    TotalConflicts += conflicts;
    if (conflicts > 0 && brokenAt < 0) {
        brokenAt = static_cast<int>(Broken.size());
        Broken.push_back(p);
    } else if (conflicts == 0 && brokenAt >= 0) {
        const int last = Broken.back();
        At(Broken, brokenAt) = last;
        At(BrokenAt, last) = brokenAt;
        Broken.pop_back();
        brokenAt = -1;
    }
}

// A place to mend: one in a broken pair, else one of a resource out of band;
// -1 when nothing is broken.
int TRepair::PickPlace()
{
    if (!Broken.empty())
        return At(Broken, Draw(static_cast<int>(Broken.size())));
    std::vector<int> off;
    for (int r = 0; r < ResourceCount; ++r)
        if (Deviation(r) > 0)
            off.push_back(r);
    if (off.empty())
        return -1;
    const int r = At(off, Draw(static_cast<int>(off.size())));
    const int start = Draw(N);
    for (int k = 0; k < N; ++k) {
        const int p = (start + k) % N;
        if (At(P.Kinds, At(P.Kind, p)).Resource == r && At(P.Tokens, At(P.Token, p)).Number)
            return p;
    }
    return -1;
}

bool TRepair::Run(long long steps, long long& used, const TKeepGoing& keepGoing)
{
    if (N < 2)
        return TotalConflicts == 0 && PipsCost() == 0;
    const long long pairWeight = std::max(1LL, Band.TotalNumbers);
    for (used = 0; used < steps; ++used) {
        if ((used & 1023) == 1023 && keepGoing && !keepGoing())
            return false;
        const int p = PickPlace();
        if (p < 0)
            return true;
        long long best = 0;
        int bestQ = -1, bestMove = 0;
        for (int k = 0; k < Samples; ++k) {
            const int q = Draw(N);
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
        if (bestQ < 0 || (best > 0 && Draw(WorseOneIn) != 0))
            continue;
        Swap(p, bestQ, bestMove);
        for (int s : {p, bestQ}) {
            Refresh(s);
            for (int y : At(P.Neighbours, s))
                Refresh(y);
        }
    }
    return TotalConflicts == 0 && PipsCost() == 0;
}

} // namespace

bool RepairFair(TFairProblem& problem, const TDraw& draw, long long steps, TFairEffort* effort,
                const TKeepGoing& keepGoing)
{
    TRepair repair(problem, draw);
    long long used = 0;
    const bool done = repair.Run(steps, used, keepGoing);
    if (effort)
        effort->Nodes += used;
    return done && MeetsFairRules(problem);
}

} // namespace vornia

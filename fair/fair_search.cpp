// The fair-board solver: first the checks that need no search, then
// depth-first runs with restarts (fair_depth_first.h) and, on large boards, a
// repair of the dealt arrangement by swaps (fair_repair.h).
#include "fair_search.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <utility>

#include "fair_depth_first.h"
#include "fair_repair.h"

namespace vornia {

namespace {

// Node budgets over all restarts. Up to FairExactLimit plates the budget lies
// far beyond what any board has needed; above it the search gives up when the
// budget is spent. Both stay well within a second.
constexpr long long ExactBudget = 1'000'000;
constexpr long long RestartTotal = 150'000;
constexpr long long RepairSteps = 150'000;

// Whether the numbers can be shared out among the resources at all, wherever
// they lie: each resource takes as many tokens as it has plates, and each
// resource's numbers must reach its band of pips. Classes 0..6 are numbers by
// their pips, class 7 the blanks. Answers true when the effort runs out.
class TPipsShares {
public:
    explicit TPipsShares(const TFairProblem& problem)
    {
        int sizes[ResourceCount] = {};
        for (std::size_t p = 0; p < problem.Kind.size(); ++p) {
            const int r = At(problem.Kinds, problem.Kind[p]).Resource;
            if (r >= 0)
                ++sizes[r];
            const TFairToken& t = At(problem.Tokens, problem.Token[p]);
            if (t.Number) {
                ++Counts[std::clamp(t.Pips, 0, MaxPips)];
                Band.TotalPips += std::clamp(t.Pips, 0, MaxPips);
                ++Band.TotalNumbers;
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
        if (Band.TotalNumbers == 0)
            return true;
        return Share(0, Counts);
    }

private:
    static constexpr int Blank = MaxPips + 1;
    static constexpr int Classes = MaxPips + 2;
    static constexpr long long MaxSteps = 200'000;

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
            if (left > 0 || !Band.Holds(sum, numbers))
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
    TPipsBand Band;
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
TFairOutcome Search(TFairProblem& problem, const TDraw& draw, TFairEffort* effort, const TKeepGoing& keepGoing)
{
    auto stopped = [&keepGoing] { return keepGoing && !keepGoing(); };
    if (problem.Kinds.size() + problem.Tokens.size() > static_cast<std::size_t>(MaxFairValues))
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
            if (RepairFair(repaired, draw, std::min(RepairSteps, 20 * n + 20'000), effort, keepGoing)) {
                problem = std::move(repaired);
                return TFairOutcome::Found;
            }
            if (stopped())
                return TFairOutcome::Stopped;
        }
        long long nodes = 0;
        const TDepthFirstEnd end =
            DepthFirstRun(problem, order, draw, std::min(unit * Luby(run), total - spent), nodes, keepGoing);
        spent += nodes;
        if (effort) {
            effort->Nodes += nodes;
            ++effort->Runs;
        }
        if (end == TDepthFirstEnd::Failed)
            return TFairOutcome::Impossible; // the whole tree was searched
        if (end == TDepthFirstEnd::Found)
            return TFairOutcome::Found;
        if (stopped())
            return TFairOutcome::Stopped;
        if (spent >= total)
            return TFairOutcome::GaveUp;
    }
}

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
        merged.push_back(At(to, v));
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
        if (!At(special, values[p]) && merged[p] != 0)
            displaced.push_back(values[p]);
    std::size_t next = 0;
    for (std::size_t p = 0; p < values.size(); ++p) {
        if (merged[p] != 0)
            values[p] = At(back, merged[p]);
        else if (At(special, values[p]))
            values[p] = displaced[next++];
    }
}

} // namespace

TFairOutcome SolveFair(TFairProblem& problem, const TDraw& draw, TFairEffort* effort, const TKeepGoing& keepGoing)
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
    const TFairOutcome outcome = Search(search, draw, effort, keepGoing);
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

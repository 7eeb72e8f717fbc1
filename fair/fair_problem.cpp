#include "fair_problem.h"

#include <algorithm>
#include <cstdlib>

namespace vornia {

namespace {

long long FloorDiv(long long a, long long b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

long long CeilDiv(long long a, long long b)
{
    return -FloorDiv(-a, b);
}

} // namespace

int PipsOfNumber(int n)
{
    return (n >= 2 && n <= 12) ? 6 - std::abs(7 - n) : 0;
}

long long TPipsBand::Excess(long long sum, long long count) const
{
    return std::max(0LL, std::llabs(sum * TotalNumbers - TotalPips * count) - count * TotalNumbers);
}

long long TPipsBand::LowestSum(long long count) const
{
    return CeilDiv((TotalPips - TotalNumbers) * count, TotalNumbers);
}

long long TPipsBand::HighestSum(long long count) const
{
    return FloorDiv((TotalPips + TotalNumbers) * count, TotalNumbers);
}

int BrokenKindRules(const TFairProblem& problem, int a, int b)
{
    const int resource = At(problem.Kinds, a).Resource;
    return problem.Rules.NoAdjacentResource && resource >= 0 && resource == At(problem.Kinds, b).Resource;
}

int BrokenTokenRules(const TFairProblem& problem, int a, int b)
{
    const TFairToken& first = At(problem.Tokens, a);
    return int{problem.Rules.NoAdjacentEqual && first.Number && a == b} +
           int{problem.Rules.NoAdjacentRed && first.Red && At(problem.Tokens, b).Red};
}

bool MeetsFairRules(const TFairProblem& problem)
{
    long long sum[ResourceCount] = {}, count[ResourceCount] = {};
    TPipsBand band;
    for (std::size_t p = 0; p < problem.Kind.size(); ++p) {
        const int kind = problem.Kind[p], token = problem.Token[p];
        const TFairToken& carried = At(problem.Tokens, token);
        if (At(problem.Kinds, kind).Desert != carried.DesertMark)
            return false;
        for (int q : problem.Neighbours[p])
            if (BrokenKindRules(problem, kind, At(problem.Kind, q)) > 0 ||
                BrokenTokenRules(problem, token, At(problem.Token, q)) > 0)
                return false;
        if (carried.Number) {
            band.TotalPips += carried.Pips;
            ++band.TotalNumbers;
            const int resource = At(problem.Kinds, kind).Resource;
            if (resource >= 0) {
                sum[resource] += carried.Pips;
                ++count[resource];
            }
        }
    }
    if (problem.Rules.BalancedPips)
        for (int r = 0; r < ResourceCount; ++r)
            if (!band.Holds(sum[r], count[r]))
                return false;
    return true;
}

} // namespace vornia

// Repair of a large arrangement by swaps: the pieces already lie on the land,
// and pieces are swapped between places until no rule is broken. A swap keeps
// every multiset, and the desert always travels with its mark.
#pragma once

#include "fair_problem.h"

namespace vornia {

// True when the arrangement in the problem keeps the rules after at most the
// given number of steps; otherwise the problem may hold any arrangement of the
// same pieces.
bool RepairFair(TFairProblem& problem, const TDraw& draw, long long steps, TFairEffort* effort,
                const TKeepGoing& keepGoing = {});

} // namespace vornia

// The solver behind the fair-board rules, on the plain problem of
// fair_problem.h; fair_rules.h in board/ builds that problem from a board.
#pragma once

#include "fair_problem.h"

namespace vornia {

// Rearranges Kind and Token (each multiset kept, the desert mark with the
// desert) until every chosen rule holds. Found leaves the arrangement in the
// problem; otherwise the problem is as it came. An arrangement that already
// keeps the rules stays and draws nothing; otherwise the value order is drawn.
// keepGoing is asked now and then; once it says no, the search ends Stopped.
TFairOutcome SolveFair(TFairProblem& problem, const TDraw& draw, TFairEffort* effort = nullptr,
                       const TKeepGoing& keepGoing = {});

} // namespace vornia

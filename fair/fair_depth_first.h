// One depth-first search for an arrangement that keeps the fair-board rules;
// the solver in fair_search.cpp runs it again and again with growing budgets.
#pragma once

#include <vector>

#include "fair_problem.h"

namespace vornia {

// The most distinct kinds and tokens together that a search can tell apart.
constexpr int MaxFairValues = 64;

enum class TDepthFirstEnd { Found, Failed, OutOfBudget };

// The positions in breadth-first order over the neighbours, island by island,
// so that a search works outward from where it started.
std::vector<int> SpreadOrder(const TFairProblem& problem);

// One run from an empty arrangement over the positions in order, of at most
// budget nodes (nodes receives how many it took). Found leaves the
// arrangement in the problem; Failed means the whole tree was searched in
// vain. The run keeps its own stack, so any number of positions fits in a
// small thread stack. keepGoing false cuts the run short as a spent budget.
TDepthFirstEnd DepthFirstRun(TFairProblem& problem, const std::vector<int>& order, const TDraw& draw, long long budget,
                             long long& nodes, const TKeepGoing& keepGoing = {});

} // namespace vornia

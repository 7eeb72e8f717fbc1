// The analysis of a board as vornia-cli prints it: a table a person reads, or
// one JSON object for programs.
#pragma once

#include <ostream>
#include <string>

#include "board/board_analysis.h"

namespace vornia {

// The per-resource table, the best starting corners and the score.
void PrintAnalysis(std::ostream& out, const TBoardAnalysis& analysis);

// One JSON object on one line: the board's name and zoom, the score and what
// it lost, the per-resource table, the best starting corners in order and
// every corner of the board. Bytes of the board file that are not UTF-8 come
// out as U+FFFD.
std::string AnalysisJson(const TBoardAnalysis& analysis, const std::string& boardName, int zoom);

} // namespace vornia

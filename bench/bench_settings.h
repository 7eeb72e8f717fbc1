// Board settings for the benchmarks.
#pragma once

#include "board/board_settings.h"

namespace vornia::bench {

// The shape and land mass with every one of the 24 counts set to count.
inline TBoardSettings AllCounts(const char* shape, int count, const char* mass = "any")
{
    TBoardSettings s;
    s.Shape = shape;
    s.MassDensity = mass;
    SetAllCounts(s, count);
    return s;
}

} // namespace vornia::bench

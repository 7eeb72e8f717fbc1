// A board owner for the benchmarks.
#pragma once

#include "board/plain_owner.h"

namespace vornia::bench {

using TBenchOwner = TPlainBoardOwner;

inline TBoardSettings AllCounts(const char* shape, int count, const char* mass = "any")
{
    TBoardSettings s;
    s.Shape = shape;
    s.MassDensity = mass;
    for (const auto& key : CountKeys)
        s.*(key.Field) = count;
    return s;
}

} // namespace vornia::bench

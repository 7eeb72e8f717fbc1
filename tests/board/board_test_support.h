// What the board tests share: a repeatable generator and settings helpers.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "board/board_settings.h"
#include "board/panel_board.h"
#include "board/random_source.h"

namespace vornia::testing {

// A generator whose every reseed reads the given milliseconds, so that every
// board drawn from it is the same from run to run.
inline TRandomSource FixedRandom(std::uint32_t ms)
{
    TRandomSource random;
    random.UseFixedClock(ms);
    return random;
}

// Placed land plates per row, from the top row down.
inline std::vector<int> LandRows(const TPlateList& plates)
{
    std::map<int, int> rows;
    for (const auto& e : plates.All())
        if (e.Plate.Placed && IsLand(e.Plate))
            ++rows[e.Plate.Y];
    std::vector<int> counts;
    for (const auto& [y, n] : rows)
        counts.push_back(n);
    return counts;
}

} // namespace vornia::testing

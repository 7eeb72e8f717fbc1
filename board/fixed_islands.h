// The fixed islands: land in rows of given lengths, centred on one another,
// inside a ring of water one plate wide, always with the same pieces. An
// island is one row of FixedIslands; "traditional" is the game's standard
// island, "large traditional" the one for five and six players.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "piece_sets.h"

namespace vornia {

constexpr std::size_t MaxIslandRows = 9;

struct TFixedIsland {
    std::string_view Name;
    std::array<int, MaxIslandRows> LandRows; // plates per land row, top row first; 0 ends the rows
    const TPieceSet* Pieces;                 // the only pieces the island is made of

    constexpr int RowCount() const
    {
        int n = 0;
        while (n < static_cast<int>(LandRows.size()) && LandRows[static_cast<std::size_t>(n)] > 0)
            ++n;
        return n;
    }
    constexpr int LandPositions() const
    {
        int n = 0;
        for (int r = 0; r < RowCount(); ++r)
            n += LandRows[static_cast<std::size_t>(r)];
        return n;
    }
    // Row 0 above the land and the last row below it are one plate longer
    // than the land rows they touch; every land row has one plate at each end.
    constexpr int RingPositions() const
    {
        return RowCount() == 0 ? 0 : LandRows[0] + 1 + 2 * RowCount() + LandRows[RowCount() - 1] + 1;
    }
    // The land plates of the pieces (Brick to Wool and Desert), the plain
    // waters and harbours, and the land plates that carry a number.
    constexpr int LandPieces() const { return SumPieces(0, 6); }
    constexpr int WaterPieces() const { return SumPieces(6, 13); }
    constexpr int NumberedLand() const { return SumPieces(0, 5); }

private:
    constexpr int SumPieces(std::size_t first, std::size_t end) const
    {
        int n = 0;
        for (std::size_t k = first; k < end; ++k)
            n += Pieces->Counts[k];
        return n;
    }
};

inline constexpr std::array<TFixedIsland, 2> FixedIslands{{
    {"traditional", {3, 4, 5, 4, 3}, &PieceSets[0]},
    {"large traditional", {3, 4, 5, 6, 5, 4, 3}, &PieceSets[1]},
}};

namespace detail {

constexpr bool IslandsFitTheirPieces()
{
    for (const TFixedIsland& island : FixedIslands)
        if (island.LandPositions() != island.LandPieces() || island.RingPositions() != island.WaterPieces())
            return false;
    return true;
}

} // namespace detail

// Every land plate has a place inside the ring and every water plate one on it.
static_assert(detail::IslandsFitTheirPieces());

// The island of this shape name (letter case ignored), or nullptr.
const TFixedIsland* FindFixedIsland(std::string_view name);

} // namespace vornia

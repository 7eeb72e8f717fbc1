// The piece sets a player can choose with one button: the 24 counts of the
// game for three or four players (the program's default counts) and those
// for five or six. The fixed islands take their pieces from here too.
#pragma once

#include <array>
#include <string_view>

#include "translate.h"

namespace vornia {

// The 24 counts in settings-file order: Brick, Grain, Lumber, Ore, Wool,
// Desert, Water, the harbours waterBrick to waterWool and waterMark, then
// the dice pieTwo to pieTwelve.
constexpr std::size_t PieceCountCount = 24;
using TPieceCounts = std::array<int, PieceCountCount>;

struct TPieceSet {
    std::string_view Word;    // on the command line (--pieces) and in a link (pieces=)
    std::string_view Caption; // the button that fills the counts with it
    TPieceCounts Counts;
};

// clang-format off
inline constexpr std::array<TPieceSet, 2> PieceSets{{
    {"3-4", VORNIA_TR_NOOP("Window", "3–4 Players"),
     {3, 4, 4, 3, 4, 1, 9,  1, 1, 1, 1, 1, 4,  1, 2, 2, 2, 2, 0, 2, 2, 2, 2, 1}},
    {"5-6", VORNIA_TR_NOOP("Window", "5–6 Players"),
     {5, 6, 6, 5, 6, 2, 11, 1, 1, 1, 1, 2, 5,  2, 3, 3, 3, 3, 0, 3, 3, 3, 3, 2}},
}};
// clang-format on

// The default counts of the settings.
inline constexpr const TPieceCounts& DefaultPieceCounts = PieceSets[0].Counts;

// The set with this word (letter case ignored), or nullptr.
const TPieceSet* FindPieceSet(std::string_view word);

} // namespace vornia

// What the page's controls hold, and the tool's words for it: the page sends
// its settings and a seed, and the core writes the request (the words a link
// then holds) and reads a request back into settings. The counts dialog's
// rules come from the options layer, applied to the counts as typed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "board/board_settings.h"
#include "options/custom_options.h"
#include "web_link.h"

namespace vornia {

struct TWebSettings {
    TBoardSettings Board; // shape, land mass, counts and fair rules
    int Zoom = 100;
    TWebDrawing Drawing;
};

// The words of `vornia-cli generate` for the settings and the seed: the
// shape always, every other word only when it differs from the tool's
// default; the counts written against the piece set they differ from in the
// fewest counts (the defaults when no set does better), then the seed last.
std::vector<std::string> RequestWords(const TWebSettings& settings, std::uint32_t seed);

// The settings a request stands for: a word the request leaves out is its
// default; words the tool refuses leave the defaults.
TWebSettings SettingsOfWords(const std::vector<std::string>& words);

// The page's settings as it sends them, key=value pairs as in a link
// (shape=dog%20leg&zoom=75&bw=1&fair=red,pips&counts=Brick=5,Grain=4&localLabels=0):
// each value the core knows taken, in the tables' spelling; the defaults for
// anything else, whatever the text holds.
TWebSettings SettingsOfFragment(std::string_view fragment);
// How a board is drawn, from such pairs: the drawing words and localLabels, each on as 1.
TWebDrawing DrawingOfFragment(std::string_view fragment);

// The counts dialog as it stands for the shape and the counts typed.
struct TCountsCheck {
    std::array<bool, CountGroups.size()> Editable{};    // per group of CountGroups
    std::array<long long, CountGroups.size()> Totals{}; // per group; 0 for a group without a total
    std::string DiceQuestion; // asked before OK takes fewer dice than needed; empty when there are enough
    int Refused = -1;         // the first count OK does not take (its index in CountKeys), or -1
};
TCountsCheck CheckCounts(std::string_view shape, const TCountTexts& counts);

} // namespace vornia

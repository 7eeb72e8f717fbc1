// A board's link: the address's fragment holds the request in the tool's own
// words, e.g. #shape=dog%20leg&mass=high&counts=Brick=5,Grain=4&fair=red,pips&zoom=75&bw=1&seed=42.
// Words a link leaves out take the tool's defaults.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "board/translate.h"

namespace vornia {

// How a board is drawn, not how it is made.
struct TWebDrawing {
    bool BlackAndWhite = false; // bw=1
    bool CornerPips = false;    // corners=1: the pips at the corners and the best starting corners
    bool LocalLabels = false;   // the board's labels in the page's language: the page's own, never in a link
};

// The switches of TWebDrawing a link carries ("bw=1"), with the caption of
// the page's box for each. A switch added here is read from links, offered
// by the page and written into its links; its painter option is set in
// DrawWebBoard.
struct TDrawingWord {
    std::string_view Word;
    bool TWebDrawing::*Field;
    const char* Caption;
    std::string_view Id; // the page's name for its box
};
inline constexpr std::array DrawingWords{
    TDrawingWord{"bw", &TWebDrawing::BlackAndWhite, VORNIA_TR_NOOP("Page", "Black and white"), "BlackAndWhite"},
    TDrawingWord{"corners", &TWebDrawing::CornerPips, VORNIA_TR_NOOP("Page", "Corner pips"), "CornerPips"},
};

struct TWebLink {
    std::vector<std::string> Words; // the request as the tool's arguments: --shape NAME ...
    TWebDrawing Drawing;            // how the board is drawn: the drawing words given as 1
    bool HasSeed = false;
    int Version = 1;    // v=N: the generator version that made the link; 1 when it has none
    std::string Notice; // one line for the player beside the board, when the link is another version's
    std::string Error;  // one line in the player's words; nothing else is set then
};

// The key=value pairs of a fragment (without its '#'), decoded as the
// browser's decodeURIComponent decodes; a pair that is damaged or not UTF-8
// is left out.
std::vector<std::pair<std::string, std::string>> FragmentPairs(std::string_view fragment);

// The link of the fragment (with or without its '#'), every value checked as
// the tool checks its arguments. Every link the page writes begins with
// v=BoardGeneratorVersion: a link of another version still opens, with a notice.
TWebLink ParseWebLink(std::string_view fragment);

} // namespace vornia

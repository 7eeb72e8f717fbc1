// The board file: the placed plates with their positions and the zoom at
// which those positions hold, as INI text with one section "settings".
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "board/plate_list.h"
#include "ini_file.h"

namespace vornia {

// "Kind;X;Y;Number;TradeResource;TradeRatio;Side;"
std::string PlateValue(const TResourcePlate& plate);

// Empties the INI content, then writes plate[0..n-1] for the placed plates in
// list order, "plateCount", "zoomSize" and "era".
void WriteBoard(TIniFile& ini, const TPlateList& plates, int zoom);

struct TBoardFileContent {
    int Zoom = 100;
    std::unique_ptr<TPlateList> Plates;
    // The section "settings" has a "plateCount" or a "plate[...]" key: every
    // file the program writes does, even for a board of no plates. A file
    // without either (any other INI or text file) holds no board and is not
    // opened.
    bool HoldsBoard = false;
};
// Reads a board as the Open command does: zoom 50, 75 or 100 (else 100),
// "plateCount" plates (a bad or negative count gives 0), every plate placed.
TBoardFileContent ReadBoard(const TIniFile& ini);

// Field readers: each takes the field before the first ";" of rest and
// leaves rest after it; without a ";" the field and rest stay as they are.
void NextTextField(std::string_view& rest, std::string& field);
void NextIntField(std::string_view& rest, std::int32_t& field);
void NextSideField(std::string_view& rest, TBorderType& field);

} // namespace vornia

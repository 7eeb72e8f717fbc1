// The File menu's entries for the boards of the run: one entry per board,
// after a single separator that follows the fixed items; the window checks
// the current board's entry. An entry's hint (and caption) is the board's
// name with its brackets.
#pragma once

#include <string>
#include <string_view>

#include "menu_model.h"

namespace vornia {

enum class TCycleDirection { Previous, Next };

// Index of the first item of the menu whose hint equals the text, letter case
// ignored; an empty text matches nothing. -1 when there is none.
int FindItemByHint(const TMenuItem& menu, std::string_view hint);
// Index of the first checked item of the menu, or -1.
int FirstCheckedItem(const TMenuItem& menu);

// AddBoardMenuItem: appends the separator once (separatorAdded), then an
// entry named itemName with the board's name as caption and hint. A board
// that already has an entry gets no second one. Returns the index of the
// board's entry (the one to check, as the board is the one shown), or -1 for
// an empty name.
int AddBoardEntry(TMenuItem& fileMenu, bool& separatorAdded, const std::string& name, const std::string& itemName);

// RenameBoardMenuItem: the first item whose hint is oldName gets newName as
// hint and caption. False when there is none.
bool RenameBoardEntry(TMenuItem& fileMenu, const std::string& newName, std::string_view oldName);

// The position before or after k in a list of count boards, wrapping round.
int NeighbourPosition(int k, int count, TCycleDirection direction);

} // namespace vornia

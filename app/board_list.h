// The File menu's entries for the boards of the run: one entry per board,
// after a single separator that follows the fixed items, the current board's
// entry checked. An entry's hint (and caption) is the board's name with its
// brackets.
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
// Unchecks every item of the menu, then checks the item at index (if any).
void CheckOnly(TMenuItem& menu, int index);

// AddBoardMenuItem: appends the separator once (separatorAdded), then a
// checked entry named itemName with the board's name as caption and hint,
// unchecking every other item. A board that already has an entry gets no
// second one; its entry takes the check mark, as the board is the one shown.
// Returns the index of the board's entry.
int AddBoardEntry(TMenuItem& fileMenu, bool& separatorAdded, const std::string& name, const std::string& itemName);

// RenameBoardMenuItem: the first item whose hint is oldName gets newName as
// hint and caption. False when there is none.
bool RenameBoardEntry(TMenuItem& fileMenu, const std::string& newName, std::string_view oldName);

// The position before or after k in a list of count boards, wrapping round.
int NeighbourPosition(int k, int count, TCycleDirection direction);

} // namespace vornia

// Opening a board file as File/Open does, for the window, the command-line
// tool and the tests alike.
#pragma once

#include <functional>
#include <string>

#include "board/panel_board.h"
#include "board_file.h"

namespace vornia {

// The opener takes the board's zoom: the window checks it in its zoom menu
// and moves its other boards onto that grid; the tool keeps it for pictures.
// It is called once the old board has stopped being current and before the
// opened plates arrive, so the opened board itself is never moved.
using TFollowZoom = std::function<void(int zoom)>;

// Makes the content read from the board file at path the panel's current
// board: a new list, the status bar waiting, the zoom followed, the plates
// adopted, the board named after path, captioned and registered (an entry of
// that name is replaced), its attempts cleared, its statistics shown and the
// board painted. Reading the file stays with the caller, since the window and
// the tool report a file they cannot read in their own words.
void OpenBoard(TPanelBoard& panel, TBoardFileContent content, const std::string& path, const TFollowZoom& followZoom);

} // namespace vornia

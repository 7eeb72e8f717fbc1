// Opening a board file as File/Open does, for the window, the command-line
// tool and the tests alike.
#pragma once

#include <string>

#include "board/panel_board.h"
#include "board/translate.h"
#include "board_file.h"

namespace vornia {

// What the window and the web page say of a file without a board, and when
// there is no board to save or export.
inline constexpr std::string_view NoBoardInFileText = VORNIA_TR_NOOP("Window", "Sorry, this file holds no board.");
inline constexpr std::string_view NoBoardToExportText = VORNIA_TR_NOOP("Window", "There is no board to export.");

// Makes the content read from the board file at path the panel's current
// board: a new list at the file's zoom (the panel's zoom from now on), the
// plates adopted, the board named after path and registered (an entry of
// that name is replaced), its attempts cleared. An opening always makes a
// board: the result says which, with its statistics. Reading the file stays
// with the caller, since the window and the tool report a file they cannot
// read in their own words.
TGenerationResult OpenBoard(TPanelBoard& panel, TBoardFileContent content, const std::string& path);

} // namespace vornia

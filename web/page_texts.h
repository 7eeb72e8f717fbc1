// The texts the web page shows of its own, marked for the catalogues here
// because the catalogue tool cannot read the page's JavaScript. The build
// writes each language's translations of them to lang/<language>.json
// (context "Page", with "TfrmCustomOptions" for the pieces dialog the page
// shares with the window, and "Names" for shapes and land masses), and the
// page fetches the file of the language it shows; in English it fetches
// none and shows these texts as they stand. A text with "%1" is a template.
// Messages the core already has ("There is no board to export.") and the
// captions of the settings are not repeated here: the core hands them over
// in the page's language with its tables (web_json.cpp).
#pragma once

#include <string_view>

#include "board/translate.h"

namespace vornia {

inline constexpr std::string_view PageTexts[] = {
    // The page's head and the boards of the visit.
    VORNIA_TR_NOOP("Page", "Boards for Hexlanders Of Vornia, made in the browser, shared by link."),
    VORNIA_TR_NOOP("Page", "Boards of this visit"),
    VORNIA_TR_NOOP("Page", "Previous board"),
    VORNIA_TR_NOOP("Page", "Previous board (Alt+Left)"),
    VORNIA_TR_NOOP("Page", "New board"),
    VORNIA_TR_NOOP("Page", "Generate a new board (N)"),
    VORNIA_TR_NOOP("Page", "Making…"),
    VORNIA_TR_NOOP("Page", "Next board"),
    VORNIA_TR_NOOP("Page", "Next board (Alt+Right)"),
    //: The page's title while a board is shown: %1 is the board's name.
    VORNIA_TR_NOOP("Page", "%1 - Vornia Generator"),
    VORNIA_TR_NOOP("Page", "The board. Drag or use the arrow keys to move it, the wheel, a pinch or + and - to "
                           "zoom, 0 to fit."),

    // The settings beside the board.
    VORNIA_TR_NOOP("Page", "Settings and files"),
    VORNIA_TR_NOOP("Page", "Labels in my language"),
    //: The seed a board is made from, which the player may type to make it again.
    VORNIA_TR_NOOP("Page", "Board number"),
    //: %1 is the largest board number.
    VORNIA_TR_NOOP("Page", "A board number is a whole number from 0 to %1."),
    VORNIA_TR_NOOP("Page", "Language"),
    //: The language choice that follows the browser's languages.
    VORNIA_TR_NOOP("Page", "As the browser"),
    VORNIA_TR_NOOP("Page", "Pieces…"),
    VORNIA_TR_NOOP("Page", "Defaults"),

    // Files.
    VORNIA_TR_NOOP("Page", "Files"),
    VORNIA_TR_NOOP("Page", "Copy link"),
    //: Opens the system's share sheet with the board's link.
    VORNIA_TR_NOOP("Page", "Share"),
    VORNIA_TR_NOOP("Page", "Link copied"),
    VORNIA_TR_NOOP("Page", "Download .mirl"),
    VORNIA_TR_NOOP("Page", "Open .mirl…"),
    VORNIA_TR_NOOP("Page", "Export PNG"),
    VORNIA_TR_NOOP("Page", "Export SVG"),
    VORNIA_TR_NOOP("Page", "Print"),
    VORNIA_TR_NOOP("Page", "Drop a .mirl file on the page to open it."),

    // The boards made or opened on this device.
    VORNIA_TR_NOOP("Page", "Recent boards…"),
    VORNIA_TR_NOOP("Page", "Recent boards"),
    VORNIA_TR_NOOP("Page", "The boards made or opened on this device, newest first. They are kept in this browser "
                           "only."),
    VORNIA_TR_NOOP("Page", "No boards yet."),
    VORNIA_TR_NOOP("Page", "Clear the list"),
    VORNIA_TR_NOOP("Page", "Close"),

    // The page's foot: the licences of what it ships.
    VORNIA_TR_NOOP("Page", "Vornia Generator is free software under the MIT licence."),
    //: nlohmann/json is the name of a library; keep it as it stands.
    VORNIA_TR_NOOP("Page", "Its core includes JSON for Modern C++ (nlohmann/json), under the MIT licence."),
    VORNIA_TR_NOOP("Page", "Licence text"),

    // What can go wrong in the page itself.
    //: %1 is the reason the browser gives.
    VORNIA_TR_NOOP("Page", "The board maker stopped: %1. Reload the page to go on."),
    VORNIA_TR_NOOP("Page", "unknown error"),
    //: %1 is the reason.
    VORNIA_TR_NOOP("Page", "The board maker could not start: %1"),
    //: %1 is the reason.
    VORNIA_TR_NOOP("Page", "Could not export the picture: %1"),
    VORNIA_TR_NOOP("Page", "Could not copy the link; copy it from the address bar."),
};

} // namespace vornia

#include "about_text.h"

namespace vornia {
namespace {

constexpr std::string_view FirstYear = "2007";
constexpr int FirstYearNumber = 2007;
const std::string VersionRule(41, '-');
const std::string IssuesRule(11, '-');

struct THistoryBlock {
    std::string versionLine;
    std::vector<const char*> items;
    bool ruleAbove;
};

const std::vector<THistoryBlock>& HistoryBlocks() {
    // One history item a line, kept by hand.
    // clang-format off
    static const std::vector<THistoryBlock> blocks = {
        // This release's block. When the version changes, write this number
        // out here and put the new release's block above.
        {AboutVersionText + "   (October 8, 2007)",
         {"Added the predefined board shapes to the Shape And Piece Options dialog, each "
          "with an example picture."},
         false},
        {"version 1.5   (September 23, 2007)",
         {"Added cycling through the boards with F4, [ALT + LeftArrow] and "
          "[ALT + RightArrow].",
          "Added option to check for newer versions of this application automatically."},
         false},
        {"version 1.3   (May 21, 2007)",
         {"All boards generated during a run of the program can now be viewed again "
          "through File/[New #]."},
         false},
        {"version 1.2   (April 15, 2007)",
         {"Fixed: the traditional shape now uses the traditional number of pieces.",
          "Rearranged the Shape And Piece Options dialog."},
         false},
        {"version 1.1   (April 6, 2007)",
         {"Moved custom options all onto one dialog.",
          "Added Land Mass for custom shapes (see the Notes tab).",
          "Added a status bar.",
          "Fixed some window sizing issues related to XP and higher.",
          "Added History tab to the About dialog."},
         true},
        {"version 1.0   (March 18, 2007)", {"Original release"}, true},
    };
    // clang-format on
    return blocks;
}

} // namespace

std::string CopyrightText(std::string_view caption, int currentYear) {
    std::string text(caption);
    const std::size_t at = text.find(FirstYear);
    if (at == std::string::npos || currentYear <= FirstYearNumber)
        return text;
    text.insert(at + FirstYear.size(), "-" + std::to_string(currentYear));
    return text;
}

std::string CopyrightText(int currentYear) {
    return CopyrightText(AboutCopyrightCaption, currentYear);
}

std::string WebSiteAddress(std::string_view host) {
    std::string address = "http://";
    address += host;
    address += AboutWebPagePath;
    return address;
}

std::vector<std::string> NoteLines() {
    return {
        "File/Generate New Board.",
        "Creates a new board from the current settings. A saved board that is open is "
        "closed.",
        "",
        "File/Refresh Board",
        "Draws the current board again.",
        "",
        "File/Save As",
        "Saves the board so that it can be opened later. The file must have the \".mirl\" "
        "extension.",
        "",
        "File/Open",
        "Opens a saved board. Only \".mirl\" files made by this program can be opened.",
        "",
        "File/Print",
        "Prints the board as it is drawn. A board drawn in colour asks first whether to "
        "print in colour. Black and white can be chosen under Options.",
        "",
        "File/[New #]",
        "All boards generated during the current run of the program can be viewed here.",
        "F4, [ALT + LeftArrow] and [ALT + RightArrow] cycle through the new and opened "
        "boards.",
        "",
        "Options/Shape And Piece Options...",
        "- Shape: the shape of the board. Each value shows an example picture.",
        "- Land Mass: how grouped or clumped the land is. Used by the random shape only.",
        "- Dice Tiles: the count of each dice tile. The Total helps to match the number of "
        "land pieces, but they do not have to match.",
        "- Land: the count of each land piece.",
        "- Water: the count of each water piece.",
        "  [Tip] Usually more Plain Water pieces are needed than you would expect, to "
        "surround all the land.",
        "",
        "Status bar at the bottom of the main window:",
        "First: the shape requested.",
        "Second: how many plain waters the board needs.",
        "Third: the land mass requested.",
        "Fourth: the land mass range statistics. Each number is an average number of sides "
        "of a land piece that touch a neighbouring land piece.",
        "  The first number is the lowest possible average, the last is the highest "
        "possible average and the middle one is the actual average of the board.",
        "  With land mass \"any\" the panel also names the board's category: low, medium "
        "or high.",
        "",
        "Options/Draw In Black And White",
        "For saving ink when printing.",
        "",
        "Options/Zoom",
        "Zoom out when a board with custom piece counts does not fit in the window.",
        "",
        "Options/Auto Check For Newer Version",
        "When this menu item is ticked, the program checks for a newer version at start "
        "and shows it in the status bar.",
        "",
        "",
        "",
        IssuesRule,
        "Known Issues",
        IssuesRule,
        "",
        "The web site and e-mail links on the About dialog do not work on Windows XP and "
        "later.",
        "",
        "A dialog drawn over a board can leave the board badly repainted. File/Refresh "
        "Board draws it again.",
    };
}

std::vector<std::string> HistoryLines() {
    std::vector<std::string> lines;
    const auto& blocks = HistoryBlocks();
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        const THistoryBlock& block = blocks[b];
        if (block.ruleAbove)
            lines.push_back(VersionRule);
        lines.push_back(block.versionLine);
        lines.push_back(VersionRule);
        const bool last = b + 1 == blocks.size();
        for (const char* item : block.items) {
            lines.push_back(item);
            if (!last)
                lines.push_back("");
        }
        if (!last)
            lines.push_back("");
    }
    return lines;
}

} // namespace vornia

#include "about_text.h"

#include "board/translate.h"

namespace vornia {
namespace {

constexpr std::string_view FirstYear = "2007";
constexpr int FirstYearNumber = 2007;
const std::string VersionRule(41, '-');
const std::string IssuesRule(11, '-');

struct THistoryBlock {
    std::string_view versionLine; // "%1": this release's version
    std::vector<std::string_view> items;
    bool ruleAbove;
};

const std::vector<THistoryBlock>& HistoryBlocks() {
    // One history item a line, kept by hand.
    // clang-format off
    static const std::vector<THistoryBlock> blocks = {
        // This release's block. When the version changes, write this number
        // out here and put the new release's block above. The releases of
        // the AppStream entry list the same versions and dates (the test
        // packaging_metadata compares them).
        {VORNIA_TR_NOOP("About", "version %1   (October 8, 2007)"),
         {VORNIA_TR_NOOP("About", "Added the predefined board shapes to the Shape And Piece Options dialog, each with an example picture.")},
         false},
        {VORNIA_TR_NOOP("About", "version 1.5   (September 23, 2007)"),
         {VORNIA_TR_NOOP("About", "Added cycling through the boards with F4, [ALT + LeftArrow] and [ALT + RightArrow]."),
          VORNIA_TR_NOOP("About", "Added option to check for newer versions of this application automatically.")},
         false},
        {VORNIA_TR_NOOP("About", "version 1.3   (May 21, 2007)"),
         {VORNIA_TR_NOOP("About", "All boards generated during a run of the program can now be viewed again through File/[New #].")},
         false},
        {VORNIA_TR_NOOP("About", "version 1.2   (April 15, 2007)"),
         {VORNIA_TR_NOOP("About", "Fixed: the traditional shape now uses the traditional number of pieces."),
          VORNIA_TR_NOOP("About", "Rearranged the Shape And Piece Options dialog.")},
         false},
        {VORNIA_TR_NOOP("About", "version 1.1   (April 6, 2007)"),
         {VORNIA_TR_NOOP("About", "Moved custom options all onto one dialog."),
          VORNIA_TR_NOOP("About", "Added Land Mass for custom shapes (see the Notes tab)."),
          VORNIA_TR_NOOP("About", "Added a status bar."),
          VORNIA_TR_NOOP("About", "Fixed some window sizing issues related to XP and higher."),
          VORNIA_TR_NOOP("About", "Added History tab to the About dialog.")},
         true},
        {VORNIA_TR_NOOP("About", "version 1.0   (March 18, 2007)"), {VORNIA_TR_NOOP("About", "Original release")}, true},
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
    return CopyrightText(Tr(trc::About, AboutCopyrightCaption), currentYear);
}

std::string WebSiteAddress(std::string_view host) {
    std::string address = "http://";
    address += host;
    address += AboutWebPagePath;
    return address;
}

std::vector<std::string> NoteLines() {
    // clang-format off
    static const std::vector<std::string_view> lines = {
        VORNIA_TR_NOOP("About", "File/Generate New Board."),
        VORNIA_TR_NOOP("About", "Creates a new board from the current settings. A saved board that is open is closed."),
        "",
        VORNIA_TR_NOOP("About", "File/Refresh Board"),
        VORNIA_TR_NOOP("About", "Draws the current board again."),
        "",
        VORNIA_TR_NOOP("About", "File/Save As"),
        VORNIA_TR_NOOP("About", "Saves the board so that it can be opened later. The file must have the \".mirl\" extension."),
        "",
        VORNIA_TR_NOOP("About", "File/Open"),
        VORNIA_TR_NOOP("About", "Opens a saved board. Only \".mirl\" files made by this program can be opened."),
        "",
        VORNIA_TR_NOOP("About", "File/Print"),
        VORNIA_TR_NOOP("About", "Prints the board as it is drawn. A board drawn in colour asks first whether to print in colour. Black and white can be chosen under Options."),
        "",
        VORNIA_TR_NOOP("About", "File/[New #]"),
        VORNIA_TR_NOOP("About", "All boards generated during the current run of the program can be viewed here."),
        VORNIA_TR_NOOP("About", "F4, [ALT + LeftArrow] and [ALT + RightArrow] cycle through the new and opened boards."),
        "",
        VORNIA_TR_NOOP("About", "Options/Shape And Piece Options..."),
        VORNIA_TR_NOOP("About", "- Shape: the shape of the board. Each value shows an example picture."),
        VORNIA_TR_NOOP("About", "- Land Mass: how grouped or clumped the land is. Used by the random shape only."),
        VORNIA_TR_NOOP("About", "- Dice Tiles: the count of each dice tile. The Total helps to match the number of land pieces, but they do not have to match."),
        VORNIA_TR_NOOP("About", "- Land: the count of each land piece."),
        VORNIA_TR_NOOP("About", "- Water: the count of each water piece."),
        VORNIA_TR_NOOP("About", "  [Tip] Usually more Plain Water pieces are needed than you would expect, to surround all the land."),
        "",
        VORNIA_TR_NOOP("About", "Status bar at the bottom of the main window:"),
        VORNIA_TR_NOOP("About", "First: the shape requested."),
        VORNIA_TR_NOOP("About", "Second: how many plain waters the board needs."),
        VORNIA_TR_NOOP("About", "Third: the land mass requested."),
        VORNIA_TR_NOOP("About", "Fourth: the land mass range statistics. Each number is an average number of sides of a land piece that touch a neighbouring land piece."),
        VORNIA_TR_NOOP("About", "  The first number is the lowest possible average, the last is the highest possible average and the middle one is the actual average of the board."),
        VORNIA_TR_NOOP("About", "  With land mass \"any\" the panel also names the board's category: low, medium or high."),
        "",
        VORNIA_TR_NOOP("About", "Options/Draw In Black And White"),
        VORNIA_TR_NOOP("About", "For saving ink when printing."),
        "",
        VORNIA_TR_NOOP("About", "Options/Zoom"),
        VORNIA_TR_NOOP("About", "Zoom out when a board with custom piece counts does not fit in the window."),
        "",
        VORNIA_TR_NOOP("About", "Options/Auto Check For Newer Version"),
        VORNIA_TR_NOOP("About", "When this menu item is ticked, the program checks for a newer version at start and shows it in the status bar."),
        "",
        "",
        "",
        IssuesRule,
        VORNIA_TR_NOOP("About", "Known Issues"),
        IssuesRule,
        "",
        VORNIA_TR_NOOP("About", "The web site and e-mail links on the About dialog do not work on Windows XP and later."),
        "",
        VORNIA_TR_NOOP("About", "A dialog drawn over a board can leave the board badly repainted. File/Refresh Board draws it again."),
    };
    // clang-format on
    std::vector<std::string> shown;
    for (std::string_view line : lines)
        shown.push_back(Tr(trc::About, line));
    return shown;
}
std::vector<std::string> HistoryLines() {
    std::vector<std::string> lines;
    const auto& blocks = HistoryBlocks();
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        const THistoryBlock& block = blocks[b];
        if (block.ruleAbove)
            lines.push_back(VersionRule);
        lines.push_back(FormatText(Tr(trc::About, block.versionLine), {ProgramVersion}));
        lines.push_back(VersionRule);
        const bool last = b + 1 == blocks.size();
        for (std::string_view item : block.items) {
            lines.push_back(Tr(trc::About, item));
            if (!last)
                lines.push_back("");
        }
        if (!last)
            lines.push_back("");
    }
    return lines;
}

} // namespace vornia

#include "ui/about_text.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace vornia {
namespace {

TEST(CopyrightText, WidensTheFirstYearToToday) {
    struct Row {
        const char* name;
        std::string caption;
        int year;
        std::string expected;
    };
    const std::vector<Row> rows = {
        {"later year", "Copyright 2007 M. Maker", 2025, "Copyright 2007-2025 M. Maker"},
        {"next year", "2007", 2008, "2007-2008"},
        {"same year", "Copyright 2007 M. Maker", 2007, "Copyright 2007 M. Maker"},
        {"clock before 2007", "Copyright 2007 M. Maker", 1999, "Copyright 2007 M. Maker"},
        {"no 2007", "Copyright 2006 M. Maker", 2025, "Copyright 2006 M. Maker"},
        {"empty", "", 2025, ""},
        {"only the first", "2007 and 2007", 2010, "2007-2010 and 2007"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(CopyrightText(row.caption, row.year), row.expected);
    }
    EXPECT_EQ(CopyrightText(2030), "Copyright \u00A9 2007-2030 the Vornia Generator authors");
}

TEST(AboutLinks, PointAtTheMakersHost) {
    EXPECT_EQ(WebSiteAddress("www.vornia.example"),
              "http://www.vornia.example/vorniaboard.shtml");
    EXPECT_EQ(WebSiteAddress("mirror.example"), "http://mirror.example/vorniaboard.shtml");
}

// The line structure with the free wording masked: "*" for a text line, "R"
// plus the length for a rule of dashes, "" for a blank line; lines listed in
// keep stay as they are.
std::vector<std::string> Skeleton(const std::vector<std::string>& lines,
                                  const std::vector<std::string>& keep) {
    std::vector<std::string> out;
    for (const std::string& line : lines) {
        if (line.empty())
            out.push_back("");
        else if (line.find_first_not_of('-') == std::string::npos)
            out.push_back("R" + std::to_string(line.size()));
        else if (std::find(keep.begin(), keep.end(), line) != keep.end())
            out.push_back(line);
        else
            out.push_back("*");
    }
    return out;
}

TEST(HistoryLines, VersionBlocksAreLaidOutNewestFirst) {
    const std::vector<std::string> versions = {
        AboutVersionText + "   (October 8, 2007)",
        "version 1.5   (September 23, 2007)",
        "version 1.3   (May 21, 2007)",
        "version 1.2   (April 15, 2007)",
        "version 1.1   (April 6, 2007)",
        "version 1.0   (March 18, 2007)",
    };
    const std::vector<std::string> expected = {
        versions[0], "R41", "*", "", "",                          //
        versions[1], "R41", "*", "", "*", "", "",                 //
        versions[2], "R41", "*", "", "",                          //
        versions[3], "R41", "*", "", "*", "", "",                 //
        "R41", versions[4], "R41", "*", "", "*", "", "*", "", "*", "", "*", "", "", //
        "R41", versions[5], "R41", "*",
    };
    const std::vector<std::string> lines = HistoryLines();
    EXPECT_EQ(Skeleton(lines, versions), expected);
    EXPECT_EQ(lines.back(), "Original release");
    for (const char* quoted :
         {"Added option to check for newer versions of this application automatically.",
          "Moved custom options all onto one dialog.", "Added a status bar.",
          "Fixed some window sizing issues related to XP and higher.",
          "Added History tab to the About dialog."}) {
        SCOPED_TRACE(quoted);
        EXPECT_NE(std::find(lines.begin(), lines.end(), quoted), lines.end());
    }
}

TEST(NoteLines, EntriesThenKnownIssues) {
    const std::vector<std::string> headings = {
        "File/Generate New Board.",
        "File/Refresh Board",
        "File/Save As",
        "File/Open",
        "File/Print",
        "File/[New #]",
        "Options/Shape And Piece Options...",
        "Status bar at the bottom of the main window:",
        "Options/Draw In Black And White",
        "Options/Zoom",
        "Options/Auto Check For Newer Version",
        "Known Issues",
    };
    const std::vector<std::string> expected = {
        headings[0], "*", "",                                   //
        headings[1], "*", "",                                   //
        headings[2], "*", "",                                   //
        headings[3], "*", "",                                   //
        headings[4], "*", "",                                   //
        headings[5], "*", "*", "",                              //
        headings[6], "*", "*", "*", "*", "*", "*", "",          //
        headings[7], "*", "*", "*", "*", "*", "*", "",          //
        headings[8], "*", "",                                   //
        headings[9], "*", "",                                   //
        headings[10], "*", "", "", "",                          //
        "R11", headings[11], "R11", "", "*", "", "*",
    };
    const std::vector<std::string> lines = NoteLines();
    ASSERT_EQ(Skeleton(lines, headings), expected);

    // The option lines name the dialog's fields; the last lines of the option
    // and status entries are indented by two blanks.
    const std::vector<std::string> prefixes = {"- Shape:", "- Land Mass:", "- Dice Tiles:",
                                               "- Land:", "- Water:", "  [Tip]"};
    for (std::size_t i = 0; i < prefixes.size(); ++i) {
        SCOPED_TRACE(prefixes[i]);
        EXPECT_EQ(lines[20 + i].rfind(prefixes[i], 0), 0u);
    }
    EXPECT_EQ(lines[32].rfind("  ", 0), 0u);
    EXPECT_EQ(lines[33].rfind("  ", 0), 0u);
    EXPECT_NE(lines[31].rfind("  ", 0), 0u);
    EXPECT_EQ(lines[36], "For saving ink when printing.");
}

} // namespace
} // namespace vornia

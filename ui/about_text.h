// The texts of the About dialog: who made the program, its links, the user
// notes and the version history.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "board/translate.h"
#include "program_version.h"

namespace vornia {

inline constexpr std::string_view AboutCaption = "Vornia Generator";
inline constexpr std::string_view AboutProgramName = "Vornia Generator";
inline const std::string AboutVersionText = "version " + std::string(ProgramVersion);
// The copyright line as designed; CopyrightText widens its year to today's.
inline constexpr std::string_view AboutCopyrightCaption =
    VORNIA_TR_NOOP("About", "Copyright \u00A9 2007 the Vornia Generator authors");
inline constexpr std::string_view AboutEmailAddress = "generator@vornia.example";
inline constexpr std::string_view AboutWebPagePath = MakerWebPagePath;

// caption with its first "2007" widened to "2007-<currentYear>"; unchanged
// when it holds no "2007" or the year is not after 2007.
std::string CopyrightText(std::string_view caption, int currentYear);
// The same for the dialog's own copyright line, in the language in force.
std::string CopyrightText(int currentYear);

// "http://" + host + AboutWebPagePath: the maker's web page.
std::string WebSiteAddress(std::string_view host);

// The Notes tab, one entry per line; an empty entry is a blank line. Both
// tabs in the language in force.
std::vector<std::string> NoteLines();
// The History tab, newest version first.
std::vector<std::string> HistoryLines();

} // namespace vornia

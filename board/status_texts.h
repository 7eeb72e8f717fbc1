// The texts of the main window's status panels, shared by the window and the
// command-line tool.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "stats.h"
#include "translate.h"

namespace vornia {

inline constexpr std::string_view PleaseWaitText = VORNIA_TR_NOOP("Window", "Please Wait...");
inline constexpr std::string_view FailedBoardText =
    VORNIA_TR_NOOP("Window", "Failed to create custom board. Please try again.");
// After the shape in panel 0 while any fair-board rule is on.
inline constexpr std::string_view FairShapeSuffix = VORNIA_TR_NOOP("Window", " (fair)");

// Panels 0 to 3 as DisplayStats fills them: the requested shape and land
// mass, the plain waters and the three averages (with the category when the
// request is "any"); fair: a fair-board rule is on, which panel 0 says. In
// the window's language, the names included.
std::array<std::string, 4> StatsPanelTexts(const TStats& stats, std::string_view shape, std::string_view massDensity,
                                           bool fair = false);
// Panel 4 in debug mode.
std::string AttemptsText(int attempts);

} // namespace vornia

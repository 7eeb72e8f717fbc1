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

// Panels 0 to 3 as DisplayStats fills them: the requested shape and land
// mass, the plain waters and the three averages (with the category when the
// request is "any"). In the window's language, the names included.
std::array<std::string, 4> StatsPanelTexts(const TStats& stats, std::string_view shape, std::string_view massDensity);
// Panel 4 in debug mode.
std::string AttemptsText(int attempts);

} // namespace vornia

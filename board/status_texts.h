// The texts of the main window's status panels, shared by the window and the
// command-line tool.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "stats.h"

namespace vornia {

inline constexpr std::string_view PleaseWaitText = "Please Wait...";
inline constexpr std::string_view FailedBoardText = "Failed to create custom board. Please try again.";

// Panels 0 to 3 as DisplayStats fills them: the requested shape and land
// mass, the plain waters and the three averages (with the category when the
// request is "any").
std::array<std::string, 4> StatsPanelTexts(const TStats& stats, std::string_view shape, std::string_view massDensity);
// Panel 4 in debug mode.
std::string AttemptsText(int attempts);

} // namespace vornia

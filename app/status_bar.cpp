#include "status_bar.h"

#include "board/board_owner.h"
#include "settings.h"

namespace vornia {

std::string VersionText(bool newerVersionFound, const std::string& newerVersion)
{
    if (newerVersionFound)
        return " Version " + newerVersion + " is available";
    return " Version " + std::string(ProgramVersion);
}

void ResetPanels(TStatusBar& bar, int flags, const std::string& versionText)
{
    bar.SetText(0, (flags & rsWaiting) ? std::string(WaitingText) : std::string());
    for (int panel = 1; panel <= 3; ++panel)
        bar.SetText(panel, {});
    bar.SetText(4, (flags & rsFailed) ? std::string(FailedBoardText) : versionText);
}

void ShowStatsPanels(TStatusBar& bar, const TStats& stats, const TStatsContext& context)
{
    bar.SetText(0, "shape: " + context.Shape);
    bar.SetText(1, "plain waters: " + std::to_string(stats.PlainWaters));
    bar.SetText(2, "land mass: " + context.MassDensity);
    std::string suffix;
    if (SameText(context.MassDensity, "any") && !stats.LandMass.empty())
        suffix = "  (" + stats.LandMass + ")";
    bar.SetText(3, "mass stats: " + FormatAverage(stats.LowestAverage) + " - " + FormatAverage(stats.ActualAverage) +
                       " - " + FormatAverage(stats.HighestAverage) + suffix);
    bar.SetText(4, context.DebugMode ? "Attempts: " + std::to_string(stats.Attempts) : context.VersionText);
}

TPanelStyle PanelStyle(int panel, bool newerVersionFound, TColor fontColor, TColor brushColor)
{
    if (panel == StatusPanelCount - 1 && newerVersionFound)
        return {true, true, clWhite, NewerVersionBrush};
    return {false, false, fontColor, brushColor};
}

} // namespace vornia

#include "status_bar.h"

#include "files/settings.h"

namespace vornia {

std::string VersionText(bool newerVersionFound, const std::string& newerVersion)
{
    if (newerVersionFound)
        return TrFormat(VORNIA_TR_NOOP("Window", " Version %1 is available"), {newerVersion});
    return TrFormat(VORNIA_TR_NOOP("Window", " Version %1"), {ProgramVersion});
}

void ResetPanels(TStatusBar& bar, int flags, const std::string& versionText)
{
    bar.SetText(0, (flags & rsWaiting) ? Tr(PleaseWaitText) : std::string());
    for (int panel = 1; panel <= 3; ++panel)
        bar.SetText(panel, {});
    bar.SetText(4, (flags & rsFailed) ? Tr(FailedBoardText) : versionText);
    for (auto& panel : bar.Panels) {
        panel.Hint.clear();
        panel.FitsText = false;
    }
}

void ShowStatsPanels(TStatusBar& bar, const TStats& stats, const TStatsContext& context)
{
    const std::array<std::string, 4> texts = StatsPanelTexts(stats, context.Shape, context.MassDensity, context.Fair);
    bar.Panels[0].FitsText = context.Fair;
    for (int panel = 0; panel < 4; ++panel)
        bar.SetText(panel, texts[static_cast<std::size_t>(panel)]);
    bar.SetText(4, context.DebugMode ? AttemptsText(stats.Attempts) : context.VersionText);
    bar.SetHint(MassStatsPanel, context.Balance);
}

TPanelStyle PanelStyle(int panel, bool newerVersionFound, TColor fontColor, TColor brushColor)
{
    if (panel == StatusPanelCount - 1 && newerVersionFound)
        return {true, true, clWhite, NewerVersionBrush};
    return {false, false, fontColor, brushColor};
}

} // namespace vornia

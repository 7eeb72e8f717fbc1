// The five-panel status bar as plain data, with the texts the window puts
// into it and the colours its panels are drawn in.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "board/plate.h"
#include "board/stats.h"
#include "board/status_texts.h"

namespace vornia {

struct TStatusPanel {
    std::string Text;
    int Width = 0;
    std::string Hint;      // shown when the mouse rests on the panel; none when empty
    bool FitsText = false; // wider than Width where its text needs it
};

constexpr int StatusPanelCount = 5;
inline constexpr std::array<int, StatusPanelCount> StatusPanelWidths{160, 110, 110, 200, 50};

struct TStatusBar {
    std::array<TStatusPanel, StatusPanelCount> Panels{{
        {{}, StatusPanelWidths[0], {}},
        {{}, StatusPanelWidths[1], {}},
        {{}, StatusPanelWidths[2], {}},
        {{}, StatusPanelWidths[3], {}},
        {{}, StatusPanelWidths[4], {}},
    }};
    bool Visible = true;

    const std::string& Text(int panel) const { return Panels[static_cast<std::size_t>(panel)].Text; }
    void SetText(int panel, std::string text) { Panels[static_cast<std::size_t>(panel)].Text = std::move(text); }
    const std::string& Hint(int panel) const { return Panels[static_cast<std::size_t>(panel)].Hint; }
    void SetHint(int panel, std::string hint) { Panels[static_cast<std::size_t>(panel)].Hint = std::move(hint); }
};

// " Version " + ProgramVersion, or " Version " + newer + " is available" once a newer one was found.
std::string VersionText(bool newerVersionFound, const std::string& newerVersion);

// ResetStatusBar flags.
constexpr int rsWaiting = 1;
constexpr int rsFailed = 2;

// ResetStatusBar's texts for the flags above; no panel keeps a hint, every
// panel has its own width.
void ResetPanels(TStatusBar& bar, int flags, const std::string& versionText);

// What DisplayStats shows for a board's statistics under the window's settings.
struct TStatsContext {
    std::string Shape;
    std::string MassDensity;
    bool DebugMode = false;
    std::string VersionText;
    std::string
        Balance;       // the hint of the "mass stats" panel: the balance line, and the score while the corner pips show
    bool Fair = false; // a fair-board rule is on: panel 0 says so and fits its text
};
constexpr int MassStatsPanel = 3;
void ShowStatsPanels(TStatusBar& bar, const TStats& stats, const TStatsContext& context);

// How a panel is drawn: the status bar's own colours, or bold white on dark
// red for the version panel once a newer version was found.
struct TPanelStyle {
    bool Highlighted = false;
    bool Bold = false;
    TColor FontColor = clBlack;
    TColor BrushColor = clBlack;
};
constexpr TColor NewerVersionBrush = RgbColor(128, 0, 0);
TPanelStyle PanelStyle(int panel, bool newerVersionFound, TColor fontColor, TColor brushColor);

} // namespace vornia

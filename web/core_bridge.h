// What the page asks of the board core, in the page's terms: a board made
// from the tool's words, a board file opened, and a board drawn. The one
// place that knows how the core is called.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "board/board_settings.h"
#include "board/panel_board.h"
#include "display_list.h"
#include "web_link.h"

namespace vornia {

struct TWebBoard {
    bool Made = false;
    std::string Error;   // the request or the file was refused: one line, nothing made
    std::string Failure; // the request was fine but no board came of it, as the status bar says
    std::string Name;
    std::array<std::string, 4> Panels;
    std::string Attempts;
    std::string Balance;
    std::string BoardFile; // the board file's bytes, as the tool's --out writes them
    int Zoom = 100;
    std::uint32_t Seed = 0;
};

// A board made as `vornia-cli generate WORDS` makes it, from the tool's
// defaults rather than any settings file; words must hold a --seed and no
// word of the tool's files and pictures (--bw, --png, --out, ...). The
// panel is the visit's: it numbers the boards of the visit, as the desktop's
// names the boards of its run ("New cross 3").
TWebBoard GenerateWebBoard(const std::vector<std::string>& words, TPanelBoard& panel);

// A board file opened as the desktop's Open does; the status panels read the
// settings' shape, land mass and fair rules as the desktop reads its settings.
TWebBoard OpenWebBoard(const std::string& name, std::string_view bytes, const TBoardSettings& settings);

struct TWebDrawn {
    std::unique_ptr<TDisplayListCanvas> List; // none when the bytes hold no board
    std::string Error;
    // With the corner pips, what the window's tooltip adds (AnalysisSummary):
    // the score and, when a corner has a pip, the best corners' pips.
    std::vector<std::string> Analysis;
};

// The board of a board file drawn at the zoom (moved onto its grid when the
// file holds another) as drawing says, a group per plate after the
// background and, with drawing.CornerPips, one group of the corner pips
// last. drawing.LocalLabels: the labels in the language in force
// (UseWebLanguage), as the window's "Labels In My Language" draws them.
TWebDrawn DrawWebBoard(std::string_view boardFile, int zoom, const TWebDrawing& drawing);

// The language of the core's texts (status panels, failures, board names
// through BoardDisplayName, local labels): its catalogue table installed as
// the window installs Qt's translator; English, or a language without a
// catalogue, installs none. Returns the language now in force.
std::string UseWebLanguage(std::string_view language);

} // namespace vornia

// The board panel's owner for the tool: settings in a struct, the status
// panels kept as texts.
#pragma once

#include <array>
#include <string>

#include "board/plain_owner.h"
#include "board/status_texts.h"

namespace vornia {

class TCliOwner : public TPlainBoardOwner {
public:
    std::array<std::string, 4> Panels;

    void DisplayStats(const TStats& stats) override
    {
        TPlainBoardOwner::DisplayStats(stats);
        Panels = StatsPanelTexts(stats, Settings.Shape, Settings.MassDensity, Settings.Fair.Any());
    }
};

} // namespace vornia

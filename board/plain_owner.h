// A board owner without a window: the settings and the zoom are fields, and
// what the panel reports is kept as plain values. The command-line tool, the
// example pictures, the benchmarks and the tests build on it.
#pragma once

#include <string>

#include "board_owner.h"
#include "status_texts.h"

namespace vornia {

class TPlainBoardOwner : public TBoardOwner {
public:
    TBoardSettings Settings;
    int Zoom = 100;
    bool Failed = false;       // the last generation made no board
    std::string FailureReason; // and why, as the status bar would show it
    TStats LastStats;

    const TBoardSettings& BoardSettings() const override { return Settings; }
    int ZoomPercent() const override { return Zoom; }
    void SetBoardCaption(const std::string&) override {}
    void ResetStatusBar(int flags) override
    {
        Failed = (flags & rsFailed) != 0;
        FailureReason = Failed ? std::string(FailedBoardText) : std::string();
    }
    void ShowFailure(std::string_view reason) override
    {
        Failed = true;
        FailureReason = reason;
    }
    void DisplayStats(const TStats& stats) override { LastStats = stats; }
    void AddBoardMenuItem(const std::string&) override {}
    void PaintBoard() override {}
};

} // namespace vornia

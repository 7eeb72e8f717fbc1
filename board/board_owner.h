// What the board panel needs of the window that owns it. The main window,
// the command-line tool and the tests implement it.
#pragma once

#include <string>
#include <string_view>

#include "board_settings.h"
#include "stats.h"

namespace vornia {

// ResetStatusBar flags.
constexpr int rsWaiting = 1;
constexpr int rsFailed = 2;

class TBoardOwner {
public:
    virtual ~TBoardOwner() = default;

    virtual const TBoardSettings& BoardSettings() const = 0;
    virtual int ZoomPercent() const = 0;

    virtual void SetBoardCaption(const std::string& name) = 0;
    virtual void ResetStatusBar(int flags) = 0;
    // A generation that made no board for a reason of its own: shown as the
    // failure of a random board is, with the reason in place of its text.
    virtual void ShowFailure(std::string_view reason)
    {
        (void)reason;
        ResetStatusBar(rsFailed);
    }
    virtual void DisplayStats(const TStats& stats) = 0;
    virtual void AddBoardMenuItem(const std::string& name) = 0;
    // PaintBoard: background, then every placed plate in list order.
    virtual void PaintBoard() = 0;
};

} // namespace vornia

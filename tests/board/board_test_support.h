// A board owner for tests: settings in a plain struct, calls recorded.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "board/board_owner.h"
#include "board/panel_board.h"
#include "board/random_source.h"

namespace vornia::testing {

class TTestOwner : public TBoardOwner {
public:
    TBoardSettings Settings;
    int Zoom = 100;
    std::vector<std::string> Calls;
    std::vector<std::string> Captions;
    std::vector<std::string> MenuItems;
    TStats LastStats;
    int StatusFlags = -1;

    const TBoardSettings& BoardSettings() const override { return Settings; }
    int ZoomPercent() const override { return Zoom; }
    void SetBoardCaption(const std::string& name) override
    {
        Captions.push_back(name);
        Calls.push_back("caption");
    }
    void ResetStatusBar(int flags) override
    {
        StatusFlags = flags;
        Calls.push_back("reset");
    }
    void DisplayStats(const TStats& stats) override
    {
        LastStats = stats;
        Calls.push_back("stats");
    }
    void AddBoardMenuItem(const std::string& name) override
    {
        MenuItems.push_back(name);
        Calls.push_back("menu");
    }
    void PaintBoard() override { Calls.push_back("paint"); }
};

// Every reseed of the process-wide generator reads the given milliseconds.
class TFixedClock {
public:
    explicit TFixedClock(std::uint32_t ms) { RandomSource().UseFixedClock(ms); }
    ~TFixedClock() { RandomSource().UseSystemClock(); }
    TFixedClock(const TFixedClock&) = delete;
    TFixedClock& operator=(const TFixedClock&) = delete;
};

inline void SetAllCounts(TBoardSettings& s, int value)
{
    for (const auto& key : CountKeys)
        s.*(key.Field) = value;
}

// Placed land plates per row, from the top row down.
inline std::vector<int> LandRows(const TPlateList& plates)
{
    std::map<int, int> rows;
    for (const auto& e : plates.All())
        if (e.Plate.Placed && IsLand(e.Plate))
            ++rows[e.Plate.Y];
    std::vector<int> counts;
    for (const auto& [y, n] : rows)
        counts.push_back(n);
    return counts;
}

} // namespace vornia::testing

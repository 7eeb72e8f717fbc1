// A board owner for the benchmarks.
#pragma once

#include "board/board_owner.h"
#include "board/board_settings.h"

namespace vornia::bench {

class TBenchOwner : public TBoardOwner {
public:
    TBoardSettings Settings;
    int Zoom = 100;
    bool Failed = false;
    const TBoardSettings& BoardSettings() const override { return Settings; }
    int ZoomPercent() const override { return Zoom; }
    void SetBoardCaption(const std::string&) override {}
    void ResetStatusBar(int flags) override { Failed = (flags & rsFailed) != 0; }
    void DisplayStats(const TStats&) override {}
    void AddBoardMenuItem(const std::string&) override {}
    void PaintBoard() override {}
};

inline TBoardSettings AllCounts(const char* shape, int count, const char* mass = "any")
{
    TBoardSettings s;
    s.Shape = shape;
    s.MassDensity = mass;
    for (const auto& key : CountKeys)
        s.*(key.Field) = count;
    return s;
}

} // namespace vornia::bench

// The board panel's model: the current board, every board of the run, the
// hex geometry and position queries, and the generation of new boards.
// It knows no window: what a generation or an opening made comes back as a
// value, and the caller shows it as it sees fit.
//
//     TPanelBoard panel;
//     TRandomSource random;                // random.UseFixedClock(seed) for a repeatable board
//     const TGenerationResult made = panel.GenerateBoard(settings, 100, random);
//     if (made.Made)
//         ... panel.Plates() at panel.Zoom(), made.Name, made.Stats ...
//     else
//         ... made.FailureText ...
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "board_registry.h"
#include "board_settings.h"
#include "fair/fair_problem.h"
#include "geometry.h"
#include "plate_list.h"
#include "reference_lookup.h"
#include "stats.h"

namespace vornia {

// A transient list of free sides: (BorderName, side) entries.
struct TSideEntry {
    std::string_view Name; // BorderName of the side
    TBorderType Side;
};
using TSideList = std::vector<TSideEntry>;

class TRandomSource;

// What a generation or an opening made.
struct TGenerationResult {
    bool Made = false;       // a board was made: it is current, named and registered
    std::string Name;        // its name
    TStats Stats;            // its statistics at the panel's zoom
    std::string FailureText; // when none was made: why, as the status bar shows it
    bool Stopped = false;    // none was made because the caller asked to stop
};

constexpr int MaxRandomAttempts = 267;
constexpr std::int32_t StartX = 150;
constexpr std::int32_t StartY = 50;

class TPanelBoard {
public:
    // A panel made with TLookupMode::LiteralScan answers its queries by the
    // reference scans: for comparisons in tests and benchmarks.
    explicit TPanelBoard(TLookupMode lookup = TLookupMode::Indexed);
    ~TPanelBoard();
    TPanelBoard(const TPanelBoard&) = delete;
    TPanelBoard& operator=(const TPanelBoard&) = delete;

    // --- the boards of the run
    TBoardRegistry& Registry() { return BoardRegistry; }
    const TBoardRegistry& Registry() const { return BoardRegistry; }
    TPlateList& Plates() { return BoardRegistry.Plates(); }
    const TPlateList& Plates() const { return BoardRegistry.Plates(); }
    const std::string& BoardName() const { return BoardRegistry.BoardName(); }
    // Makes a registered board current; false when absent or already current.
    bool SwitchToBoard(const std::string& name);
    // How many new boards the run has named; numbering may go on after a
    // count kept from an earlier run of the same visit (never back).
    int NewBoardsNamed() const { return NewBoardCount; }
    void ContinueNumberingAfter(int count) { NewBoardCount = std::max(NewBoardCount, count); }

    // How many tries the last random layout took; 0 for an opened board.
    int Attempts() const { return AttemptCount; }
    void ResetAttempts() { AttemptCount = 0; }

    // --- geometry at the zoom the current board is laid out on
    int Zoom() const { return ZoomPercent; }
    // The zoom changes; the plates stay where they are (RescaleBoard moves them).
    void SetZoom(int percent) { ZoomPercent = percent; }
    THexMetrics Metrics() const { return MetricsAtZoom(Zoom()); }
    int HalfWidth() const { return Metrics().HalfWidth; }
    int SideLength() const { return Metrics().SideLength; }
    int PeakHeight() const { return Metrics().PeakHeight; }
    int TokenSize() const { return Metrics().TokenSize; }
    int DotSize() const { return Metrics().DotSize; }
    std::int32_t StepX(std::int32_t x, int direction) const { return StepXAtZoom(x, direction, Zoom()); }
    std::int32_t StepY(std::int32_t y, int direction) const { return StepYAtZoom(y, direction, Zoom()); }

    // --- position queries (only placed plates count; -1 means none)
    int PlateAt(std::int32_t x, std::int32_t y) const;
    int LandPlateAt(std::int32_t x, std::int32_t y) const;
    int FirstPlacedPlate() const;
    bool IsPositionFree(int direction, std::int32_t x, std::int32_t y) const;
    bool IsSideFree(int direction, int plate) const;
    bool HasLandNeighbour(int direction, std::int32_t x, std::int32_t y) const;
    void CollectFreeSides(TSideList& list, int plate) const;
    int PlacedPlateCount() const;
    int PlainWaterCount() const;

    // --- generation
    // A new board of the settings at the zoom, drawn from random: when made it
    // is current, named "New <shape> <n>" and registered. When none is made
    // the current list is that attempt's, nothing placed, and the board's
    // name stays the one before. keepGoing is asked now and then while the
    // random shape and the fair-board rules search; once it says no, the
    // generation ends Stopped, as one that failed but with no failure text.
    TGenerationResult GenerateBoard(const TBoardSettings& settings, int zoom, TRandomSource& random,
                                    const TKeepGoing& keepGoing = {});
    // One line per placed plate: Kind - X,Y - Number,TradeResource,TradeRatio.
    void ListPlates(const std::function<void(const std::string&)>& addLine) const;
    TStats ComputeStats() const;

private:
    friend class TBoardLayout;

    // The pools of one generation.
    struct TPools;
    static void FillPools(const TBoardSettings& settings, TPools& pools);
    void Deal(TPools& pools, TRandomSource& random);
    // The fair-board rules on the laid-out board: empty when met, else the
    // failure text (nothing is left placed).
    std::string ApplyFairRules(const TFairRules& rules, TRandomSource& random, const TKeepGoing& keepGoing,
                               bool& stopped);

    const TLookupMode Lookup;
    int ZoomPercent = 100;
    TBoardRegistry BoardRegistry;
    std::int32_t AttemptCount = 0;
    int NewBoardCount = 0;
};

// Piece pools (used by the driver; open for tests).
using TPlatePool = std::vector<TPlateEntry>;
void AddPlates(TPlatePool& pool, int count, const std::string& kind, const std::string& tradeResource,
               const std::string& tradeRatio);
void AddPieces(TPlatePool& pool, int count, const std::string& kind);
void AddNumbers(std::vector<std::string>& numbers, int count, const std::string& number);

// Moves the placed plates of a list from the grid of one zoom onto the grid of
// another, keeping their upper-left corner; false when nothing is placed.
bool RescaleBoard(TPlateList& plates, int oldZoom, int newZoom);

} // namespace vornia

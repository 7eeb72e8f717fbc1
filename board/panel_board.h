// The board panel's model: the current board, every board of the run, the
// hex geometry and position queries, and the generation of new boards.
// It reaches its window only through TBoardOwner.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "board_owner.h"
#include "board_registry.h"
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

constexpr int MaxRandomAttempts = 267;
constexpr std::int32_t StartX = 150;
constexpr std::int32_t StartY = 50;

class TPanelBoard {
public:
    // A panel made with TLookupMode::LiteralScan answers its queries by the
    // reference scans: for comparisons in tests and benchmarks.
    explicit TPanelBoard(TBoardOwner& owner, TLookupMode lookup = TLookupMode::Indexed);
    ~TPanelBoard();
    TPanelBoard(const TPanelBoard&) = delete;
    TPanelBoard& operator=(const TPanelBoard&) = delete;

    TBoardOwner& OwnerForm() const { return Owner; }

    // --- the boards of the run
    TBoardRegistry& Registry() { return BoardRegistry; }
    const TBoardRegistry& Registry() const { return BoardRegistry; }
    TPlateList& Plates() { return BoardRegistry.Plates(); }
    const TPlateList& Plates() const { return BoardRegistry.Plates(); }
    const std::string& BoardName() const { return BoardRegistry.BoardName(); }
    // Makes a registered board current and shows it; false when absent or already current.
    bool SwitchToBoard(const std::string& name);

    // How many tries the last random layout took; 0 for an opened board.
    int Attempts() const { return AttemptCount; }
    void ResetAttempts() { AttemptCount = 0; }

    // --- geometry at the owner's zoom
    int Zoom() const { return Owner.ZoomPercent(); }
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
    void GenerateBoard();
    // One line per placed plate: Kind - X,Y - Number,TradeResource,TradeRatio.
    void ListPlates(const std::function<void(const std::string&)>& addLine) const;
    TStats ComputeStats() const;
    void ShowStats();

private:
    friend class TBoardLayout;

    // The pools of one generation.
    struct TPools;
    void FillPools(TPools& pools) const;
    void Deal(TPools& pools);
    // The fair-board rules of the settings on the laid-out board; false, with
    // the failure shown, when no arrangement meets them.
    bool ApplyFairRules();

    TBoardOwner& Owner;
    const TLookupMode Lookup;
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
bool RescalePlates(TPlateList& plates, int oldZoom, int newZoom);

} // namespace vornia

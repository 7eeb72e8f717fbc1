// The board panel's model: the current board, every board of the run, the
// hex geometry and position queries, and the generation of new boards.
// It reaches its window only through TBoardOwner.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "board_owner.h"
#include "geometry.h"
#include "plate_list.h"
#include "stats.h"

namespace vornia {

struct TBoardEntry {
    std::string Name; // with its brackets
    std::unique_ptr<TPlateList> List;
};

// How the position queries find plates: through the index of the plate list,
// or by the literal scan of the list that defines their results.
enum class TLookupMode { Indexed, LiteralScan };

// A transient list of free sides: (BorderName, side) entries.
struct TSideEntry {
    std::string_view Name; // BorderName of the side
    TBorderType Side;
};
using TSideList = std::vector<TSideEntry>;

// A turn table of a walked shape: (step number as decimal text, direction).
struct TTurn {
    std::string Step;
    TBorderType Direction;
};
using TTurnTable = std::vector<TTurn>;

constexpr int MaxRandomAttempts = 267;
constexpr std::int32_t StartX = 150;
constexpr std::int32_t StartY = 50;

class TPanelBoard {
public:
    explicit TPanelBoard(TBoardOwner& owner);
    ~TPanelBoard();
    TPanelBoard(const TPanelBoard&) = delete;
    TPanelBoard& operator=(const TPanelBoard&) = delete;

    TBoardOwner& OwnerForm() const { return Owner; }

    // --- state
    bool BlackAndWhite = false;
    std::int32_t Attempts = 0;
    int NewBoardCount = 0;
    std::string BoardName;

    TPlateList& Plates() { return *Current; }
    const TPlateList& Plates() const { return *Current; }
    const std::vector<TBoardEntry>& Boards() const { return BoardList; }

    void SetLookupMode(TLookupMode mode) { Lookup = mode; }
    TLookupMode LookupMode() const { return Lookup; }

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

    // --- plate queries shared by the layouts
    int FirstUnplacedHarbour() const;
    int FirstUnplacedWater() const;
    int FirstUnplacedLand() const;
    int PlacedPlateCount() const;
    int PlainWaterCount() const;
    void ListPlacedWaters(std::vector<int>& list) const;

    // --- board registry
    // Plates becomes a new empty list; a list that is not in Boards is freed.
    void NewPlateList();
    // Plates becomes the given list (a board read from a file), not yet registered.
    void AdoptPlateList(std::unique_ptr<TPlateList> list);
    void SetBoardName(std::string_view name);
    // Registers the current list under the name (replacing an entry of that name in place).
    void RegisterBoard(const std::string& name);
    // Index of the entry whose name equals the text, letter case ignored; -1 if none.
    int FindBoard(std::string_view name) const;
    // Makes a registered board current; false when absent or already current.
    bool SwitchToBoard(const std::string& name);
    // Renames the entry called oldName (Save As).
    void RenameBoard(std::string_view oldName, const std::string& newName);
    void FreeBoards();
    // One line per placed plate: Kind - X,Y - Number,TradeResource,TradeRatio.
    void ListPlates(const std::function<void(const std::string&)>& addLine) const;

    // --- generation
    void GenerateBoard();
    // The layouts; each reads Plates (unplaced, in dealt order).
    void BuildTraditional();
    bool GrowRandomLand();
    void BuildCross();
    void WalkShape(const TTurnTable& turns, int lastStep);
    void BuildLongLake();
    void BuildAlbatross();
    void BuildGreatLakes();
    void BuildPineCone();
    void BuildValley();
    void BuildDogLeg();
    void BuildWolf();
    void BuildCoelecanth();
    void BuildScorpion();
    void BuildLesserGreatLakes();
    void SurroundWithWater();
    void SetHarbourSides();
    // Moves the board so that its west side is at x 10 and its top at y 10.
    void MoveToCorner();
    // The fair-board rules of the settings on the laid-out board; false, with
    // the failure shown, when no arrangement meets them.
    bool ApplyFairRules();

    // --- statistics
    TStats ComputeStats() const;
    void ShowStats();

private:
    // The pools of one generation.
    struct TPools;
    void FillPools(TPools& pools) const;
    void Deal(TPools& pools);
    bool RunLayout();
    bool LandMassAccepted() const;
    // The number of the six neighbours of q that hold placed land.
    int LandAround(const TPoint& q, const THexMetrics& m) const;

    TBoardOwner& Owner;
    std::vector<TBoardEntry> BoardList;
    // The current list when it is not registered (at creation, after a failed generation).
    std::unique_ptr<TPlateList> Unregistered;
    TPlateList* Current = nullptr;
    TLookupMode Lookup = TLookupMode::Indexed;
};

// Piece pools (used by the driver; open for tests).
using TPlatePool = std::vector<TPlateEntry>;
void AddPlates(TPlatePool& pool, int count, const std::string& kind, const std::string& tradeResource,
               const std::string& tradeRatio);
void AddPieces(TPlatePool& pool, int count, const std::string& kind);
void AddNumbers(std::vector<std::string>& numbers, int count, const std::string& number);
void AddTurn(TTurnTable& turns, int step, TBorderType direction);

// Moves the placed plates of a list from the grid of one zoom onto the grid of
// another, keeping their upper-left corner; false when nothing is placed.
bool RescalePlates(TPlateList& plates, int oldZoom, int newZoom);

} // namespace vornia

// The layouts of the shapes and the steps after them: each places the plates
// of the board's current list (unplaced, in dealt order). The generation
// driver runs them; tests may run one alone.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fair/fair_problem.h"
#include "geometry.h"
#include "plate_list.h"
#include "walked_shapes.h"

namespace vornia {

class TPanelBoard;
class TRandomSource;

// The positions of a fixed island before the move into the corner: its land
// top row first, west to east; its ring row 0 west to east, then the west and
// the east plate of each land row, then the last row west to east.
std::vector<TPoint> IslandLandPositions(const TFixedIsland& island, const THexMetrics& m);
std::vector<TPoint> IslandRingPositions(const TFixedIsland& island, const THexMetrics& m);

class TBoardLayout {
public:
    // The random shape draws from random until its land mass is massDensity
    // ("any", "low", "medium" or "high"); the harbours' places are drawn too.
    TBoardLayout(TPanelBoard& board, TRandomSource& random, std::string massDensity)
        : Board(board), Random(random), MassDensity(std::move(massDensity))
    {}

    // Lays out the named shape; false when the random shape gives up or the
    // name is no shape.
    bool RunLayout(std::string_view shape);

    // Asked before each try of the random shape; once it says no, the
    // random shape gives up at once, with Stopped set.
    TKeepGoing KeepGoing;
    bool Stopped = false;

    // The fixed island's land at its land positions and its water on the
    // ring, then the harbours turned; BuildTraditional is the first island.
    void BuildFixedIsland(const TFixedIsland& island);
    void BuildTraditional();
    bool GrowRandomLand();
    void BuildCross();
    void WalkShape(const TWalkedShape& shape);
    void SurroundWithWater();
    void SetHarbourSides();
    // Moves the board so that its west side is at x 10 and its top at y 10.
    void MoveToCorner();

    // The plate queries of the layouts.
    int FirstUnplacedHarbour() const { return FirstUnplaced(TPlateSort::Harbour); }
    int FirstUnplacedWater() const { return FirstUnplaced(TPlateSort::Water); }
    int FirstUnplacedLand() const { return FirstUnplaced(TPlateSort::Land); }
    void ListPlacedWaters(std::vector<int>& list) const;

private:
    int FirstUnplaced(TPlateSort sort) const;
    bool LandMassAccepted() const;
    // The number of the six neighbours of q that hold placed land.
    int LandAround(const TPoint& q, const THexMetrics& m) const;

    TPanelBoard& Board;
    TRandomSource& Random;
    const std::string MassDensity;
};

} // namespace vornia

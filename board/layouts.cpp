// The fixed islands, the walked shapes and the cross.
#include <array>

#include "board_layout.h"
#include "panel_board.h"

namespace vornia {

const TWalkedShape* FindWalkedShape(std::string_view name)
{
    for (const TWalkedShape& shape : WalkedShapes)
        if (SameText(name, shape.Name))
            return &shape;
    return nullptr;
}

bool TBoardLayout::RunLayout(std::string_view shape)
{
    if (const TFixedIsland* island = FindFixedIsland(shape)) {
        BuildFixedIsland(*island);
        return true;
    }
    if (SameText(shape, "random"))
        return GrowRandomLand();
    if (SameText(shape, "cross")) {
        BuildCross();
        return true;
    }
    if (const TWalkedShape* walked = FindWalkedShape(shape)) {
        WalkShape(*walked);
        return true;
    }
    return false;
}

int TBoardLayout::FirstUnplaced(TPlateSort sort) const
{
    const TPlateList& plates = Board.Plates();
    return Board.Lookup == TLookupMode::Indexed ? plates.FirstUnplaced(sort) : reference::FirstUnplaced(plates, sort);
}

void TBoardLayout::ListPlacedWaters(std::vector<int>& list) const
{
    const TPlateList& plates = Board.Plates();
    for (int i = 0; i < plates.Count(); ++i)
        if (plates[i].Placed && IsWater(plates[i]))
            list.push_back(i);
}

void TBoardLayout::BuildTraditional()
{
    BuildFixedIsland(FixedIslands[0]);
}

std::vector<TPoint> IslandLandPositions(const TFixedIsland& island, const THexMetrics& m)
{
    // Row r (from 1) of length L starts L - 1 half widths west of the
    // centre line, which runs one half width further east than the first
    // row is long.
    const int a = m.HalfWidth;
    const int centre = StartX + island.LandRows[0] * a;
    std::vector<TPoint> positions;
    for (int r = 0; r < island.RowCount(); ++r) {
        const int length = island.LandRows[static_cast<std::size_t>(r)];
        const int y = StartY + (r + 1) * m.RowPitch();
        for (int k = 0; k < length; ++k)
            positions.push_back({centre - (length - 1) * a + 2 * k * a, y});
    }
    return positions;
}

std::vector<TPoint> IslandRingPositions(const TFixedIsland& island, const THexMetrics& m)
{
    const int a = m.HalfWidth;
    const int rows = island.RowCount();
    std::vector<TPoint> positions;
    if (rows == 0)
        return positions;
    const std::vector<TPoint> land = IslandLandPositions(island, m);
    // A row of water over (or under) a land row, from half a plate west of
    // its first plate to half a plate east of its last.
    const auto waterRow = [&](int landRow, int y) {
        std::size_t first = 0;
        for (int r = 0; r < landRow; ++r)
            first += static_cast<std::size_t>(island.LandRows[static_cast<std::size_t>(r)]);
        const int length = island.LandRows[static_cast<std::size_t>(landRow)];
        for (int k = 0; k <= length; ++k)
            positions.push_back({land[first].x - a + 2 * k * a, y});
    };
    waterRow(0, StartY);
    std::size_t first = 0;
    for (int r = 0; r < rows; ++r) {
        const int length = island.LandRows[static_cast<std::size_t>(r)];
        const TPoint west = land[first], east = land[first + static_cast<std::size_t>(length) - 1];
        positions.push_back({west.x - 2 * a, west.y});
        positions.push_back({east.x + 2 * a, east.y});
        first += static_cast<std::size_t>(length);
    }
    waterRow(rows - 1, StartY + (rows + 1) * m.RowPitch());
    return positions;
}

void TBoardLayout::BuildFixedIsland(const TFixedIsland& island)
{
    TPlateList& plates = Board.Plates();
    const THexMetrics m = Board.Metrics();
    // Land plates in list order fill the land positions top row first, west
    // to east; water plates the ring. A plate beyond its positions (which
    // the island's own pieces never give) goes on east along the last row.
    const auto placeAll = [&](const std::vector<TPoint>& positions, bool water) {
        std::size_t n = 0;
        for (int i = 0; i < plates.Count(); ++i) {
            if (plates.IsLandPlate(i) == water)
                continue;
            TPoint p = positions.empty() ? TPoint{StartX, StartY} : positions.back();
            if (n < positions.size())
                p = positions[n];
            else if (!positions.empty())
                p.x += static_cast<std::int32_t>(n + 1 - positions.size()) * 2 * m.HalfWidth;
            plates.Place(i, p.x, p.y);
            ++n;
        }
    };
    placeAll(IslandLandPositions(island, m), false);
    placeAll(IslandRingPositions(island, m), true);
    SetHarbourSides();
}

void TBoardLayout::WalkShape(const TWalkedShape& shape)
{
    TPlateList& plates = Board.Plates();
    const int start = FirstUnplacedLand();
    if (start < 0)
        return;
    std::int32_t x = StartX, y = StartY;
    plates.Place(start, x, y);

    int direction = btNorthWest;
    int step = 1;
    bool finished = false;
    for (int i = start + 1; !finished && i < plates.Count(); ++i) {
        if (!plates.IsLandPlate(i))
            continue;
        for (const TTurn& turn : shape.Turns)
            if (turn.Step == step) {
                direction = turn.Direction;
                break;
            }
        x = Board.StepX(x, direction);
        y = Board.StepY(y, direction);
        plates.Place(i, x, y);
        if (step < shape.LastStep)
            ++step;
        else
            finished = true;
    }
    SurroundWithWater();
}

void TBoardLayout::BuildCross()
{
    TPlateList& plates = Board.Plates();
    const int start = FirstUnplacedLand();
    if (start < 0)
        return;
    plates.Place(start, StartX, StartY);

    static constexpr std::array<TBorderType, 4> Arms{{btNorthWest, btNorthEast, btSouthEast, btSouthWest}};
    std::array<int, 4> tips{start, start, start, start};
    std::size_t arm = 0;
    for (int i = start + 1; i < plates.Count(); ++i) {
        if (!plates.IsLandPlate(i))
            continue;
        const TBorderType d = Arms[arm];
        const TResourcePlate& base = plates[tips[arm]];
        const std::int32_t x = Board.StepX(base.X, d), y = Board.StepY(base.Y, d);
        tips[arm] = i;
        plates.Place(i, x, y);
        arm = (arm + 1) % Arms.size();
    }
    SurroundWithWater();
}

} // namespace vornia

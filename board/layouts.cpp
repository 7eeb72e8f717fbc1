// The traditional island, the walked shapes and the cross.
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
    if (SameText(shape, "traditional")) {
        BuildTraditional();
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
    TPlateList& plates = Board.Plates();
    const int a = Board.HalfWidth(), pitch = Board.SideLength() + Board.PeakHeight();

    // Land rows of 3, 4, 5, 4 and 3, top row first, west to east.
    std::int32_t x = StartX + a, y = StartY + pitch;
    int n = 0;
    for (int i = 0; i < plates.Count(); ++i) {
        if (!plates.IsLandPlate(i))
            continue;
        plates.Place(i, x, y);
        switch (n) {
        case 2: case 15: x -= 5 * a; y += pitch; break;
        case 6: case 11: x -= 7 * a; y += pitch; break;
        default: x += 2 * a; break;
        }
        ++n;
    }

    // The ring of water: row 0, the west and east ends of rows 1 to 5, row 6.
    struct TMove {
        int dx; // in units of a
        bool nextRow;
    };
    static constexpr std::array<TMove, 14> WaterMoves{{
        {2, false}, {2, false}, {2, false}, {-7, true}, {8, false}, {-9, true}, {10, false},
        {-11, true}, {12, false}, {-11, true}, {10, false}, {-9, true}, {8, false}, {-7, true},
    }};
    x = StartX;
    y = StartY;
    n = 0;
    for (int i = 0; i < plates.Count(); ++i) {
        if (!IsWater(plates[i]))
            continue;
        plates.Place(i, x, y);
        const TMove move = n < static_cast<int>(WaterMoves.size()) ? WaterMoves[static_cast<std::size_t>(n)]
                                                                   : TMove{2, false};
        x += move.dx * a;
        if (move.nextRow)
            y += pitch;
        ++n;
    }
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

// The traditional island, the ten walked shapes and the cross.
#include <array>
#include <string>

#include "panel_board.h"

namespace vornia {

void AddTurn(TTurnTable& turns, int step, TBorderType direction)
{
    turns.push_back({std::to_string(step), direction});
}

void TPanelBoard::BuildTraditional()
{
    TPlateList& plates = Plates();
    const int a = HalfWidth(), pitch = SideLength() + PeakHeight();

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

void TPanelBoard::WalkShape(const TTurnTable& turns, int lastStep)
{
    TPlateList& plates = Plates();
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
        const std::string stepText = std::to_string(step);
        for (const auto& turn : turns)
            if (turn.Step == stepText) {
                direction = turn.Direction;
                break;
            }
        x = StepX(x, direction);
        y = StepY(y, direction);
        plates.Place(i, x, y);
        if (step < lastStep)
            ++step;
        else
            finished = true;
    }
    SurroundWithWater();
}

namespace {
struct TTurnRow {
    int Step;
    TBorderType Direction;
};

template <std::size_t N>
TTurnTable MakeTurns(const std::array<TTurnRow, N>& rows)
{
    TTurnTable turns;
    for (const auto& row : rows)
        AddTurn(turns, row.Step, row.Direction);
    return turns;
}

constexpr int WalkLastStep = 19;
} // namespace

void TPanelBoard::BuildLongLake()
{
    static constexpr std::array<TTurnRow, 6> Turns{{
        {1, btEast}, {2, btNorthEast}, {3, btEast}, {10, btSouthEast}, {11, btSouthWest}, {12, btWest},
    }};
    WalkShape(MakeTurns(Turns), WalkLastStep);
}

void TPanelBoard::BuildAlbatross()
{
    static constexpr std::array<TTurnRow, 12> Turns{{
        {1, btNorthWest}, {2, btNorthEast}, {3, btSouthEast}, {7, btNorthEast}, {8, btNorthWest}, {9, btEast},
        {11, btNorthWest}, {12, btEast}, {13, btNorthWest}, {14, btWest}, {15, btNorthWest}, {17, btSouthWest},
    }};
    WalkShape(MakeTurns(Turns), WalkLastStep);
}

void TPanelBoard::BuildGreatLakes()
{
    static constexpr std::array<TTurnRow, 5> Turns{{
        {1, btEast}, {4, btSouthWest}, {8, btNorthWest}, {12, btNorthEast}, {16, btSouthEast},
    }};
    WalkShape(MakeTurns(Turns), WalkLastStep);
}

void TPanelBoard::BuildPineCone()
{
    static constexpr std::array<TTurnRow, 10> Turns{{
        {1, btSouthWest}, {2, btEast}, {3, btSouthEast}, {4, btWest}, {6, btSouthWest},
        {7, btEast}, {10, btSouthEast}, {11, btWest}, {15, btSouthEast}, {16, btEast},
    }};
    WalkShape(MakeTurns(Turns), WalkLastStep);
}

void TPanelBoard::BuildValley()
{
    static constexpr std::array<TTurnRow, 5> Turns{{
        {1, btEast}, {6, btSouthEast}, {7, btWest}, {13, btSouthEast}, {14, btEast},
    }};
    WalkShape(MakeTurns(Turns), WalkLastStep);
}

void TPanelBoard::BuildDogLeg()
{
    static constexpr std::array<TTurnRow, 6> Turns{{
        {1, btNorthEast}, {5, btEast}, {6, btSouthEast}, {10, btSouthWest}, {11, btNorthWest}, {15, btSouthWest},
    }};
    WalkShape(MakeTurns(Turns), WalkLastStep);
}

void TPanelBoard::BuildWolf()
{
    static constexpr std::array<TTurnRow, 8> Turns{{
        {1, btEast}, {6, btSouthWest}, {7, btWest}, {11, btSouthEast},
        {13, btEast}, {14, btSouthWest}, {15, btSouthEast}, {16, btNorthEast},
    }};
    WalkShape(MakeTurns(Turns), WalkLastStep);
}

void TPanelBoard::BuildCoelecanth()
{
    static constexpr std::array<TTurnRow, 16> Turns{{
        {1, btSouthWest}, {2, btWest}, {4, btNorthEast}, {5, btNorthWest}, {6, btEast}, {8, btNorthEast},
        {9, btEast}, {10, btSouthEast}, {11, btSouthWest}, {12, btEast}, {13, btNorthEast}, {14, btSouthEast},
        {15, btSouthWest}, {16, btWest}, {17, btSouthWest}, {18, btWest},
    }};
    WalkShape(MakeTurns(Turns), WalkLastStep);
}

void TPanelBoard::BuildScorpion()
{
    static constexpr std::array<TTurnRow, 16> Turns{{
        {1, btWest}, {2, btSouthWest}, {3, btWest}, {5, btNorthEast}, {6, btWest}, {7, btNorthEast},
        {8, btEast}, {10, btNorthEast}, {11, btEast}, {12, btSouthEast}, {13, btEast}, {14, btSouthWest},
        {15, btSouthEast}, {16, btWest}, {17, btSouthWest}, {18, btWest},
    }};
    WalkShape(MakeTurns(Turns), WalkLastStep);
}

void TPanelBoard::BuildLesserGreatLakes()
{
    static constexpr std::array<TTurnRow, 9> Turns{{
        {1, btNorthEast}, {3, btSouthEast}, {4, btNorthEast}, {5, btSouthEast}, {8, btWest},
        {12, btSouthEast}, {15, btNorthEast}, {16, btSouthEast}, {17, btNorthEast},
    }};
    WalkShape(MakeTurns(Turns), WalkLastStep);
}

void TPanelBoard::BuildCross()
{
    TPlateList& plates = Plates();
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
        const std::int32_t x = StepX(base.X, d), y = StepY(base.Y, d);
        tips[arm] = i;
        plates.Place(i, x, y);
        arm = (arm + 1) % Arms.size();
    }
    SurroundWithWater();
}

} // namespace vornia

// The random shape: land grown as a random walk, retried until its land
// mass matches the one asked for.
#include "board_layout.h"
#include "panel_board.h"
#include "random_source.h"

namespace vornia {

bool TBoardLayout::LandMassAccepted() const
{
    const std::string& mass = MassDensity;
    if (SameText(mass, "any"))
        return true;
    // Beyond the table of shared sides the category is always empty, whatever
    // the sides: no need to count them.
    const TPlateList& plates = Board.Plates();
    int land = 0;
    for (int i = 0; i < plates.Count(); ++i)
        land += (plates[i].Placed && plates.IsLandPlate(i)) ? 1 : 0;
    if (land >= MaxSharedSidesTableSize)
        return false;
    const TStats stats = Board.ComputeStats();
    return !stats.LandMass.empty() && SameText(mass, stats.LandMass);
}

bool TBoardLayout::GrowRandomLand()
{
    TPlateList& plates = Board.Plates();
    TSideList candidates;
    candidates.reserve(6);
    TRandomSource& random = Random;
    const int a = Board.HalfWidth();

    Board.AttemptCount = 0;
    bool success = false;
    while (Board.AttemptCount < MaxRandomAttempts && !success) {
        if (KeepGoing && !KeepGoing()) {
            Stopped = true;
            return false;
        }
        ++Board.AttemptCount;
        std::int32_t x = StartX, y = StartY;
        const int count = plates.Count();
        for (int i = 0; i < count; ++i) {
            if (!plates.IsLandPlate(i))
                continue;
            plates.Place(i, x, y);
            candidates.clear();
            Board.CollectFreeSides(candidates, i);
            if (!candidates.empty()) {
                const TBorderType side = candidates[static_cast<std::size_t>(random.Next(static_cast<int>(candidates.size())))].Side;
                x = Board.StepX(plates[i].X, side);
                y = Board.StepY(plates[i].Y, side);
            } else {
                // Trapped: go on two columns east, then further east to the first free position.
                x = WrapInt32(std::int64_t{x} + 4 * a);
                while (Board.PlateAt(x, y) >= 0)
                    x = WrapInt32(std::int64_t{x} + 2 * a);
            }
        }
        success = LandMassAccepted();
        if (!success)
            plates.UnplaceAll();
    }
    if (success)
        SurroundWithWater();
    return success;
}

} // namespace vornia

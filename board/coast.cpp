// Water around the land: harbours first on the positions with the most land
// around them, the water positions shuffled, every harbour turned to the land.
#include <algorithm>
#include <cmath>

#include "board_layout.h"
#include "panel_board.h"
#include "random_source.h"

namespace vornia {

int TBoardLayout::LandAround(const TPoint& q, const THexMetrics& m) const
{
    int land = 0;
    for (int side = btNorthWest; side <= btWest; ++side) {
        const TPoint r = StepWith(q.x, q.y, side, m); // HasLandNeighbour
        land += Board.LandPlateAt(r.x, r.y) >= 0 ? 1 : 0;
    }
    return land;
}

void TBoardLayout::SurroundWithWater()
{
    TPlateList& plates = Board.Plates();
    const auto nextWater = [this] {
        const int harbour = FirstUnplacedHarbour();
        return harbour >= 0 ? harbour : FirstUnplacedWater();
    };
    const THexMetrics m = Board.Metrics();
    // Calls free(q) for every free neighbour position q of the placed land,
    // land in list order and sides in order (IsSideFree at the time of the call).
    const auto forEachFreeSide = [&](const auto& free) {
        for (int i = 0; i < plates.Count(); ++i) {
            const TResourcePlate& land = plates[i];
            if (!land.Placed || !plates.IsLandPlate(i))
                continue;
            for (int d = btNorthWest; d <= btWest; ++d) {
                const TPoint q = StepWith(land.X, land.Y, d, m);
                if (Board.PlateAt(q.x, q.y) < 0)
                    free(q);
            }
        }
    };

    // The free neighbour positions of the land, in the order of the passes'
    // visits (land in list order, sides in order), with their land counts.
    // Only water is placed from here on, so a position's land count is the
    // same in every pass, and a position that is taken stays taken: one
    // sweep finds everything the six passes would look at. The literal scans
    // keep the six passes as the reference to compare with.
    struct TCoast {
        TPoint Position;
        int Land;
    };
    std::vector<TCoast> coast;
    const bool sweepOnce = Board.Lookup == TLookupMode::Indexed;
    if (sweepOnce)
        forEachFreeSide([&](const TPoint& q) { coast.push_back({q, LandAround(q, m)}); });

    int next = nextWater();
    for (int need = 6; need >= 1 && next >= 0; --need) {
        const auto visit = [&](const TPoint& q, int landAround) {
            if (landAround != need)
                return;
            next = nextWater();
            if (next >= 0)
                plates.Place(next, q.x, q.y);
        };
        if (sweepOnce) {
            for (const TCoast& c : coast)
                if (c.Land == need && Board.PlateAt(c.Position.x, c.Position.y) < 0) // IsSideFree
                    visit(c.Position, c.Land);
            continue;
        }
        forEachFreeSide([&](const TPoint& q) { visit(q, LandAround(q, m)); });
    }

    std::vector<int> waters;
    ListPlacedWaters(waters);
    if (waters.size() > 2) {
        TRandomSource& random = Random;
        random.Reseed();
        const int n = static_cast<int>(waters.size());
        for (int i = 0; i < n; ++i)
            plates.SwapPositions(waters[static_cast<std::size_t>(i)], waters[static_cast<std::size_t>(random.Next(n))]);
    }
    SetHarbourSides();
}

void TBoardLayout::SetHarbourSides()
{
    TPlateList& plates = Board.Plates();
    const int placed = Board.PlacedPlateCount();
    for (int i = 0; i < plates.Count(); ++i) {
        TResourcePlate& harbour = plates[i];
        if (!harbour.Placed || plates.IsLandPlate(i) || harbour.TradeResource.empty()) // a placed harbour
            continue;
        int best = 0;
        TBorderType side = btNorthWest;
        for (int d = btNorthWest; d <= btWest; ++d) {
            // The straight run of land from the harbour's neighbour across side d.
            int run = 0;
            std::int32_t x = harbour.X, y = harbour.Y;
            while (run <= placed) {
                x = Board.StepX(x, d);
                y = Board.StepY(y, d);
                const int at = Board.PlateAt(x, y);
                if (at < 0 || !plates.IsLandPlate(at))
                    break;
                ++run;
            }
            if (run > best) {
                best = run;
                side = static_cast<TBorderType>(d);
            }
        }
        harbour.Border = side;
    }
}

void TBoardLayout::MoveToCorner()
{
    TPlateList& plates = Board.Plates();
    if (plates.Empty())
        return;
    std::int32_t minX = StartX, minY = StartY;
    for (const auto& e : plates.All()) {
        minX = std::min(minX, e.Plate.X);
        minY = std::min(minY, e.Plate.Y);
    }
    plates.MoveAll(std::int64_t{10} - minX, std::int64_t{10} + Board.PeakHeight() - minY);
}

bool RescaleBoard(TPlateList& plates, int oldZoom, int newZoom)
{
    // The corner of the placed plates. (Taken from the placed plates alone
    // rather than from a fixed 1000, it keeps boards that lie wholly beyond
    // 1000 pixels on the grid too.)
    const std::optional<TPlacedBounds> box = PlacedBounds(plates);
    if (!box)
        return false;
    const std::int32_t minX = box->MinX, minY = box->MinY;
    const THexMetrics from = MetricsAtZoom(oldZoom), to = MetricsAtZoom(newZoom);
    for (int i = 0; i < plates.Count(); ++i) {
        TResourcePlate& p = plates[i];
        if (!p.Placed)
            continue;
        // Real-valued division, rounded to nearest with halves to even (the default rounding mode).
        const double columns = std::nearbyint(static_cast<double>(std::int64_t{p.X} - minX) / from.HalfWidth);
        const double rows = std::nearbyint(static_cast<double>(std::int64_t{p.Y} - minY) / from.RowPitch());
        p.X = WrapInt32(minX + static_cast<std::int64_t>(columns) * to.HalfWidth);
        p.Y = WrapInt32(minY + static_cast<std::int64_t>(rows) * to.RowPitch());
    }
    plates.Reindex();
    return true;
}

} // namespace vornia

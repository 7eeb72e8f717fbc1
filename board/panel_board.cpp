#include "panel_board.h"

#include <string>

namespace vornia {

TPanelBoard::TPanelBoard(TLookupMode lookup) : Lookup(lookup) {}

TPanelBoard::~TPanelBoard() = default;

// --- position queries

int TPanelBoard::PlateAt(std::int32_t x, std::int32_t y) const
{
    return Lookup == TLookupMode::Indexed ? Plates().IndexedPlateAt(x, y) : reference::PlateAt(Plates(), x, y);
}

int TPanelBoard::LandPlateAt(std::int32_t x, std::int32_t y) const
{
    return Lookup == TLookupMode::Indexed ? Plates().IndexedLandPlateAt(x, y) : reference::LandPlateAt(Plates(), x, y);
}

int TPanelBoard::FirstPlacedPlate() const
{
    return Lookup == TLookupMode::Indexed ? Plates().FirstPlaced() : reference::FirstPlaced(Plates());
}

bool TPanelBoard::IsPositionFree(int direction, std::int32_t x, std::int32_t y) const
{
    return PlateAt(StepX(x, direction), StepY(y, direction)) < 0;
}

bool TPanelBoard::IsSideFree(int direction, int plate) const
{
    const TResourcePlate& p = Plates()[plate];
    return IsPositionFree(direction, p.X, p.Y);
}

bool TPanelBoard::HasLandNeighbour(int direction, std::int32_t x, std::int32_t y) const
{
    return LandPlateAt(StepX(x, direction), StepY(y, direction)) >= 0;
}

void TPanelBoard::CollectFreeSides(TSideList& list, int plate) const
{
    const TResourcePlate& p = Plates()[plate];
    const THexMetrics m = Metrics();
    for (int d = btNorthWest; d <= btWest; ++d) {
        const TPoint q = StepWith(p.X, p.Y, d, m);
        if (PlateAt(q.x, q.y) < 0)
            list.push_back({BorderNameView(d), static_cast<TBorderType>(d)});
    }
}

int TPanelBoard::PlacedPlateCount() const
{
    return Lookup == TLookupMode::Indexed ? Plates().PlacedCount() : reference::PlacedCount(Plates());
}

int TPanelBoard::PlainWaterCount() const
{
    return Lookup == TLookupMode::Indexed ? Plates().PlacedPlainWaterCount()
                                          : reference::PlacedPlainWaterCount(Plates());
}

// --- the boards of the run

bool TPanelBoard::SwitchToBoard(const std::string& name)
{
    return BoardRegistry.SwitchToBoard(name);
}

void TPanelBoard::ListPlates(const std::function<void(const std::string&)>& addLine) const
{
    for (const auto& e : Plates().All()) {
        const TResourcePlate& p = e.Plate;
        if (!p.Placed)
            continue;
        addLine(p.Kind + " - " + std::to_string(p.X) + "," + std::to_string(p.Y) + " - " + p.Number + "," +
                p.TradeResource + "," + p.TradeRatio);
    }
}

// --- statistics

TStats TPanelBoard::ComputeStats() const
{
    TStats stats;
    stats.PlainWaters = PlainWaterCount();
    const THexMetrics m = Metrics();
    const TPlateList& plates = Plates();
    int n = 0;
    long long s = 0;
    for (int i = 0; i < plates.Count(); ++i) {
        const TResourcePlate& p = plates[i];
        if (!p.Placed || !plates.IsLandPlate(i))
            continue;
        ++n;
        for (int d = btNorthWest; d <= btWest; ++d) {
            const TPoint q = StepWith(p.X, p.Y, d, m);
            if (LandPlateAt(q.x, q.y) >= 0)
                ++s;
        }
    }
    LandMassFigures(n, s, stats);
    stats.Attempts = AttemptCount;
    return stats;
}

} // namespace vornia

#include "panel_board.h"

#include <utility>

namespace vornia {

TPanelBoard::TPanelBoard(TBoardOwner& owner)
    : Owner(owner), Unregistered(std::make_unique<TPlateList>()), Current(Unregistered.get())
{
}

TPanelBoard::~TPanelBoard() = default;

// --- position queries

int TPanelBoard::PlateAt(std::int32_t x, std::int32_t y) const
{
    const TPlateList& plates = Plates();
    if (Lookup == TLookupMode::Indexed)
        return plates.IndexedPlateAt(x, y);
    for (int i = 0; i < plates.Count(); ++i) {
        const TResourcePlate& p = plates[i];
        if (p.Placed && p.X == x && p.Y == y)
            return i;
    }
    return -1;
}

int TPanelBoard::LandPlateAt(std::int32_t x, std::int32_t y) const
{
    const TPlateList& plates = Plates();
    if (Lookup == TLookupMode::Indexed)
        return plates.IndexedLandPlateAt(x, y);
    for (int i = 0; i < plates.Count(); ++i) {
        const TResourcePlate& p = plates[i];
        if (p.Placed && p.X == x && p.Y == y && IsLand(p))
            return i;
    }
    return -1;
}

int TPanelBoard::FirstPlacedPlate() const
{
    const TPlateList& plates = Plates();
    if (Lookup == TLookupMode::Indexed)
        return plates.FirstPlaced();
    for (int i = 0; i < plates.Count(); ++i)
        if (plates[i].Placed)
            return i;
    return -1;
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

// --- plate queries

namespace {
int FirstUnplacedScan(const TPlateList& plates, bool (*matches)(const TResourcePlate&))
{
    for (int i = 0; i < plates.Count(); ++i)
        if (!plates[i].Placed && matches(plates[i]))
            return i;
    return -1;
}
} // namespace

int TPanelBoard::FirstUnplacedHarbour() const
{
    if (Lookup == TLookupMode::Indexed)
        return Plates().FirstUnplaced(TPlateSort::Harbour);
    return FirstUnplacedScan(Plates(), IsHarbour);
}

int TPanelBoard::FirstUnplacedWater() const
{
    if (Lookup == TLookupMode::Indexed)
        return Plates().FirstUnplaced(TPlateSort::Water);
    return FirstUnplacedScan(Plates(), IsWater);
}

int TPanelBoard::FirstUnplacedLand() const
{
    if (Lookup == TLookupMode::Indexed)
        return Plates().FirstUnplaced(TPlateSort::Land);
    return FirstUnplacedScan(Plates(), IsLand);
}

int TPanelBoard::PlacedPlateCount() const
{
    if (Lookup == TLookupMode::Indexed)
        return Plates().PlacedCount();
    int count = 0;
    for (const auto& e : Plates().All())
        count += e.Plate.Placed ? 1 : 0;
    return count;
}

int TPanelBoard::PlainWaterCount() const
{
    if (Lookup == TLookupMode::Indexed)
        return Plates().PlacedPlainWaterCount();
    int count = 0;
    for (const auto& e : Plates().All())
        count += (e.Plate.Placed && IsPlainWater(e.Plate)) ? 1 : 0;
    return count;
}

void TPanelBoard::ListPlacedWaters(std::vector<int>& list) const
{
    const TPlateList& plates = Plates();
    for (int i = 0; i < plates.Count(); ++i)
        if (plates[i].Placed && IsWater(plates[i]))
            list.push_back(i);
}

// --- board registry

void TPanelBoard::NewPlateList()
{
    Unregistered = std::make_unique<TPlateList>();
    Current = Unregistered.get();
}

void TPanelBoard::AdoptPlateList(std::unique_ptr<TPlateList> list)
{
    Unregistered = list ? std::move(list) : std::make_unique<TPlateList>();
    Current = Unregistered.get();
}

void TPanelBoard::SetBoardName(std::string_view name)
{
    // Built apart from BoardName, since the name may be a view of it.
    std::string bracketed;
    bracketed.reserve(name.size() + 2);
    bracketed += '[';
    bracketed += name;
    bracketed += ']';
    BoardName = std::move(bracketed);
}

int TPanelBoard::FindBoard(std::string_view name) const
{
    for (std::size_t i = 0; i < BoardList.size(); ++i)
        if (SameText(BoardList[i].Name, name))
            return static_cast<int>(i);
    return -1;
}

void TPanelBoard::RegisterBoard(const std::string& name)
{
    const int existing = FindBoard(name);
    if (!Unregistered || Unregistered.get() != Current) {
        // The current list is registered already: only its entry's name can change.
        if (existing >= 0 && BoardList[static_cast<std::size_t>(existing)].List.get() == Current)
            BoardList[static_cast<std::size_t>(existing)].Name = name;
        return;
    }
    if (existing >= 0) {
        auto& entry = BoardList[static_cast<std::size_t>(existing)];
        entry.List = std::move(Unregistered); // the old list goes with its plates
        entry.Name = name;
    } else {
        BoardList.push_back({name, std::move(Unregistered)});
    }
}

bool TPanelBoard::SwitchToBoard(const std::string& name)
{
    const int index = FindBoard(name);
    if (index < 0 || SameText(name, BoardName))
        return false;
    Current = BoardList[static_cast<std::size_t>(index)].List.get();
    Unregistered.reset(); // a failed generation's list is referenced by nothing now
    BoardName = name;
    Owner.SetBoardCaption(name);
    ShowStats();
    Owner.PaintBoard();
    return true;
}

void TPanelBoard::RenameBoard(std::string_view oldName, const std::string& newName)
{
    const int index = FindBoard(oldName);
    if (index >= 0)
        BoardList[static_cast<std::size_t>(index)].Name = newName;
}

void TPanelBoard::FreeBoards()
{
    if (!Unregistered || Unregistered.get() != Current)
        NewPlateList(); // never leave Plates pointing at a freed list
    BoardList.clear();
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
    stats.Attempts = Attempts;
    return stats;
}

void TPanelBoard::ShowStats() { Owner.DisplayStats(ComputeStats()); }

} // namespace vornia

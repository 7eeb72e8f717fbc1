#include "plate_list.h"

#include <algorithm>
#include <utility>

#include "geometry.h"

namespace vornia {

int TPlateList::Add(std::string text, TResourcePlate plate)
{
    const int i = Count();
    const bool placed = plate.Placed;
    plate.Placed = false;
    Entries.push_back({std::move(text), std::move(plate)});
    AllPlaced.Resize(i + 1);
    PlacedLand.Resize(i + 1);
    LandFlags.push_back(IsLand(Entries.back().Plate) ? 1 : 0);
    if (placed) {
        Entries.back().Plate.Placed = true;
        Link(i);
    }
    return i;
}

void TPlateList::Place(int i, std::int32_t x, std::int32_t y)
{
    TResourcePlate& p = (*this)[i];
    if (p.Placed)
        Unlink(i);
    p.X = x;
    p.Y = y;
    p.Placed = true;
    Link(i);
}

void TPlateList::Unplace(int i)
{
    TResourcePlate& p = (*this)[i];
    if (!p.Placed)
        return;
    Unlink(i);
    p.Placed = false;
    for (int& hint : UnplacedHint)
        hint = std::min(hint, i);
}

void TPlateList::UnplaceAll()
{
    for (auto& e : Entries)
        e.Plate.Placed = false;
    ClearIndex();
}

void TPlateList::ClearIndex()
{
    AllPlaced.Clear();
    PlacedLand.Clear();
    Placed = 0;
    PlacedPlainWaters = 0;
    for (int& hint : UnplacedHint)
        hint = 0;
}

void TPlateList::SwapPositions(int i, int j)
{
    if (i == j)
        return;
    TResourcePlate& a = (*this)[i];
    TResourcePlate& b = (*this)[j];
    const bool placedA = a.Placed, placedB = b.Placed;
    if (placedA)
        Unlink(i);
    if (placedB)
        Unlink(j);
    std::swap(a.X, b.X);
    std::swap(a.Y, b.Y);
    if (placedA)
        Link(i);
    if (placedB)
        Link(j);
}

void TPlateList::MoveAll(std::int64_t dx, std::int64_t dy)
{
    for (auto& e : Entries) {
        e.Plate.X = WrapInt32(e.Plate.X + dx);
        e.Plate.Y = WrapInt32(e.Plate.Y + dy);
    }
    AllPlaced.Translate(dx, dy);
    PlacedLand.Translate(dx, dy);
}

void TPlateList::Reindex()
{
    ClearIndex();
    for (int i = 0; i < Count(); ++i)
        LandFlags[static_cast<std::size_t>(i)] = IsLand((*this)[i]) ? 1 : 0;
    // Linking from the end puts each plate at the head of its chain: O(1).
    for (int i = Count() - 1; i >= 0; --i)
        if ((*this)[i].Placed)
            Link(i);
}

void TPlateList::Link(int i)
{
    const TResourcePlate& p = (*this)[i];
    AllPlaced.Link(i, p.X, p.Y);
    if (IsLandPlate(i))
        PlacedLand.Link(i, p.X, p.Y);
    ++Placed;
    if (IsPlainWater(p))
        ++PlacedPlainWaters;
}

void TPlateList::Unlink(int i)
{
    const TResourcePlate& p = (*this)[i];
    AllPlaced.Unlink(i, p.X, p.Y);
    if (IsLandPlate(i))
        PlacedLand.Unlink(i, p.X, p.Y);
    --Placed;
    if (IsPlainWater(p))
        --PlacedPlainWaters;
}

int TPlateList::IndexedPlateAt(std::int32_t x, std::int32_t y) const { return AllPlaced.First(x, y); }

int TPlateList::IndexedLandPlateAt(std::int32_t x, std::int32_t y) const { return PlacedLand.First(x, y); }

int TPlateList::FirstPlaced() const
{
    if (Placed == 0)
        return -1;
    for (int i = 0; i < Count(); ++i)
        if ((*this)[i].Placed)
            return i;
    return -1;
}

bool TPlateList::Matches(int i, TPlateSort sort) const
{
    const bool land = LandFlags[static_cast<std::size_t>(i)] != 0;
    switch (sort) {
    case TPlateSort::Land: return land;
    case TPlateSort::Water: return !land;
    case TPlateSort::Harbour: return !land && !(*this)[i].TradeResource.empty();
    }
    return false;
}

int TPlateList::FirstUnplaced(TPlateSort sort) const
{
    int& hint = UnplacedHint[static_cast<int>(sort)];
    while (hint < Count() && ((*this)[hint].Placed || !Matches(hint, sort)))
        ++hint;
    return hint < Count() ? hint : -1;
}

std::optional<TPlacedBounds> PlacedBounds(const TPlateList& plates)
{
    const int first = plates.FirstPlaced();
    if (first < 0)
        return std::nullopt;
    TPlacedBounds box{plates[first].X, plates[first].Y, plates[first].X, plates[first].Y};
    for (const TPlateEntry& e : plates.All())
        if (e.Plate.Placed) {
            box.MinX = std::min(box.MinX, e.Plate.X);
            box.MinY = std::min(box.MinY, e.Plate.Y);
            box.MaxX = std::max(box.MaxX, e.Plate.X);
            box.MaxY = std::max(box.MaxY, e.Plate.Y);
        }
    return box;
}

} // namespace vornia

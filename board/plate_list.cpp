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
    NextAtPosition.push_back(-1);
    IsLandPlate.push_back(IsLand(Entries.back().Plate) ? 1 : 0);
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
    std::fill(NextAtPosition.begin(), NextAtPosition.end(), -1);
    Heads.Clear();
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
    Reindex();
}

void TPlateList::Reindex()
{
    Heads.Clear();
    Placed = 0;
    PlacedPlainWaters = 0;
    for (int& hint : UnplacedHint)
        hint = 0;
    for (int i = 0; i < Count(); ++i) {
        NextAtPosition[static_cast<std::size_t>(i)] = -1;
        IsLandPlate[static_cast<std::size_t>(i)] = IsLand((*this)[i]) ? 1 : 0;
    }
    for (int i = 0; i < Count(); ++i)
        if ((*this)[i].Placed)
            Link(i);
}

// Keeps the chain of plates at one position in list order, its head in Heads.
void TPlateList::Link(int i)
{
    const TResourcePlate& p = (*this)[i];
    auto& next = NextAtPosition;
    const int head = Heads.Find(p.X, p.Y);
    if (head < 0 || i < head) {
        next[static_cast<std::size_t>(i)] = head;
        Heads.Set(p.X, p.Y, i);
    } else {
        int at = head;
        while (next[static_cast<std::size_t>(at)] >= 0 && next[static_cast<std::size_t>(at)] < i)
            at = next[static_cast<std::size_t>(at)];
        next[static_cast<std::size_t>(i)] = next[static_cast<std::size_t>(at)];
        next[static_cast<std::size_t>(at)] = i;
    }
    ++Placed;
    if (IsPlainWater(p))
        ++PlacedPlainWaters;
}

void TPlateList::Unlink(int i)
{
    const TResourcePlate& p = (*this)[i];
    auto& next = NextAtPosition;
    const int head = Heads.Find(p.X, p.Y);
    if (head == i) {
        if (next[static_cast<std::size_t>(i)] < 0)
            Heads.Erase(p.X, p.Y);
        else
            Heads.Set(p.X, p.Y, next[static_cast<std::size_t>(i)]);
    } else {
        int at = head;
        while (at >= 0 && next[static_cast<std::size_t>(at)] != i)
            at = next[static_cast<std::size_t>(at)];
        if (at >= 0)
            next[static_cast<std::size_t>(at)] = next[static_cast<std::size_t>(i)];
    }
    next[static_cast<std::size_t>(i)] = -1;
    --Placed;
    if (IsPlainWater(p))
        --PlacedPlainWaters;
}

int TPlateList::IndexedPlateAt(std::int32_t x, std::int32_t y) const
{
    return Heads.Find(x, y);
}

int TPlateList::IndexedLandPlateAt(std::int32_t x, std::int32_t y) const
{
    for (int at = Heads.Find(x, y); at >= 0; at = NextAtPosition[static_cast<std::size_t>(at)])
        if (IsLandPlate[static_cast<std::size_t>(at)])
            return at;
    return -1;
}

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
    const bool land = IsLandPlate[static_cast<std::size_t>(i)] != 0;
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

} // namespace vornia

#include "reference_lookup.h"

namespace vornia::reference {

namespace {
bool IsSort(const TResourcePlate& p, TPlateSort sort)
{
    switch (sort) {
    case TPlateSort::Land: return IsLand(p);
    case TPlateSort::Water: return IsWater(p);
    case TPlateSort::Harbour: return IsHarbour(p);
    }
    return false;
}
} // namespace

int PlateAt(const TPlateList& plates, std::int32_t x, std::int32_t y)
{
    for (int i = 0; i < plates.Count(); ++i) {
        const TResourcePlate& p = plates[i];
        if (p.Placed && p.X == x && p.Y == y)
            return i;
    }
    return -1;
}

int LandPlateAt(const TPlateList& plates, std::int32_t x, std::int32_t y)
{
    for (int i = 0; i < plates.Count(); ++i) {
        const TResourcePlate& p = plates[i];
        if (p.Placed && p.X == x && p.Y == y && IsLand(p))
            return i;
    }
    return -1;
}

int FirstPlaced(const TPlateList& plates)
{
    for (int i = 0; i < plates.Count(); ++i)
        if (plates[i].Placed)
            return i;
    return -1;
}

int FirstUnplaced(const TPlateList& plates, TPlateSort sort)
{
    for (int i = 0; i < plates.Count(); ++i)
        if (!plates[i].Placed && IsSort(plates[i], sort))
            return i;
    return -1;
}

int PlacedCount(const TPlateList& plates)
{
    int count = 0;
    for (const auto& e : plates.All())
        count += e.Plate.Placed ? 1 : 0;
    return count;
}

int PlacedPlainWaterCount(const TPlateList& plates)
{
    int count = 0;
    for (const auto& e : plates.All())
        count += (e.Plate.Placed && IsPlainWater(e.Plate)) ? 1 : 0;
    return count;
}

} // namespace vornia::reference

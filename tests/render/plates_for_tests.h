// Plates made the way the board makes them, for the drawing tests.
#pragma once

#include <string>

#include "board/plate.h"
#include "board/plate_list.h"

namespace vornia::testing {

inline TResourcePlate PlacedPlate(const std::string& kind, int x, int y)
{
    TResourcePlate p;
    p.Kind = kind;
    SetPlateColors(p);
    p.Placed = true;
    p.X = x;
    p.Y = y;
    return p;
}

inline TResourcePlate Land(const std::string& kind, const std::string& number, int x, int y)
{
    TResourcePlate p = PlacedPlate(kind, x, y);
    p.Number = number;
    return p;
}

inline TResourcePlate Harbour(const std::string& resource, const std::string& ratio, TBorderType side, int x, int y)
{
    TResourcePlate p = PlacedPlate("Water", x, y);
    p.TradeResource = resource;
    p.TradeRatio = ratio;
    p.Border = side;
    return p;
}

inline TResourcePlate PlainWater(int x, int y) { return PlacedPlate("Water", x, y); }

inline int AddPlate(TPlateList& list, const TResourcePlate& p) { return list.Add(p.Kind, p); }

} // namespace vornia::testing

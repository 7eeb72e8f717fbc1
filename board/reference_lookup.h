// The literal scans of a plate list in list order: what the position and
// plate queries are defined to answer. The list's index must agree with them;
// a board panel made with TLookupMode::LiteralScan answers through them, so
// that tests and benchmarks can set whole generations side by side.
#pragma once

#include <cstdint>

#include "plate_list.h"

namespace vornia {

// How the position queries find plates: through the index of the plate list,
// or by the literal scan of the list that defines their results.
enum class TLookupMode { Indexed, LiteralScan };

namespace reference {

int PlateAt(const TPlateList& plates, std::int32_t x, std::int32_t y);
int LandPlateAt(const TPlateList& plates, std::int32_t x, std::int32_t y);
int FirstPlaced(const TPlateList& plates);
int FirstUnplaced(const TPlateList& plates, TPlateSort sort);
int PlacedCount(const TPlateList& plates);
int PlacedPlainWaterCount(const TPlateList& plates);

} // namespace reference

} // namespace vornia

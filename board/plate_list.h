// An ordered list of plates that owns them, with an index of the placed
// plates by position. List order is meaningful: dealing, layout, drawing and
// file order, and every search returns the first match in it.
//
// X, Y and Placed of a plate in a list change only through Place, Unplace,
// UnplaceAll, SwapPositions and MoveAll, or through direct edits followed by
// Reindex: that keeps the index equal to what a scan of the list would find.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "plate.h"
#include "position_chains.h"

namespace vornia {

struct TPlateEntry {
    std::string Text; // the plate's Kind when it was added
    TResourcePlate Plate;
};

enum class TPlateSort { Land, Water, Harbour };

class TPlateList {
public:
    TPlateList() = default;
    TPlateList(const TPlateList&) = delete;
    TPlateList& operator=(const TPlateList&) = delete;

    int Count() const { return static_cast<int>(Entries.size()); }
    bool Empty() const { return Entries.empty(); }
    const std::string& Text(int i) const { return Entries[static_cast<std::size_t>(i)].Text; }
    TResourcePlate& operator[](int i) { return Entries[static_cast<std::size_t>(i)].Plate; }
    const TResourcePlate& operator[](int i) const { return Entries[static_cast<std::size_t>(i)].Plate; }
    const std::vector<TPlateEntry>& All() const { return Entries; }

    // The plate's Kind is not "Water" (as it was when added or last reindexed).
    bool IsLandPlate(int i) const { return LandFlags[static_cast<std::size_t>(i)] != 0; }

    void Reserve(int n) { Entries.reserve(static_cast<std::size_t>(n)); }
    // Appends (text, plate); a plate that arrives placed is indexed at once.
    int Add(std::string text, TResourcePlate plate);

    void Place(int i, std::int32_t x, std::int32_t y);
    void Unplace(int i);
    void UnplaceAll();
    // Exchanges the positions (X and Y) of two placed plates.
    void SwapPositions(int i, int j);
    // Adds (dx, dy) to the position of every plate, placed or not (wrapping).
    void MoveAll(std::int64_t dx, std::int64_t dy);
    // Rebuilds the index after direct edits of X, Y or Placed.
    void Reindex();

    // Index answers, equal to a scan in list order over the placed plates.
    int IndexedPlateAt(std::int32_t x, std::int32_t y) const;
    int IndexedLandPlateAt(std::int32_t x, std::int32_t y) const;
    int FirstPlaced() const;
    int FirstUnplaced(TPlateSort sort) const;
    int PlacedCount() const { return Placed; }
    int PlacedPlainWaterCount() const { return PlacedPlainWaters; }

private:
    // The index as for a list with nothing placed.
    void ClearIndex();
    void Link(int i);
    void Unlink(int i);
    bool Matches(int i, TPlateSort sort) const;

    std::vector<TPlateEntry> Entries;
    std::vector<std::uint8_t> LandFlags;
    TPositionChains AllPlaced;  // every placed plate
    TPositionChains PlacedLand; // the placed land plates alone
    int Placed = 0;
    int PlacedPlainWaters = 0;
    // Every plate of the sort before the hint is placed; the queries move it on.
    mutable int UnplacedHint[3] = {0, 0, 0};
};

// The box around the positions (north-west vertices) of the placed plates.
struct TPlacedBounds {
    std::int32_t MinX, MinY, MaxX, MaxY;
};
// Nothing when no plate is placed.
std::optional<TPlacedBounds> PlacedBounds(const TPlateList& plates);

} // namespace vornia

// Plates by position: for every occupied position the plates that stand
// there, in list order, as a chain through per-plate links. The first plate
// of a chain is found through the hash index; the chain's last plate is kept
// too, so that appending in list order costs O(1).
#pragma once

#include <cstdint>
#include <vector>

#include "position_index.h"

namespace vornia {

class TPositionChains {
public:
    void Resize(int plates);
    void Clear();
    // Adds plate i (at x, y) to the chain of that position, in list order.
    void Link(int i, std::int32_t x, std::int32_t y);
    // Removes plate i, which stands at (x, y), from its chain.
    void Unlink(int i, std::int32_t x, std::int32_t y);
    // The first plate at (x, y) in list order, or -1.
    int First(std::int32_t x, std::int32_t y) const { return Heads.Find(x, y); }

private:
    TPositionIndex Heads;
    std::vector<int> Next; // the next plate at the same position (-1 ends)
    std::vector<int> Tail; // for the first plate of a chain: its last plate
};

} // namespace vornia

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
    int First(std::int32_t x, std::int32_t y) const { return Heads.Find(KeyX(x), KeyY(y)); }
    // Every linked plate moved by (dx, dy): the chains stay, only the origin moves.
    void Translate(std::int64_t dx, std::int64_t dy);

private:
    // Positions are kept relative to the origin, so that moving the whole
    // board costs nothing here. Like the positions, they wrap modulo 2^32.
    std::int32_t KeyX(std::int32_t x) const { return static_cast<std::int32_t>(static_cast<std::uint32_t>(x) - OriginX); }
    std::int32_t KeyY(std::int32_t y) const { return static_cast<std::int32_t>(static_cast<std::uint32_t>(y) - OriginY); }

    std::uint32_t OriginX = 0;
    std::uint32_t OriginY = 0;
    TPositionIndex Heads;
    std::vector<int> Next; // the next plate at the same position (-1 ends)
    std::vector<int> Tail; // for the first plate of a chain: its last plate
};

} // namespace vornia

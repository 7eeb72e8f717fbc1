// Picks and removes the r-th remaining element of a sequence in O(log n),
// as deleting entry r from a list and closing the gap would, without moving
// the rest.
#pragma once

#include <vector>

namespace vornia {

class TOrderedPicker {
public:
    explicit TOrderedPicker(int count);
    int Remaining() const { return Left; }
    // The original position of the r-th remaining element (0-based); removes it.
    int Take(int r);

private:
    std::vector<int> Tree; // Fenwick tree of presence counts, 1-based
    int Left;
    int TopBit = 1;
};

} // namespace vornia

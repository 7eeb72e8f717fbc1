#include "ordered_picker.h"

namespace vornia {

TOrderedPicker::TOrderedPicker(int count) : Tree(static_cast<std::size_t>(count) + 1, 0), Left(count)
{
    for (int i = 1; i <= count; ++i) {
        Tree[static_cast<std::size_t>(i)] += 1;
        const int parent = i + (i & -i);
        if (parent <= count)
            Tree[static_cast<std::size_t>(parent)] += Tree[static_cast<std::size_t>(i)];
    }
    while (TopBit * 2 <= count)
        TopBit *= 2;
}

int TOrderedPicker::Take(int r)
{
    // Descend to the largest position whose prefix count is <= r.
    int position = 0;
    int rest = r;
    const int size = static_cast<int>(Tree.size()) - 1;
    for (int step = TopBit; step > 0; step /= 2) {
        const int next = position + step;
        if (next <= size && Tree[static_cast<std::size_t>(next)] <= rest) {
            position = next;
            rest -= Tree[static_cast<std::size_t>(next)];
        }
    }
    for (int i = position + 1; i <= size; i += i & -i)
        Tree[static_cast<std::size_t>(i)] -= 1;
    --Left;
    return position; // 0-based: element position + 1 in the tree
}

} // namespace vornia

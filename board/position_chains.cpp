#include "position_chains.h"

#include <algorithm>

namespace vornia {

namespace {
constexpr std::size_t At(int k) { return static_cast<std::size_t>(k); }
} // namespace

void TPositionChains::Resize(int plates)
{
    Next.resize(At(plates), -1);
    Tail.resize(At(plates), -1);
}

void TPositionChains::Translate(std::int64_t dx, std::int64_t dy)
{
    OriginX += static_cast<std::uint32_t>(static_cast<std::uint64_t>(dx));
    OriginY += static_cast<std::uint32_t>(static_cast<std::uint64_t>(dy));
}

void TPositionChains::Clear()
{
    Heads.Clear();
    std::fill(Next.begin(), Next.end(), -1);
}

void TPositionChains::Link(int i, std::int32_t px, std::int32_t py)
{
    const std::int32_t x = KeyX(px), y = KeyY(py);
    const int head = Heads.Find(x, y);
    if (head < 0) {
        Next[At(i)] = -1;
        Tail[At(i)] = i;
        Heads.Set(x, y, i);
    } else if (i < head) {
        Next[At(i)] = head;
        Tail[At(i)] = Tail[At(head)];
        Heads.Set(x, y, i);
    } else if (i > Tail[At(head)]) {
        Next[At(i)] = -1;
        Next[At(Tail[At(head)])] = i;
        Tail[At(head)] = i;
    } else {
        int k = head;
        while (Next[At(k)] < i)
            k = Next[At(k)];
        Next[At(i)] = Next[At(k)];
        Next[At(k)] = i;
    }
}

void TPositionChains::Unlink(int i, std::int32_t px, std::int32_t py)
{
    const std::int32_t x = KeyX(px), y = KeyY(py);
    const int head = Heads.Find(x, y);
    if (head == i) {
        const int rest = Next[At(i)];
        if (rest < 0) {
            Heads.Erase(x, y);
        } else {
            Tail[At(rest)] = Tail[At(i)];
            Heads.Set(x, y, rest);
        }
    } else if (head >= 0) {
        int k = head;
        while (k >= 0 && Next[At(k)] != i)
            k = Next[At(k)];
        if (k >= 0) {
            Next[At(k)] = Next[At(i)];
            if (Tail[At(head)] == i)
                Tail[At(head)] = k;
        }
    }
    Next[At(i)] = -1;
}

} // namespace vornia

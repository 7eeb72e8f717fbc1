// An open-addressing hash map from a board position to a plate index.
#pragma once

#include <cstdint>
#include <vector>

namespace vornia {

class TPositionIndex {
public:
    // The value stored at (x, y), or -1.
    int Find(std::int32_t x, std::int32_t y) const;
    // Stores value at (x, y), replacing what was there.
    void Set(std::int32_t x, std::int32_t y, int value);
    void Erase(std::int32_t x, std::int32_t y);
    void Clear();
    int Size() const { return Used; }

private:
    struct TSlot {
        std::uint64_t Key;
        int Value; // -1: empty slot
    };
    static std::uint64_t KeyOf(std::int32_t x, std::int32_t y)
    {
        return (std::uint64_t{static_cast<std::uint32_t>(x)} << 32) | static_cast<std::uint32_t>(y);
    }
    std::size_t SlotOf(std::uint64_t key) const;
    void Grow();

    std::vector<TSlot> Slots;
    int Used = 0;
};

} // namespace vornia

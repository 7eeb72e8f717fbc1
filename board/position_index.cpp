#include "position_index.h"

#include <random>

namespace vornia {

namespace {
constexpr std::size_t MinSlots = 64;

// Chosen once per process. Without it the mix is known, and a board file
// could list positions that all fall into one run of the table: reading a
// million of them would take hours.
std::uint64_t Salt()
{
    static const std::uint64_t salt = [] {
        std::random_device device;
        return (std::uint64_t{device()} << 32) ^ device();
    }();
    return salt;
}

// A 64-bit mix, so that neighbouring lattice positions spread over the table.
std::uint64_t Mix(std::uint64_t k)
{
    k ^= Salt();
    k ^= k >> 33;
    k *= 0xff51afd7ed558ccdULL;
    k ^= k >> 33;
    k *= 0xc4ceb9fe1a85ec53ULL;
    k ^= k >> 33;
    return k;
}
} // namespace

std::size_t TPositionIndex::SlotOf(std::uint64_t key) const
{
    const std::size_t mask = Slots.size() - 1;
    std::size_t slot = static_cast<std::size_t>(Mix(key)) & mask;
    while (Slots[slot].Value >= 0 && Slots[slot].Key != key)
        slot = (slot + 1) & mask;
    return slot;
}

int TPositionIndex::Find(std::int32_t x, std::int32_t y) const
{
    if (Used == 0)
        return -1;
    return Slots[SlotOf(KeyOf(x, y))].Value;
}

void TPositionIndex::Set(std::int32_t x, std::int32_t y, int value)
{
    if (Slots.empty() || static_cast<std::size_t>(Used + 1) * 2 > Slots.size())
        Grow();
    const std::uint64_t key = KeyOf(x, y);
    TSlot& slot = Slots[SlotOf(key)];
    if (slot.Value < 0)
        ++Used;
    slot.Key = key;
    slot.Value = value;
}

void TPositionIndex::Erase(std::int32_t x, std::int32_t y)
{
    if (Used == 0)
        return;
    const std::size_t mask = Slots.size() - 1;
    std::size_t hole = SlotOf(KeyOf(x, y));
    if (Slots[hole].Value < 0)
        return;
    Slots[hole].Value = -1;
    --Used;
    // Backward-shift deletion: move later members of the probe run into the hole.
    for (std::size_t next = (hole + 1) & mask; Slots[next].Value >= 0; next = (next + 1) & mask) {
        const std::size_t home = static_cast<std::size_t>(Mix(Slots[next].Key)) & mask;
        const bool between = (hole <= next) ? (hole < home && home <= next) : (hole < home || home <= next);
        if (!between) {
            Slots[hole] = Slots[next];
            Slots[next].Value = -1;
            hole = next;
        }
    }
}

void TPositionIndex::Clear()
{
    if (Used == 0)
        return;
    for (auto& slot : Slots)
        slot.Value = -1;
    Used = 0;
}

void TPositionIndex::Grow()
{
    std::vector<TSlot> old;
    old.swap(Slots);
    Slots.assign(old.empty() ? MinSlots : old.size() * 2, TSlot{0, -1});
    Used = 0;
    for (const auto& slot : old)
        if (slot.Value >= 0) {
            Slots[SlotOf(slot.Key)] = slot;
            ++Used;
        }
}

} // namespace vornia

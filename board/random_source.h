// The pseudo-random generator of board generation: a 32-bit linear
// congruential step, reseeded from the UTC time of day in milliseconds. Each
// caller owns one, so that boards can be made side by side.
#pragma once

#include <cstdint>
#include <functional>

namespace vornia {

class TRandomSource {
public:
    using TClock = std::function<std::uint32_t()>; // milliseconds since midnight UTC

    // seed := the clock's milliseconds of the day.
    void Reseed();
    // A whole number from 0 to n-1 (0 when n <= 0).
    int Next(int n);

    std::uint32_t Seed() const { return State; }
    void SetSeed(std::uint32_t seed) { State = seed; }
    // The program reads the real clock; tests and --seed N read a fixed N.
    void SetClock(TClock clock) { Clock = std::move(clock); }
    void UseSystemClock();
    void UseFixedClock(std::uint32_t milliseconds);

    static std::uint32_t SystemTimeOfDayMs();

private:
    std::uint32_t State = 0;
    TClock Clock;
};

} // namespace vornia

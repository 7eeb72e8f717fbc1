#include "random_source.h"

#include <chrono>

namespace vornia {

std::uint32_t TRandomSource::SystemTimeOfDayMs()
{
    using namespace std::chrono;
    const auto ms = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    return static_cast<std::uint32_t>(ms % (24LL * 60 * 60 * 1000));
}

void TRandomSource::Reseed() { State = Clock ? Clock() : SystemTimeOfDayMs(); }

int TRandomSource::Next(int n)
{
    State = State * 134775813u + 1u;
    if (n <= 0)
        return 0;
    return static_cast<int>((std::uint64_t{State} * static_cast<std::uint32_t>(n)) >> 32);
}

void TRandomSource::UseSystemClock() { Clock = nullptr; }

void TRandomSource::UseFixedClock(std::uint32_t milliseconds)
{
    Clock = [milliseconds] { return milliseconds; };
}

} // namespace vornia

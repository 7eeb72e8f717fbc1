// Time limits of the hostile-input tests. They guard against hangs and
// quadratic work; they are no benchmarks, and the sanitizer build gets more.
#pragma once

namespace vornia::hostile {

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_UNDEFINED__)
inline constexpr double SlowBuildFactor = 4;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr double SlowBuildFactor = 4;
#else
inline constexpr double SlowBuildFactor = 1;
#endif
#else
inline constexpr double SlowBuildFactor = 1;
#endif

// "Within a few seconds".
inline constexpr double FewSeconds = 5 * SlowBuildFactor;
// Work that must not grow faster than the input: far more than it takes,
// far less than a quadratic algorithm would.
inline constexpr double HangGuardSeconds = 10 * SlowBuildFactor;

} // namespace vornia::hostile

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
// even on a busy machine (a million-line board takes about 5 s there), and
// far less than the hours a quadratic algorithm would.
inline constexpr double HangGuardSeconds = 60 * SlowBuildFactor;

} // namespace vornia::hostile

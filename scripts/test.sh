#!/usr/bin/env bash
# Builds everything and runs every test: the plain build, the same suite
# under AddressSanitizer and UndefinedBehaviorSanitizer, and a short run of
# each fuzz target.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
"$root/scripts/deps.sh"

echo "== plain build"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON
cmake --build "$root/build" -j"$jobs"
(cd "$root/build" && ctest --output-on-failure -j"$jobs" --timeout 300)

if [[ "${VORNIA_SKIP_SANITIZERS:-0}" != 1 ]]; then
  echo "== sanitizer build"
  # The kill loops test the atomic rename, which the sanitizers cannot see
  # into; they only make them slower.
  sanitizer_skip='^InterruptedWrites\.'

  cmake -S "$root" -B "$root/build-asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DVORNIA_SANITIZE=ON
  cmake --build "$root/build-asan" -j"$jobs"
  (cd "$root/build-asan" &&
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      LSAN_OPTIONS=suppressions="$root/tests/lsan.supp" \
      ctest --output-on-failure -j"$jobs" --timeout 600 -E "$sanitizer_skip")
fi

if [[ -x "$root/tests/fuzz/run.sh" && "${VORNIA_SKIP_FUZZ:-0}" != 1 ]]; then
  echo "== fuzz smoke"
  "$root/tests/fuzz/run.sh" "${VORNIA_FUZZ_SECONDS:-20}"
fi

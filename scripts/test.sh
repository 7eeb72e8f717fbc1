#!/usr/bin/env bash
# Builds everything and runs every test: the formatting of the changed lines,
# the plain build, the Debian package made from it and installed, the same
# suite under AddressSanitizer and UndefinedBehaviorSanitizer, and a short
# run of each fuzz target.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
"$root/scripts/deps.sh"
log=$(mktemp)
trap 'rm -f "$log"' EXIT

echo "== format of the changed lines"
"$root/scripts/check-format.sh"

echo "== plain build"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON
cmake --build "$root/build" -j"$jobs"
(cd "$root/build" && ctest --output-on-failure -j"$jobs" --timeout 300) | tee -a "$log"

if [[ "${VORNIA_SKIP_PACKAGE:-0}" != 1 ]]; then
  echo "== Debian package"
  "$root/scripts/package.sh" "$root/build"
  deb=$(ls "$root"/build/vornia-generator_*.deb)
  echo "$(basename "$deb"): $(stat -c %s "$deb") bytes, Depends: $(dpkg-deb -f "$deb" Depends)"
  lintian --fail-on error "$deb"
  # Installs into this machine's /usr and removes it again; skipped (77)
  # unless root.
  "$root/tests/packaging/install_deb.sh" "$deb" || [[ $? == 77 ]]
fi

if [[ "${VORNIA_SKIP_WEB:-0}" != 1 ]]; then
  echo "== web edition"
  "$root/scripts/web.sh"
  "$root/tests/web/run.sh" | tee -a "$log"
fi

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
      ctest --output-on-failure -j"$jobs" --timeout 600 -E "$sanitizer_skip") | tee -a "$log"
fi

if [[ -x "$root/tests/fuzz/run.sh" && "${VORNIA_SKIP_FUZZ:-0}" != 1 ]]; then
  echo "== fuzz smoke"
  "$root/tests/fuzz/run.sh" "${VORNIA_FUZZ_SECONDS:-20}"
fi

# One closing line over both test runs.
passed=$(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\).*/\1/p' "$log" | awk '{ s += $1 } END { print s + 0 }')
echo "tests: ${passed:-0} passed, 0 failed"

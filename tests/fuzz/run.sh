#!/usr/bin/env bash
# Builds the fuzz targets and runs each for the given number of seconds on a
# copy of its seed corpus; fails when any target finds a crash, a hang, a
# leak or a broken invariant.
#
#   tests/fuzz/run.sh SECONDS [TARGET...]
#
# VORNIA_FUZZ_BUILD_DIR  where to build (default: build-fuzz in the source tree);
#                        a CMake build with VORNIA_FUZZ=ON and clang
# VORNIA_FUZZ_WORK_DIR   keep the grown corpora there between runs (default:
#                        a temporary copy, removed afterwards). The committed
#                        corpus in tests/fuzz/corpus is never written.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
seconds=${1:?usage: run.sh SECONDS [TARGET...]}
shift
targets=("$@")
((${#targets[@]})) || targets=(ini board_file settings cli_args fair)
out=${VORNIA_FUZZ_BUILD_DIR:-"$root/build-fuzz"}

cxx=${CXX_FUZZ:-clang++-14}
command -v "$cxx" >/dev/null || cxx=clang++
# Optimised a little, with line numbers for the reports.
cmake -S "$root" -B "$out" -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
  -DBUILD_TESTING=OFF -DVORNIA_FUZZ=ON >/dev/null
cmake --build "$out" -j"$(nproc)" --target "${targets[@]/#/fuzz_}"
out=$(cd "$out" && pwd)
mkdir -p "$out/artifacts"

if [[ -n "${VORNIA_FUZZ_WORK_DIR:-}" ]]; then
  work=$VORNIA_FUZZ_WORK_DIR
  mkdir -p "$work"
else
  work=$(mktemp -d "${TMPDIR:-/tmp}/vornia-fuzz.XXXXXX")
  trap 'rm -rf "$work"' EXIT
fi

# Longest input per target: a few hundred plates, a long settings file, a
# long command line, a board request (fair reads 32 bytes; more would only
# mutate bytes it never reads).
max_len() {
  case $1 in
    board_file) echo 16384 ;;
    ini) echo 4096 ;;
    settings) echo 8192 ;;
    cli_args) echo 2048 ;;
    fair) echo 32 ;;
  esac
}

failed=()
for t in "${targets[@]}"; do
  exe="$out/fuzz_$t"
  [[ -x "$exe" ]] || { echo "no fuzz target '$t'" >&2; exit 2; }
  corpus="$work/$t"
  mkdir -p "$corpus"
  cp -n "$here/corpus/$t"/* "$corpus"/ 2>/dev/null || true
  options=(-max_total_time="$seconds" -rss_limit_mb=2048 -max_len="$(max_len "$t")"
           -timeout=10 -print_final_stats=1 -artifact_prefix="$out/artifacts/$t-")
  [[ -f "$here/$t.dict" ]] && options+=(-dict="$here/$t.dict")
  log="$out/fuzz_$t.log"
  echo "== fuzz_$t for ${seconds} s"
  if ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1 \
       "$exe" "${options[@]}" "$corpus" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    echo "fuzz_$t: ${runs:-?} runs, no failure"
  else
    echo "fuzz_$t FAILED; the end of $log:"
    tail -40 "$log"
    failed+=("$t")
  fi
done

if ((${#failed[@]})); then
  echo "fuzz targets failed: ${failed[*]} (inputs in $out/artifacts)" >&2
  exit 1
fi

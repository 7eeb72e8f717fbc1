#!/usr/bin/env bash
# Builds the libFuzzer targets with AddressSanitizer and
# UndefinedBehaviorSanitizer from the plain sources they exercise (no Qt).
#
#   tests/fuzz/build.sh [OUTDIR]     (default: build-fuzz in the source tree)
#
# Each target becomes OUTDIR/fuzz_<name>; only what changed is rebuilt.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=${1:-"$root/build-fuzz"}
mkdir -p "$out/obj"
out=$(cd "$out" && pwd)

cxx=${CXX_FUZZ:-clang++-14}
command -v "$cxx" >/dev/null || cxx=clang++
flags=(-std=c++20 -O1 -g -fno-omit-frame-pointer -Wall -Wextra
       -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
       -I"$root")
link_flags=(-fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all)

# The plain code the targets reach: the board model, the file readers and
# writers, and the command-line parser.
sources=("$root"/board/*.cpp
         "$root"/files/ini_file.cpp "$root"/files/file_utils.cpp
         "$root"/files/board_file.cpp "$root"/files/settings.cpp
         "$root"/files/open_board.cpp
         "$root"/cli/cli_args.cpp)
targets=(ini board_file settings cli_args)

# object path for a source: folder_name.o
object_of() {
  local rel=${1#"$root"/}
  echo "$out/obj/${rel//\//_}.o"
}

# An object is stale when it or its dependency list is missing, or when
# the source or any header it included is newer.
stale() { # source object
  local deps=${2%.o}.d dep
  [[ -e "$2" && -e "$deps" ]] || return 0
  for dep in $(sed -e 's/\\$//' -e '1s/^[^:]*://' "$deps"); do
    [[ "$dep" -nt "$2" ]] && return 0
  done
  return 1
}

to_build=()
for src in "${sources[@]}"; do
  obj=$(object_of "$src")
  if stale "$src" "$obj"; then to_build+=("$src"); fi
done
for t in "${targets[@]}"; do
  src="$root/tests/fuzz/fuzz_$t.cpp"
  obj=$(object_of "$src")
  if stale "$src" "$obj"; then to_build+=("$src"); fi
done

if ((${#to_build[@]})); then
  echo "fuzz build: compiling ${#to_build[@]} file(s) with $cxx"
  failed=0
  for src in "${to_build[@]}"; do
    while (($(jobs -rp | wc -l) >= $(nproc))); do wait -n || failed=1; done
    obj=$(object_of "$src")
    "$cxx" "${flags[@]}" -MMD -MF "${obj%.o}.d" -c "$src" -o "$obj" &
  done
  while (($(jobs -rp | wc -l) > 0)); do wait -n || failed=1; done
  ((failed == 0)) || { echo "fuzz build: compilation failed" >&2; exit 1; }
fi

lib_objects=()
for src in "${sources[@]}"; do lib_objects+=("$(object_of "$src")"); done
for t in "${targets[@]}"; do
  exe="$out/fuzz_$t"
  obj=$(object_of "$root/tests/fuzz/fuzz_$t.cpp")
  relink=0
  [[ ! -e "$exe" ]] && relink=1
  for o in "$obj" "${lib_objects[@]}"; do [[ "$o" -nt "$exe" ]] && relink=1; done
  if ((relink)); then
    "$cxx" "${link_flags[@]}" "$obj" "${lib_objects[@]}" -o "$exe"
  fi
done
echo "fuzz build: targets in $out: ${targets[*]/#/fuzz_}"

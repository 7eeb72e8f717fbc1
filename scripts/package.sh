#!/usr/bin/env bash
# Builds the Debian package, vornia-generator_<version>-1_amd64.deb, in a
# build folder (build/ unless named) from what is built there already:
# configured with VORNIA_SYSTEM_INSTALL=ON, only the installed copy of
# vornia-generator (app/system/) is compiled anew, and cpack strips the
# programs as they go into the package. Prints the package's path last.
#   scripts/package.sh [BUILD_FOLDER]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build}")
"$root/scripts/deps.sh"

if [[ -f "$build/CMakeCache.txt" ]]; then
  cmake -S "$root" -B "$build" -DVORNIA_SYSTEM_INSTALL=ON >/dev/null
else
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DVORNIA_SYSTEM_INSTALL=ON >/dev/null
fi
cmake --build "$build" -j"$(nproc)"
rm -f "$build"/vornia-generator_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/vornia-generator_*.deb

#!/usr/bin/env bash
# Builds the program and starts it in the current folder (where it keeps
# VorniaGenerator.ini).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
cmake --build "$root/build" -j"$(nproc)" --target vornia-generator vornia-cli
exec "$root/build/app/vornia-generator"

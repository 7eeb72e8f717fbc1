#!/usr/bin/env bash
# Rewrites the golden boards in tests/data/golden/ from the current code: the
# expected NAME.out and NAME.mirl of every case in manifest.txt. Run it only
# after a deliberate change of boards, texts or pictures, then read the diff
# (git diff tests/data/golden) before committing it.
#   scripts/golden.sh [build folder, default build]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" -j2 --target test_golden_qt
# Cases dropped from the manifest leave no files behind.
rm -f tests/data/golden/*.out tests/data/golden/*.mirl
VORNIA_GOLDEN_WRITE=1 "$build/tests/golden/test_golden_qt" --gtest_brief=1
git status --short tests/data/golden

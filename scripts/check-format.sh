#!/usr/bin/env bash
# Checks the formatting of the C++ lines a change touches against
# .clang-format; lines nobody touched keep whatever layout they have.
#
#   scripts/check-format.sh [BASE]
#
# The change is the work since the merge base with BASE (default origin/main).
# Where there is no such ref, or the work is already on it (a fresh clone of
# main), the change is the last commit. A shallow clone whose last commit has
# no parent cannot tell what changed and skips the check.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

format_diff=$(command -v clang-format-diff-14 || command -v clang-format-diff || true)
if [[ -z "$format_diff" ]]; then
  echo "check-format: clang-format-diff-14 is missing (scripts/deps.sh installs it)" >&2
  exit 1
fi
if ! git rev-parse --git-dir >/dev/null 2>&1; then
  echo "check-format: not a git checkout; nothing to compare with, skipped"
  exit 0
fi

base_ref=${1:-origin/main}
base=
if git rev-parse --verify -q "$base_ref^{commit}" >/dev/null; then
  base=$(git merge-base HEAD "$base_ref" || true)
  [[ "$base" == "$(git rev-parse HEAD)" ]] && base=
fi
if [[ -z "$base" ]]; then
  if ! base=$(git rev-parse --verify -q 'HEAD^1^{commit}'); then
    echo "check-format: the last commit has no parent here; skipped"
    exit 0
  fi
  what="the last commit"
else
  what="the change since $(git rev-parse --short "$base")"
fi

# Only the lines added or changed, of C++ files still present.
patch=$(git diff -U0 --no-color --diff-filter=AMR "$base" -- '*.cpp' '*.h')
if [[ -z "$patch" ]]; then
  echo "check-format: no C++ lines changed in $what"
  exit 0
fi
fixes=$(printf '%s\n' "$patch" | "$format_diff" -p1 -style=file -binary "$(command -v clang-format-14 || command -v clang-format)")
if [[ -n "$fixes" ]]; then
  printf '%s\n' "$fixes"
  echo "check-format: the lines above of $what differ from .clang-format" >&2
  echo "check-format: fix them with: git diff -U0 $base | $format_diff -p1 -i" >&2
  exit 1
fi
echo "check-format: the C++ lines of $what follow .clang-format"

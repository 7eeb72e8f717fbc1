#!/usr/bin/env bash
# The catalogues in translations/: brought up to date with the program's
# texts, or (--check) checked to be up to date and complete.
#   scripts/translations.sh [--check] [LUPDATE LRELEASE]
# Texts are read from the plain layers (marked with VORNIA_TR_NOOP), the Qt
# shell (tr, QT_TRANSLATE_NOOP) and the web page's texts declared in web/
# (its JavaScript is not read: C++ sources only).
set -euo pipefail

check=0
if [[ "${1:-}" == --check ]]; then
  check=1
  shift
fi
lupdate=${1:-/usr/lib/qt6/bin/lupdate}
lrelease=${2:-/usr/lib/qt6/bin/lrelease}
root=$(cd "$(dirname "$0")/.." && pwd)
# Every catalogue present, one a language: adding translations/vornia_xx.ts
# adds the language (its name in itself is its translation of "English" in
# the context Language).
catalogues=()
for ts in "$root"/translations/vornia_*.ts; do
  [[ -e "$ts" ]] && catalogues+=("$(basename "$ts")")
done

update() { # folder holding the catalogues to update
  (cd "$root" && "$lupdate" -silent -no-obsolete -locations none -extensions cpp,h \
    -tr-function-alias QT_TRANSLATE_NOOP+=VORNIA_TR_NOOP \
    board files app options ui render net web \
    -ts "${catalogues[@]/#/$1/}")
}

if ((!check)); then
  update "$root/translations"
  exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "${catalogues[@]/#/$root/translations/}" "$work/"
update "$work"
status=0
for ts in "${catalogues[@]}"; do
  if ! cmp -s "$root/translations/$ts" "$work/$ts"; then
    echo "translations/$ts is not up to date with the program's texts (run scripts/translations.sh):"
    diff -u "$root/translations/$ts" "$work/$ts" | head -40 || true
    status=1
  fi
  report=$("$lrelease" "$work/$ts" -qm "$work/${ts%.ts}.qm" 2>&1)
  echo "$ts: $report"
  if ! grep -q ' 0 unfinished' <<<"$report" || grep -q 'untranslated' <<<"$report"; then
    echo "translations/$ts has texts without a translation"
    status=1
  fi
done
exit $status

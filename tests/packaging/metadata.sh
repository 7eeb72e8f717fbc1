#!/bin/sh
# What software centres, menus and man read about the programs: the AppStream
# entry and the desktop entry pass their validators, and the manual page of
# vornia-cli names exactly the options that its --help names, so that
# neither falls behind the other; the licence is MIT wherever it is named;
# the About dialog's history and the entry's releases list the same versions
# with the same dates.
#
# Usage: metadata.sh METAINFO.xml DESKTOP_ENTRY VORNIA_CLI MANUAL_PAGE COPYRIGHT LICENSE
#                    ABOUT_TEXT.cpp VERSION
# Exit 0 on success, 77 (skipped) when a validator is missing.
set -eu

metainfo=$1 entry=$2 cli=$3 page=$4 copyright=$5 licence=$6 about=$7 version=$8
for tool in appstreamcli desktop-file-validate; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "skipped: $tool is not installed"
        exit 77
    fi
done
fail() {
    echo "FAILED: $*"
    exit 1
}

appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate $metainfo"
desktop-file-validate "$entry" || fail "desktop-file-validate $entry"

# The licence: the entry's own and the program's, the package's copyright
# file in the machine-readable format, and the LICENSE file it quotes.
grep -q '<metadata_license>CC0-1.0</metadata_license>' "$metainfo" || fail "$metainfo: metadata_license is not CC0-1.0"
grep -q '<project_license>MIT</project_license>' "$metainfo" || fail "$metainfo: project_license is not MIT"
head -1 "$copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' ||
    fail "$copyright is not in the machine-readable format"
sed -n '/^Files: \*$/,/^$/p' "$copyright" | grep -qx 'License: MIT' || fail "$copyright: Files: * is not under License: MIT"
holder=$(sed -n 's/^Copyright: //p' "$copyright" | head -1)
grep -qx "Copyright (c) $holder" "$licence" || fail "$licence does not name the holder of $copyright ($holder)"
# The licence text of the copyright file is LICENSE's, line for line.
sed -n '/^Permission is hereby granted/,$p' "$licence" | sed 's/^$/./' >"${TMPDIR:-/tmp}/vornia-licence.$$"
sed -n '/^License: MIT$/,/^$/p' "$copyright" | sed '1d;/^$/d;s/^ //' |
    cmp -s - "${TMPDIR:-/tmp}/vornia-licence.$$" || { rm -f "${TMPDIR:-/tmp}/vornia-licence.$$"; fail "the licence text of $copyright is not that of $licence"; }
rm -f "${TMPDIR:-/tmp}/vornia-licence.$$"

# The releases, newest first, as "VERSION DATE" lines: the History tab's
# version lines ("version %1   (October 8, 2007)", %1 being this release)
# and the entry's release elements.
history=$(sed -n 's/.*"version \([^ ]*\)   (\([A-Z][a-z]* [0-9]*, [0-9]*\))".*/\1|\2/p' "$about" |
    sed "s/^%1|/$version|/" | while IFS='|' read -r v d; do echo "$v $(date -d "$d" +%F)"; done)
releases=$(sed -n 's/.*<release version="\([^"]*\)" date="\([^"]*\)".*/\1 \2/p' "$metainfo")
[ -n "$history" ] || fail "no version lines found in $about"
[ "$history" = "$releases" ] ||
    fail "the About dialog's history ($(echo $history)) and the releases of $metainfo ($(echo $releases)) differ"

# The long options of each, one a line; troff writes a dash as \-, and the
# page also documents --help, which the usage does not list.
work=$(mktemp -d "${TMPDIR:-/tmp}/vornia-metadata-XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM
options() { grep -o -- '--[a-z][a-z-]*' | grep -vx -- --help | sort -u; }
"$cli" --help | options >"$work/help"
sed 's/\\-/-/g' "$page" | options >"$work/page"
diff "$work/help" "$work/page" >"$work/diff" ||
    fail "the options of vornia-cli --help (<) and of $page (>) differ: $(grep '^[<>]' "$work/diff" | tr '\n' ' ')"
echo "ok"

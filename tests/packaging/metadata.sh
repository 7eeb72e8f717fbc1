#!/bin/sh
# What software centres, menus and man read about the programs: the AppStream
# entry and the desktop entry pass their validators, and the manual page of
# vornia-cli names exactly the options that its --help names, so that
# neither falls behind the other.
#
# Usage: metadata.sh METAINFO.xml DESKTOP_ENTRY VORNIA_CLI MANUAL_PAGE
# Exit 0 on success, 77 (skipped) when a validator is missing.
set -eu

metainfo=$1 entry=$2 cli=$3 page=$4
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

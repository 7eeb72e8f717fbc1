#!/bin/sh
# After an install into a private prefix, the desktop knows a board file by
# its name and offers the program for it.
#
# Usage: install_mime.sh BUILD_DIR
# Exit 0 on success, 77 (skipped) when xdg-mime or update-mime-database is missing.
set -eu

build=$(realpath "$1")
for tool in xdg-mime update-mime-database; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "skipped: $tool is not installed"
        exit 77
    fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/vornia-install-XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM
fail() {
    echo "FAILED: $*"
    exit 1
}

cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" 2>&1 || {
    cat "$work/install.log"
    fail "cmake --install"
}
share="$work/prefix/share"
[ -f "$share/mime/packages/vornia-generator.xml" ] || fail "no type definition installed"
[ -f "$share/mime/globs2" ] || fail "the install did not rebuild the type database"
update-mime-database "$share/mime"

printf '[settings]\r\nplateCount=0\r\n' >"$work/board.mirl"
printf '[settings]\r\nplateCount=0\r\n' >"$work/UPPER.MIRL"
# Nothing but the prefix (and the system's own types) is looked at.
export XDG_DATA_DIRS="$share:/usr/share" XDG_DATA_HOME="$work/home-data" XDG_CURRENT_DESKTOP=
for file in board.mirl UPPER.MIRL; do
    type=$(xdg-mime query filetype "$work/$file")
    [ "$type" = "application/x-vornia-board" ] || fail "$file is $type"
done

entry="$share/applications/vornia-generator.desktop"
grep -qx 'MimeType=application/x-vornia-board;' "$entry" || fail "the desktop entry names no board type"
grep -qx 'Exec=vornia-generator --from-desktop-entry %f' "$entry" || fail "the desktop entry does not pass the file"
if command -v desktop-file-validate >/dev/null 2>&1; then
    desktop-file-validate "$entry" || fail "the desktop entry is not valid"
fi
echo "ok"

#!/bin/sh
# The Debian package on this machine, as a player gets it: installed with
# apt-get, vornia-cli run from /usr/bin, the window started from /usr/bin on a
# private Xvfb display in an empty folder (its settings must go to
# $XDG_CONFIG_HOME/vornia-generator and nothing into that folder), board
# files offered to its desktop entry, and apt-get remove taking every file of
# it out of /usr again.
#
# It changes the real /usr: scripts/test.sh runs it, ctest does not.
#
# Usage: install_deb.sh PACKAGE.deb
# Exit 0 on success, 77 (skipped) when not root or a tool is missing.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
fail() {
    echo "FAILED: $*" >&2
    [ -f "$work/program.log" ] && sed 's/^/  program: /' "$work/program.log" >&2
    exit 1
}
# Polls a command for up to $1 tenths of a second.
retry() {
    tries=$1
    shift
    until "$@" >/dev/null 2>&1; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.1
    done
}

# The window part, on the display that with_xvfb.sh has started.
if [ "${1:-}" = --window ]; then
    work=$2
    cd "$work/run"
    HOME="$work/home" XDG_CONFIG_HOME="$work/config" /usr/bin/vornia-generator >"$work/program.log" 2>&1 &
    pid=$!
    shown=0
    retry 150 sh -c "xdotool search --onlyvisible --name '^Hexlanders Of Vornia Board Generator' | grep -q ." &&
        shown=1
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    [ "$shown" = 1 ] || fail "no window of /usr/bin/vornia-generator showed"
    exit 0
fi

deb=$(realpath "$1")
if [ "$(id -u)" != 0 ]; then
    echo "skipped: installing a package needs root"
    exit 77
fi
for tool in apt-get dpkg Xvfb xdotool xdg-mime; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "skipped: $tool is not installed"
        exit 77
    fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/vornia-deb-XXXXXX")
chmod 755 "$work" # apt reads the package as its own user
installed=0
cleanup() {
    # A failed run leaves nothing installed either.
    [ "$installed" = 0 ] || apt_get remove vornia-generator >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT INT TERM
# Unattended, waiting for another apt to finish, and without the flushes to
# disk that only matter for a machine that may lose power.
export DEBIAN_FRONTEND=noninteractive PKGSYSTEM_ENABLE_FSYNC=0
apt_get() { apt-get -y -o DPkg::Lock::Timeout=120 -o Dpkg::Options::=--force-unsafe-io "$@"; }
cp "$deb" "$work/"
installed=1
(cd "$work" && apt_get install "./$(basename "$deb")") >"$work/apt.log" 2>&1 ||
    fail "apt-get install: $(cat "$work/apt.log")"
dpkg -L vornia-generator >"$work/files"

mkdir "$work/home" "$work/config" "$work/run"
cd "$work/run"
/usr/bin/vornia-cli generate --seed 7 >"$work/cli.out" 2>&1 || fail "vornia-cli: $(cat "$work/cli.out")"
[ "$(head -n 1 "$work/cli.out")" = "[New traditional 1]" ] || fail "vornia-cli printed: $(cat "$work/cli.out")"

"$here/../app/with_xvfb.sh" "$here/install_deb.sh" --window "$work"
settings="$work/config/vornia-generator/VorniaGenerator.ini"
[ -f "$settings" ] || fail "no settings file in \$XDG_CONFIG_HOME/vornia-generator"
[ -z "$(ls -A "$work/run")" ] || fail "written into the folder it was started in: $(ls -A "$work/run")"

printf '[settings]\r\nplateCount=0\r\n' >"$work/board.mirl"
export XDG_CURRENT_DESKTOP= HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
type=$(xdg-mime query filetype "$work/board.mirl")
[ "$type" = application/x-vornia-board ] || fail "a board file is $type"
entry=$(xdg-mime query default application/x-vornia-board)
[ "$entry" = vornia-generator.desktop ] || fail "board files open with '$entry'"

apt_get remove vornia-generator >"$work/apt.log" 2>&1 ||
    fail "apt-get remove: $(cat "$work/apt.log")"
installed=0
# What is still there must be a folder that other packages share.
while read -r path; do
    if [ -e "$path" ] && ! { [ -d "$path" ] && dpkg -S "$path" >/dev/null 2>&1; }; then
        fail "left behind: $path"
    fi
done <"$work/files"
# Nor does the type database or the desktop's list of handlers remember it.
left=$(grep -rl 'x-vornia-board' /usr/share/mime /usr/share/applications 2>/dev/null || true)
[ -z "$left" ] || fail "the board type is still known in $left"
echo "ok"

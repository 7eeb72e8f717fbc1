#!/bin/sh
# End to end: the real program on its own Xvfb display, started in an empty
# folder. It answers the first-run question, presses F1, looks for the
# board's water blue on a screenshot, closes with F12 and checks the
# settings file the program wrote.
#
# Usage: e2e_xvfb.sh PATH/TO/vornia-generator
# Exit 0 on success, 77 (skipped) when Xvfb, xdotool or ImageMagick is missing.
set -eu

program=$(realpath "$1")
for tool in Xvfb xdotool import convert; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "skipped: $tool is not installed"
        exit 77
    fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/vornia-e2e-XXXXXX")
xvfb_pid=
program_pid=
cleanup() {
    if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then
        kill "$program_pid" 2>/dev/null || true
    fi
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

fail() {
    echo "FAILED: $*"
    [ -f "$work/program.log" ] && sed 's/^/  program: /' "$work/program.log"
    exit 1
}

# A display number nobody uses.
display=$((90 + $$ % 400))
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do
    display=$((display + 1))
done
# -noreset: without it the server resets whenever its last client leaves,
# and a program connecting at that moment is turned away.
Xvfb ":$display" -screen 0 1280x800x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"

# Polls a command for up to $1 tenths of a second.
retry() {
    tries=$1
    shift
    while [ "$tries" -gt 0 ]; do
        if "$@" >/dev/null 2>&1; then
            return 0
        fi
        sleep 0.1
        tries=$((tries - 1))
    done
    return 1
}
retry 100 xdotool getdisplaygeometry || fail "Xvfb did not start on $DISPLAY"

window_named() {
    xdotool search --onlyvisible --name "$1" | head -n 1
}
press() { # window pattern, keys...
    pattern=$1
    shift
    id=$(window_named "$pattern")
    [ -n "$id" ] || fail "no window named $pattern"
    xdotool windowfocus --sync "$id"
    xdotool key "$@"
}

# Under LeakSanitizer: the desktop bus library that the X11 platform loads
# keeps a buffer for the life of the process. Its rule is added to the
# suppressions already given.
supp="$work/lsan.supp"
echo "leak:libdbus-1.so" >"$supp"
given=$(printf '%s' "${LSAN_OPTIONS:-}" | sed -n 's/.*suppressions=\([^:]*\).*/\1/p')
if [ -n "$given" ] && [ -f "$given" ]; then
    cat "$given" >>"$supp"
fi
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$supp"

cd "$work"
mkdir run
cd run
"$program" >"$work/program.log" 2>&1 &
program_pid=$!

# The first-run question (its box is titled with the application's name): No.
retry 150 sh -c "xdotool search --onlyvisible --name '^Vornia Generator\$' | grep -q ." ||
    fail "the first-run question did not appear"
retry 100 sh -c "xdotool search --onlyvisible --name '^Hexlanders Of Vornia Board Generator' | grep -q ." ||
    fail "the main window did not appear"
press '^Vornia Generator$' Escape
retry 50 sh -c "! xdotool search --onlyvisible --name '^Vornia Generator\$' | grep -q ." ||
    fail "the first-run question did not close"

press '^Hexlanders Of Vornia Board Generator' F1
has_water() {
    import -window root "$work/screen.png" &&
        convert "$work/screen.png" -format '%c' histogram:info:- | grep -qi '#0000FF'
}
retry 100 has_water || fail "no water blue (0,0,255) on the screen after F1"
title=$(xdotool getwindowname "$(window_named '^Hexlanders Of Vornia Board Generator')")
case "$title" in
    *"[New traditional 1]"*) ;;
    *) fail "caption after F1 is '$title'" ;;
esac

press '^Hexlanders Of Vornia Board Generator' F12
retry 100 sh -c "! kill -0 $program_pid" || fail "F12 did not end the program"
wait "$program_pid" || fail "the program ended with status $?"
program_pid=

ini="$work/run/VorniaGenerator.ini"
[ -f "$ini" ] || fail "no VorniaGenerator.ini written"
for line in '[settings]' 'version=1.6' 'shape=traditional' 'customPieceCounts=0' 'blackAndWhite=0' \
    'zoomSize=100' 'massDensity=any' 'Brick=3' 'pieTwelve=1' 'autoVersionCheck=0'; do
    tr -d '\r' <"$ini" | grep -qxF "$line" || fail "VorniaGenerator.ini lacks the line $line"
done
tr -d '\r' <"$ini" | grep -qE '^windowWidth=[0-9]+$' || fail "VorniaGenerator.ini lacks windowWidth"
[ "$(ls "$work/run")" = "VorniaGenerator.ini" ] || fail "unexpected files: $(ls "$work/run")"

# As the desktop entry starts it, for a board file: the board opens after
# the start-up, and the settings go to the user's configuration folder.
board="$work/a board.mirl"
printf '[settings]\r\nplate[0]=Water;10;33;;;;;\r\nplateCount=1\r\nzoomSize=50\r\n' >"$board"
mkdir "$work/menu"
cd "$work/menu"
XDG_CONFIG_HOME="$work/config" "$program" --from-desktop-entry "$board" >"$work/program.log" 2>&1 &
program_pid=$!
retry 150 sh -c "xdotool search --onlyvisible --name '^Vornia Generator\$' | grep -q ." ||
    fail "the first-run question did not appear (desktop entry)"
press '^Vornia Generator$' Escape
retry 100 sh -c "xdotool search --onlyvisible --name '^Hexlanders Of Vornia Board Generator \\[$board\\]\$' | grep -q ." ||
    fail "the board named on the command line did not open"
retry 100 has_water || fail "no water blue on the screen after the command-line open"
press '^Hexlanders Of Vornia Board Generator' F12
retry 100 sh -c "! kill -0 $program_pid" || fail "F12 did not end the program (desktop entry)"
wait "$program_pid" || fail "the program ended with status $? (desktop entry)"
program_pid=
ini="$work/config/vornia-generator/VorniaGenerator.ini"
[ -f "$ini" ] || fail "no VorniaGenerator.ini in the configuration folder"
tr -d '\r' <"$ini" | grep -qxF 'zoomSize=50' || fail "the opened board's zoom is not in the settings"
[ -z "$(ls "$work/menu")" ] || fail "files in the folder it was started in: $(ls "$work/menu")"
echo "passed"

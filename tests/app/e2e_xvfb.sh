#!/bin/sh
# End to end: the real program on its own Xvfb display under a real window
# manager (openbox), started in an empty folder. It checks the title bars the
# X server holds and that the window starts maximised, answers the first-run
# question, presses F1 (also after the options dialog and About have closed,
# so the keys must reach the window by themselves), looks for the board's
# water blue on a screenshot, restores the window to its stored outer size,
# closes with F12 and checks the settings file the program wrote.
#
# Usage: e2e_xvfb.sh PATH/TO/vornia-generator VERSION (the version it writes)
# Exit 0 on success, 77 (skipped) when Xvfb, openbox, xdotool, xprop or
# ImageMagick is missing.
set -eu

program=$(realpath "$1")
version=${2:?usage: e2e_xvfb.sh PROGRAM VERSION}
for tool in Xvfb openbox xdotool xprop import convert; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "skipped: $tool is not installed"
        exit 77
    fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/vornia-e2e-XXXXXX")
xvfb_pid=
wm_pid=
program_pid=
cleanup() {
    for pid in $program_pid $wm_pid; do
        kill "$pid" 2>/dev/null || true
    done
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

fail() {
    {
        echo "FAILED: $*"
        [ -f "$work/program.log" ] && sed 's/^/  program: /' "$work/program.log"
    } >&2
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
# The window manager, with a home of its own for whatever it keeps.
mkdir "$work/home"
HOME="$work/home" openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
retry 100 sh -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'" ||
    fail "openbox did not start"

# The id of the visible window whose title matches the pattern, waited for.
window_named() {
    retry 150 sh -c "xdotool search --onlyvisible --name '$1' | grep -q ." || fail "no window named $1"
    xdotool search --onlyvisible --name "$1" | head -n 1
}
gone() {
    retry 100 sh -c "! xdotool search --onlyvisible --name '$1' | grep -q ." || fail "$1 did not close"
}
# The title bar as the X server holds it, in the old and in the UTF-8 form.
title_of() { # window id, property
    xprop -id "$1" "$2" | sed -n 's/^[^=]*= "\(.*\)"$/\1/p'
}
has_title() {
    [ "$(title_of "$1" WM_NAME)" = "$2" ] && [ "$(title_of "$1" _NET_WM_NAME)" = "$2" ]
}
expect_title() { # window id, title
    retry 100 has_title "$1" "$2" ||
        fail "the title bar reads '$(title_of "$1" _NET_WM_NAME)' ('$(title_of "$1" WM_NAME)'), not '$2'"
}
# Keys go to whichever window has the focus, as a player's would; the window
# meant must have it by itself (after a dialog closes, the main window again).
focused() { [ "$(xdotool getwindowfocus)" = "$1" ]; }
key_to() { # window id, keys
    id=$1
    shift
    retry 50 focused "$id" || fail "the keyboard focus is not on '$(title_of "$id" WM_NAME)'"
    xdotool key "$@"
}
frame_extent() { # window id, 1-based index: left, right, top, bottom
    extent=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | cut -d, -f"$2" | tr -d ' ')
    echo "${extent:-0}"
}
outer_size() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    echo "$((WIDTH + $(frame_extent "$1" 1) + $(frame_extent "$1" 2)))x$((HEIGHT + $(frame_extent "$1" 3) +
        $(frame_extent "$1" 4)))"
}
has_outer_size() { [ "$(outer_size "$1")" = "$2" ]; }
maximized() {
    case "$(xprop -id "$1" _NET_WM_STATE)" in *MAXIMIZED_VERT*MAXIMIZED_HORZ* | *MAXIMIZED_HORZ*MAXIMIZED_VERT*) ;;
        *) return 1 ;;
    esac
}
restored() { ! xprop -id "$1" _NET_WM_STATE | grep -q MAXIMIZED; }

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

main_title='Hexlanders Of Vornia Board Generator'
# The first-run question (its box is titled with the application's name)
# comes after the window has been maximised.
question=$(window_named '^Vornia Generator$')
main=$(window_named "^$main_title")
retry 50 maximized "$main" || fail "the window is not maximised"
expect_title "$main" "$main_title"
expect_title "$question" "Vornia Generator"
key_to "$question" Escape
gone '^Vornia Generator$'

has_water() {
    import -window root "$work/screen.png" &&
        convert "$work/screen.png" -format '%c' histogram:info:- | grep -qi '#0000FF'
}
key_to "$main" F1
retry 100 has_water || fail "no water blue (0,0,255) on the screen after F1"
expect_title "$main" "$main_title [New traditional 1]"

key_to "$main" F2
options=$(window_named '^Shape And Piece Options')
expect_title "$options" "Shape And Piece Options"
key_to "$options" Escape
gone '^Shape And Piece Options'
key_to "$main" F10
key_to "$(window_named '^Vornia Generator$')" Escape
gone '^Vornia Generator$'
key_to "$main" F1
expect_title "$main" "$main_title [New traditional 2]"

# Restored by a double click on its title bar, the window takes the stored
# outer size, frame included: the defaults, 700 by 350.
xdotool mousemove "$(($(xdotool getdisplaygeometry | cut -d' ' -f1) / 2))" "$(($(frame_extent "$main" 3) / 2))" \
    click --repeat 2 --delay 100 1
retry 50 restored "$main" || fail "the window was not restored"
retry 50 has_outer_size "$main" 700x350 || fail "restored to $(outer_size "$main"), not 700x350"

# F12 ends the program, which must then exit successfully.
close_with_f12() {
    key_to "$main" F12
    retry 100 sh -c "! kill -0 $program_pid" || fail "F12 did not end the program"
    wait "$program_pid" || fail "the program ended with status $?"
    program_pid=
}
close_with_f12

ini="$work/run/VorniaGenerator.ini"
[ -f "$ini" ] || fail "no VorniaGenerator.ini written"
for line in '[settings]' "version=$version" 'shape=traditional' 'customPieceCounts=0' 'blackAndWhite=0' \
    'zoomSize=100' 'massDensity=any' 'Brick=3' 'pieTwelve=1' 'autoVersionCheck=0' \
    'windowWidth=700' 'windowHeight=350'; do
    tr -d '\r' <"$ini" | grep -qxF "$line" || fail "VorniaGenerator.ini lacks the line $line"
done
[ "$(ls "$work/run")" = "VorniaGenerator.ini" ] || fail "unexpected files: $(ls "$work/run")"

# As the desktop entry starts it, for a board file: the board opens after
# the start-up, and the settings go to the user's configuration folder.
board="$work/a board.mirl"
printf '[settings]\r\nplate[0]=Water;10;33;;;;;\r\nplateCount=1\r\nzoomSize=50\r\n' >"$board"
mkdir "$work/menu"
cd "$work/menu"
XDG_CONFIG_HOME="$work/config" "$program" --from-desktop-entry "$board" >"$work/program.log" 2>&1 &
program_pid=$!
question=$(window_named '^Vornia Generator$')
main=$(window_named "^$main_title")
key_to "$question" Escape
gone '^Vornia Generator$'
expect_title "$main" "$main_title [$board]"
retry 100 has_water || fail "no water blue on the screen after the command-line open"
close_with_f12
ini="$work/config/vornia-generator/VorniaGenerator.ini"
[ -f "$ini" ] || fail "no VorniaGenerator.ini in the configuration folder"
tr -d '\r' <"$ini" | grep -qxF 'zoomSize=50' || fail "the opened board's zoom is not in the settings"
[ -z "$(ls "$work/menu")" ] || fail "files in the folder it was started in: $(ls "$work/menu")"
echo "passed"

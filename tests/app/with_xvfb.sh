#!/bin/sh
# Runs a command with a private Xvfb display and Qt's X11 platform.
#
# Usage: with_xvfb.sh COMMAND [ARGS...]
# Exit status: the command's, or 77 (skipped) when Xvfb is missing.
set -eu

if ! command -v Xvfb >/dev/null 2>&1; then
    echo "skipped: Xvfb is not installed"
    exit 77
fi

# A display number nobody uses.
display=$((500 + $$ % 400))
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do
    display=$((display + 1))
done
log=$(mktemp "${TMPDIR:-/tmp}/vornia-xvfb-XXXXXX")
Xvfb ":$display" -screen 0 1280x800x24 -nolisten tcp -noreset >"$log" 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; rm -f "$log"' EXIT INT TERM

tries=100
until [ -e "/tmp/.X11-unix/X$display" ]; do
    tries=$((tries - 1))
    if [ "$tries" -le 0 ] || ! kill -0 "$xvfb_pid" 2>/dev/null; then
        echo "Xvfb did not start on :$display"
        cat "$log"
        exit 1
    fi
    sleep 0.1
done

export DISPLAY=":$display" QT_QPA_PLATFORM=xcb
status=0
"$@" || status=$?
exit "$status"

#!/bin/bash
# Runs timing_e2e.py against the real program under its own virtual X server,
# session bus and accessibility bus. Usage: timing_e2e.sh BINARY REPEAT HOLD
# REPEAT is "fast" (repeats 100 ms into a held key, 30 a second) or "default"
# (the server's own); HOLD is how long every key is held, in seconds.
set -euo pipefail

binary=$1 repeat=$2 hold=$3
here=$(dirname "$0")
. "$here/../../scripts/xvfb-lib.sh"
work=$(mktemp -d)
xvfb_pid=""
app=""
trap end_e2e EXIT
start_xvfb "$work/xvfb.log"
case "$repeat" in
    fast) xset r rate 100 30 ;;
    default) xset r rate ;;
esac

# A private session bus; the accessibility bus and its registry are started
# on it and end with it.
eval "$(dbus-launch --sh-syntax --exit-with-x11)"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export PYTHONDONTWRITEBYTECODE=1  # the tests share a module; the tree stays clean

QT_QPA_PLATFORM=xcb "$binary" >"$work/app.log" 2>&1 &
app=$!

/usr/bin/python3 "$here/timing_e2e.py" "$hold"
kill -0 "$app" || { echo "the program is gone"; exit 1; }

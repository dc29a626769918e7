#!/bin/bash
# Runs zoom_e2e.py against the real program under a window manager (openbox)
# on a private 2560 x 1600 virtual X server, with session and accessibility
# buses. Usage: zoom_e2e.sh BINARY OUTDIR; the screenshots stay in OUTDIR.
set -euo pipefail

binary=$1 outdir=$2
here=$(dirname "$0")
for tool in Xvfb openbox xdotool xprop import convert tesseract dbus-launch; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed: skipped"; exit 77; }
done
/usr/bin/python3 -c "import pyatspi, Xlib" 2>/dev/null || { echo "pyatspi or python3-xlib missing: skipped"; exit 77; }

. "$here/../../scripts/xvfb-lib.sh"
mkdir -p "$outdir"
work=$(mktemp -d)
xvfb_pid=""
app=""
wm=""
trap 'end_e2e; [ -n "$wm" ] && kill "$wm" 2>/dev/null || true' EXIT
start_xvfb "$work/xvfb.log" 2560x1600
eval "$(dbus-launch --sh-syntax --exit-with-x11)"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export PYTHONDONTWRITEBYTECODE=1  # the tests share a module; the tree stays clean

openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm=$!
for _ in $(seq 300); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id" || { echo "openbox did not start"; cat "$work/openbox.log"; exit 1; }

QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config" "$binary" >"$work/app.log" 2>&1 &
app=$!

/usr/bin/python3 "$here/zoom_e2e.py" "$outdir"
kill -0 "$app" || { echo "the program is gone"; exit 1; }

#!/bin/bash
# Runs language_e2e.py against the real program started in German, on a
# private virtual X server with a session bus and accessibility bus.
# Usage: language_e2e.sh BINARY OUTDIR (the screenshots stay in OUTDIR)
set -euo pipefail

binary=$1 outdir=$2
here=$(dirname "$0")
for tool in Xvfb xdotool import convert dbus-launch tesseract; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed: skipped"; exit 77; }
done
tesseract --list-langs 2>/dev/null | grep -qx deu || { echo "tesseract-ocr-deu is not installed: skipped"; exit 77; }
/usr/bin/python3 -c "import pyatspi, Xlib" 2>/dev/null || { echo "pyatspi or python3-xlib missing: skipped"; exit 77; }

. "$here/../../scripts/xvfb-lib.sh"
mkdir -p "$outdir"
work=$(mktemp -d)
xvfb_pid=""
app=""
trap end_e2e EXIT
start_xvfb "$work/xvfb.log"
eval "$(dbus-launch --sh-syntax --exit-with-x11)"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export PYTHONDONTWRITEBYTECODE=1  # the tests share a module; the tree stays clean

# The user's language as a German desktop sets it; the theme's settings stay out of it.
LANGUAGE=de LANG=de_DE.UTF-8 LC_ALL= QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config" "$binary" >"$work/app.log" 2>&1 &
app=$!

/usr/bin/python3 "$here/language_e2e.py" "$outdir"
kill -0 "$app" || { echo "the program is gone"; exit 1; }

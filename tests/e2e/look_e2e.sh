#!/bin/bash
# Runs look_e2e.py against the real program on a qt6ct look: a private virtual
# X server large enough for the grown windows, session bus and accessibility bus.
# Usage: look_e2e.sh BINARY SETTINGS_DIR OUTDIR NAME
# SETTINGS_DIR holds qt6ct/qt6ct.conf; the screenshots are left in OUTDIR.
set -euo pipefail

binary=$1 settings=$2 outdir=$3 name=$4
here=$(dirname "$0")
if ! ls /usr/lib/*/qt6/plugins/platformthemes/libqt6ct.so >/dev/null 2>&1; then
    echo "qt6ct is not installed (apt-get install qt6ct): skipped"
    exit 77
fi
for tool in Xvfb xdotool import convert dbus-launch; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed: skipped"; exit 77; }
done
/usr/bin/python3 -c "import pyatspi, Xlib" 2>/dev/null || { echo "pyatspi or python3-xlib missing: skipped"; exit 77; }

. "$here/../../scripts/xvfb-lib.sh"
mkdir -p "$outdir"
work=$(mktemp -d)
xvfb_pid=""
app=""
trap end_e2e EXIT
start_xvfb "$work/xvfb.log" 2560x1600
eval "$(dbus-launch --sh-syntax --exit-with-x11)"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export PYTHONDONTWRITEBYTECODE=1  # the tests share a module; the tree stays clean

# A copy: the program's sound client keeps its own files in the same folder.
cp -r "$settings" "$work/config"
QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME=qt6ct XDG_CONFIG_HOME="$work/config" "$binary" >"$work/app.log" 2>&1 &
app=$!

/usr/bin/python3 "$here/look_e2e.py" "$outdir" "$name"
kill -0 "$app" || { echo "the program is gone"; exit 1; }

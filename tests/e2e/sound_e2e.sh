#!/bin/bash
# Runs sound_e2e.py against the real program with its own display, session
# bus and sound server. Usage: sound_e2e.sh BINARY DISPLAY SERVER MODE
# DISPLAY: x11 (a virtual X server, keys by its test extension) or wayland
# (the program as a native client of a headless sway, keys by wtype);
# SERVER: pulse (the default sound theme), pulse-desktop-theme (the theme an
# X settings manager names, whose warning is a 700 Hz tone), pulse-no-theme
# (a data path without any sound theme) or hung (a server that never answers);
# MODE: heard, tone, hung or bench (see sound_e2e.py).
set -euo pipefail

binary=$1 display=$2 server=$3 mode=$4
here=$(dirname "$0")
. "$here/../../scripts/xvfb-lib.sh"
. "$here/sound-lib.sh"
sound_tools_or_skip
work=$(mktemp -d)
chmod 755 "$work"  # sway's user reaches its own directory in it
mkdir -m 700 "$work/runtime" "$work/cache"
xvfb_pid=""
sway_pid=""
idle_keyboard=""
pulse_pid=""
xsettings_pid=""
app=""
# A cache of its own: libcanberra remembers where it found each sound.
app_env=(XDG_RUNTIME_DIR="$work/runtime" XDG_CACHE_HOME="$work/cache")
cleanup() {
    status=$?
    for pid in "$app" "$idle_keyboard" "${DBUS_SESSION_BUS_PID:-}" "$pulse_pid" "$xsettings_pid" "$sway_pid" \
            "$xvfb_pid"; do
        [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
    done
    if [ "$status" -ne 0 ] && [ "$status" -ne 77 ]; then
        for log in xvfb sway pulse app; do
            [ -f "$work/$log.log" ] && { echo "--- $log.log:"; tail -n 30 "$work/$log.log"; }
        done
    fi
    rm -rf "$work"
}
trap cleanup EXIT

case "$display" in
    x11)
        start_xvfb "$work/xvfb.log"
        app_env+=(QT_QPA_PLATFORM=xcb)
        ;;
    wayland)
        unset DISPLAY
        start_sway "$work"
        # Without a keyboard on the seat sway passes no keys on: an idle
        # wtype keeps one there.
        wtype -s 3600000 &
        idle_keyboard=$!
        # The program paints into shared memory and sway draws the title bar
        # (it grants Qt's request for server-side decorations), yet Qt loads
        # the GL driver just to ask whether it could draw one itself. Mesa's
        # software driver keeps a table of the CPU's L3 caches (AMD Zen only)
        # in a static, and eglTerminate unloads it at exit with the table
        # still allocated: the leak check then sees a block from an unmapped
        # library, which no suppression can name. Without client-side
        # decorations Qt never loads the driver.
        app_env+=(QT_QPA_PLATFORM=wayland QT_WAYLAND_DISABLE_WINDOWDECORATION=1)
        export SOUND_E2E_KEYS=wtype
        # Qt 6.4's Wayland plugin leaves objects of its own to the end of the process.
        suppressions=$(realpath "$here/wayland-leaks.supp")
        export LSAN_OPTIONS="suppressions=$suppressions:print_suppressions=0"
        ;;
esac
case "$server" in
    pulse) start_pulse "$work" ;;
    pulse-desktop-theme)
        start_pulse "$work"
        start_desktop_theme "$work" 700
        app_env+=(XDG_DATA_DIRS="$work/share:/usr/local/share:/usr/share")
        export SOUND_E2E_PITCH=700
        ;;
    pulse-no-theme)
        start_pulse "$work"
        # The program alone looks for sound themes in an empty data path.
        mkdir "$work/share"
        app_env+=(XDG_DATA_DIRS="$work/share" XDG_DATA_HOME="$work/share")
        ;;
    hung) start_hung_server "$work" ;;
esac

eval "$(dbus-launch --sh-syntax)"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

env "${app_env[@]}" "$binary" >"$work/app.log" 2>&1 &
app=$!

if [ -n "$idle_keyboard" ] && ! kill -0 "$idle_keyboard" 2>/dev/null; then
    echo "wtype could not put a keyboard on the seat"
    exit 1
fi
PYTHONDONTWRITEBYTECODE=1 /usr/bin/python3 "$here/sound_e2e.py" "$mode"

# The script ends by pressing Exit: the program must be gone at once.
expect_exit_at_once "$app"
app=""

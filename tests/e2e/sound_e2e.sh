#!/bin/bash
# Runs sound_e2e.py against the real program on its own virtual X server,
# session bus and sound server. Usage: sound_e2e.sh BINARY SERVER MODE
# SERVER: pulse (the default sound theme), pulse-desktop-theme (the theme an
# X settings manager names, whose warning is a 700 Hz tone), pulse-no-theme
# (a data path without any sound theme) or hung (a server that never answers);
# MODE: heard, tone, hung or bench (see sound_e2e.py).
set -euo pipefail

binary=$1 server=$2 mode=$3
here=$(dirname "$0")
. "$here/../../scripts/xvfb-lib.sh"
. "$here/sound-lib.sh"
sound_tools_or_skip
work=$(mktemp -d)
xvfb_pid=""
pulse_pid=""
xsettings_pid=""
app=""
# A cache of its own: libcanberra remembers where it found each sound.
app_env=(XDG_RUNTIME_DIR="$work/runtime" XDG_CACHE_HOME="$work/cache" QT_QPA_PLATFORM=xcb)
cleanup() {
    status=$?
    [ -n "$app" ] && kill "$app" 2>/dev/null || true
    [ -n "${DBUS_SESSION_BUS_PID:-}" ] && kill "$DBUS_SESSION_BUS_PID" 2>/dev/null || true
    [ -n "$pulse_pid" ] && kill "$pulse_pid" 2>/dev/null || true
    [ -n "$xsettings_pid" ] && kill "$xsettings_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    if [ "$status" -ne 0 ] && [ "$status" -ne 77 ]; then
        echo "--- Xvfb said:"; cat "$work/xvfb.log"
        echo "--- the program said:"; cat "$work/app.log"
        [ -f "$work/pulse.log" ] && { echo "--- PulseAudio said:"; tail -n 30 "$work/pulse.log"; }
    fi
    rm -rf "$work"
}
trap cleanup EXIT
start_xvfb "$work/xvfb.log"
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

eval "$(dbus-launch --sh-syntax --exit-with-x11)"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
mkdir -m 700 "$work/runtime" "$work/cache"

env "${app_env[@]}" "$binary" >"$work/app.log" 2>&1 &
app=$!

/usr/bin/python3 "$here/sound_e2e.py" "$mode"

# The script ends by pressing Exit: the program must be gone at once.
expect_exit_at_once "$app"
app=""

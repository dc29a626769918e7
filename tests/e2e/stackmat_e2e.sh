#!/bin/bash
# Runs stackmat_e2e.py against the real program on a virtual X server, with a
# private sound server whose default input is the monitor of a null sink
# "stackmat" (the timer's line: generated signals are played into it) while
# the default output, where the program beeps, is another null sink. With
# `hung`, a sound server that never answers instead; `bench` measures the
# stop's delay (see stackmat_e2e.py).
# Usage: stackmat_e2e.sh BINARY STACKMAT_WAV [heard|hung|bench]
set -euo pipefail

binary=$1 wav_tool=$2 mode=${3:-heard}
here=$(dirname "$0")
. "$here/../../scripts/xvfb-lib.sh"
. "$here/sound-lib.sh"
sound_tools_or_skip
command -v paplay >/dev/null || { echo "SKIP: paplay is not installed"; exit 77; }
work=$(mktemp -d)
mkdir -m 700 "$work/runtime"
xvfb_pid=""
pulse_pid=""
app=""
cleanup() {
    status=$?
    for pid in "$app" "${DBUS_SESSION_BUS_PID:-}" "$pulse_pid" "$xvfb_pid"; do
        [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
    done
    if [ "$status" -ne 0 ] && [ "$status" -ne 77 ]; then
        for log in xvfb pulse app; do
            [ -f "$work/$log.log" ] && { echo "--- $log.log:"; tail -n 30 "$work/$log.log"; }
        done
    fi
    rm -rf "$work"
}
trap cleanup EXIT

start_xvfb "$work/xvfb.log"
if [ "$mode" = hung ]; then
    start_hung_server "$work"
else
    start_pulse "$work"
    pactl load-module module-null-sink sink_name=stackmat rate=48000 >/dev/null
    pactl set-default-source stackmat.monitor
    pactl set-default-sink quiet
fi

eval "$(dbus-launch --sh-syntax)"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb "$binary" >"$work/app.log" 2>&1 &
app=$!

PYTHONDONTWRITEBYTECODE=1 /usr/bin/python3 "$here/stackmat_e2e.py" "$wav_tool" "$work" "$mode"

# The script ends by pressing Exit: the program must be gone at once.
expect_exit_at_once "$app"
app=""

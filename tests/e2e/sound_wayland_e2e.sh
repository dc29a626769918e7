#!/bin/bash
# The countdown heard, and start, stop and save by key, with the program as a
# native Wayland client of a headless sway. sway refuses root, so it runs as
# nobody with a runtime directory of its own; wtype types the keys, and an
# idle wtype keeps a keyboard on the seat, without which sway passes no keys
# on. Usage: sound_wayland_e2e.sh BINARY
set -euo pipefail

binary=$1
here=$(dirname "$0")
. "$here/sound-lib.sh"
sound_tools_or_skip
for tool in sway swaymsg wtype setpriv dbus-launch; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so" >/dev/null ||
    { echo "SKIP: Qt's Wayland plugin (qt6-wayland) is not installed"; exit 77; }
[ "$(id -u)" -eq 0 ] || { echo "SKIP: needs root to run sway as another user"; exit 77; }

work=$(mktemp -d)
chmod 755 "$work"
sway_pid=""
idle_keyboard=""
pulse_pid=""
app=""
cleanup() {
    status=$?
    [ -n "$app" ] && kill "$app" 2>/dev/null || true
    [ -n "$idle_keyboard" ] && kill "$idle_keyboard" 2>/dev/null || true
    [ -n "${DBUS_SESSION_BUS_PID:-}" ] && kill "$DBUS_SESSION_BUS_PID" 2>/dev/null || true
    [ -n "$pulse_pid" ] && kill "$pulse_pid" 2>/dev/null || true
    [ -n "$sway_pid" ] && kill "$sway_pid" 2>/dev/null || true
    if [ "$status" -ne 0 ] && [ "$status" -ne 77 ]; then
        echo "--- sway said:"; tail -n 30 "$work/sway.log"
        echo "--- the program said:"; cat "$work/app.log"
    fi
    rm -rf "$work"
}
trap cleanup EXIT

mkdir -m 700 "$work/sway" "$work/runtime" "$work/cache"
chown nobody "$work/sway"
printf 'output HEADLESS-1 resolution 1280x800\n' >"$work/sway.conf"
setpriv --reuid=nobody --regid=nogroup --clear-groups \
    env -i HOME="$work/sway" XDG_RUNTIME_DIR="$work/sway" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 \
    WLR_RENDERER=pixman sway -c "$work/sway.conf" >"$work/sway.log" 2>&1 &
sway_pid=$!
# Ready once its control socket answers: by then it has its seat and the
# virtual-keyboard manager wtype needs.
socket=""
for _ in $(seq 200); do
    ipc=$(find "$work/sway" -maxdepth 1 -type s -name 'sway-ipc.*' | head -n 1)
    if [ -n "$ipc" ] && swaymsg -s "$ipc" -t get_version >/dev/null 2>&1; then
        socket=$(find "$work/sway" -maxdepth 1 -type s -name 'wayland-*' | head -n 1)
        break
    fi
    kill -0 "$sway_pid" 2>/dev/null || break
    sleep 0.05
done
if [ -z "$socket" ]; then
    grep -q "Failed to create backend\|Unable to create backend" "$work/sway.log" &&
        { echo "SKIP: sway cannot start here:"; tail -n 5 "$work/sway.log"; exit 77; }
    echo "sway did not start"
    exit 1
fi
export WAYLAND_DISPLAY=$socket
wtype -s 3600000 &
idle_keyboard=$!

start_pulse "$work"
eval "$(dbus-launch --sh-syntax)"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

LSAN_OPTIONS="suppressions=$(realpath "$here/wayland-leaks.supp"):print_suppressions=0" \
XDG_RUNTIME_DIR="$work/runtime" XDG_CACHE_HOME="$work/cache" QT_QPA_PLATFORM=wayland \
    "$binary" >"$work/app.log" 2>&1 &
app=$!

kill -0 "$idle_keyboard" 2>/dev/null || { echo "wtype could not put a keyboard on the seat"; exit 1; }
SOUND_E2E_KEYS=wtype /usr/bin/python3 "$here/sound_e2e.py" heard
expect_exit_at_once "$app"
app=""

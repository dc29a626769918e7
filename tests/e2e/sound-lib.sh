# Shell functions for a private sound server: PulseAudio whose default sink is
# a null sink named "quiet" (its monitor is what the program was heard to
# play), or a server that accepts connections and never answers. Sourced by
# the sound end-to-end tests and the app benchmark. No X bell module is
# loaded: a bell must not pass for the program's own sound.

# start_pulse DIR: starts the server on DIR/native and exports PULSE_SERVER.
start_pulse() {
    mkdir -p "$1/pulse"
    HOME="$1" XDG_RUNTIME_DIR="$1" PULSE_RUNTIME_PATH="$1/pulse" \
        pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --log-target=stderr \
        -L "module-null-sink sink_name=quiet rate=48000" \
        -L "module-native-protocol-unix auth-anonymous=1 socket=$1/native" >"$1/pulse.log" 2>&1 &
    pulse_pid=$!
    export PULSE_SERVER="unix:$1/native"
    for _ in $(seq 200); do
        pactl info >/dev/null 2>&1 && return 0
        sleep 0.05
    done
    echo "PulseAudio did not start:" >&2
    cat "$1/pulse.log" >&2
    return 1
}

# start_hung_server DIR: a socket on DIR/native that takes every connection
# and never says a word; exports PULSE_SERVER.
start_hung_server() {
    python3 -c '
import socket, sys
server = socket.socket(socket.AF_UNIX)
server.bind(sys.argv[1])
server.listen(64)
held = []
while True:
    held.append(server.accept()[0])
' "$1/native" &
    pulse_pid=$!
    export PULSE_SERVER="unix:$1/native"
    for _ in $(seq 200); do
        [ -S "$1/native" ] && return 0
        sleep 0.05
    done
    echo "the hung sound server did not start" >&2
    return 1
}

# sound_tools_or_skip: exits 77 when the sound tools are missing.
sound_tools_or_skip() {
    for tool in pulseaudio pactl parec python3 dbus-launch; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
    done
}

# start_sway DIR: a headless sway, ready for clients; exports WAYLAND_DISPLAY
# and sets sway_pid. sway refuses root, so it runs as nobody with DIR/sway
# (made here) as its runtime directory; DIR must be open to nobody.
start_sway() {
    for tool in sway swaymsg wtype setpriv; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
    done
    compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so" >/dev/null ||
        { echo "SKIP: Qt's Wayland plugin (qt6-wayland) is not installed"; exit 77; }
    [ "$(id -u)" -eq 0 ] || { echo "SKIP: needs root to run sway as another user"; exit 77; }
    mkdir -m 700 "$1/sway"
    chown nobody "$1/sway"
    printf 'output HEADLESS-1 resolution 1280x800\n' >"$1/sway.conf"
    setpriv --reuid=nobody --regid=nogroup --clear-groups \
        env -i HOME="$1/sway" XDG_RUNTIME_DIR="$1/sway" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 \
        WLR_RENDERER=pixman sway -c "$1/sway.conf" >"$1/sway.log" 2>&1 &
    sway_pid=$!
    # Ready once its control socket answers: by then it has its seat and the
    # virtual-keyboard manager wtype needs.
    for _ in $(seq 200); do
        ipc=$(find "$1/sway" -maxdepth 1 -type s -name 'sway-ipc.*' | head -n 1)
        if [ -n "$ipc" ] && swaymsg -s "$ipc" -t get_version >/dev/null 2>&1; then
            WAYLAND_DISPLAY=$(find "$1/sway" -maxdepth 1 -type s -name 'wayland-*' | head -n 1)
            export WAYLAND_DISPLAY
            return 0
        fi
        kill -0 "$sway_pid" 2>/dev/null || break
        sleep 0.05
    done
    if grep -q "Failed to create backend\|Unable to create backend" "$1/sway.log"; then
        echo "SKIP: sway cannot start here:"
        tail -n 5 "$1/sway.log"
        exit 77
    fi
    echo "sway did not start" >&2
    return 1
}

# expect_exit_at_once PID: the program must be gone within 2 s of being told
# to close, with status 0, whatever its sound server does.
expect_exit_at_once() {
    for _ in $(seq 100); do
        kill -0 "$1" 2>/dev/null || break
        sleep 0.02
    done
    if kill -0 "$1" 2>/dev/null; then
        echo "the program was still running 2 s after Exit was pressed"
        return 1
    fi
    exit_status=0
    wait "$1" || exit_status=$?
    [ "$exit_status" -eq 0 ] || { echo "the program ended with status $exit_status"; return 1; }
}

# start_desktop_theme DIR HZ: a sound theme under DIR/share whose warning is a
# HZ tone, named by an X settings manager on DISPLAY as the desktop's does.
# Sets xsettings_pid.
start_desktop_theme() {
    theme="$1/share/sounds/quorvanta-test"
    mkdir -p "$theme/stereo"
    printf '[Sound Theme]\nName=Test\nDirectories=stereo\n\n[stereo]\nOutputProfile=stereo\n' >"$theme/index.theme"
    /usr/bin/python3 -c '
import math, signal, struct, sys, wave
from Xlib import X, display
hz, path, ready = int(sys.argv[1]), sys.argv[2], sys.argv[3]
with wave.open(path, "wb") as out:
    out.setnchannels(1); out.setsampwidth(2); out.setframerate(48000)
    out.writeframes(b"".join(struct.pack("<h", round(16000 * math.sin(2 * math.pi * hz * i / 48000)))
                             for i in range(48000 * 15 // 100)))
def padded(b): return b + bytes(-len(b) % 4)
name, value = b"Net/SoundThemeName", b"quorvanta-test"
settings = (struct.pack("<B3xII", 0, 1, 1) + struct.pack("<BxH", 1, len(name)) + padded(name)
            + struct.pack("<II", 0, len(value)) + padded(value))
x = display.Display()
owner = x.screen().root.create_window(0, 0, 1, 1, 0, X.CopyFromParent)
kind = x.intern_atom("_XSETTINGS_SETTINGS")
owner.change_property(kind, kind, 8, settings)
owner.set_selection_owner(x.intern_atom("_XSETTINGS_S0"), X.CurrentTime)
x.sync()
open(ready, "w").close()
signal.pause()
' "$2" "$theme/stereo/bell-window-system.wav" "$1/xsettings.ready" &
    xsettings_pid=$!
    for _ in $(seq 200); do
        [ -e "$1/xsettings.ready" ] && return 0
        sleep 0.05
    done
    echo "the X settings manager did not start" >&2
    return 1
}

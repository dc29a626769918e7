#!/bin/bash
# Plays solves with the real program while the desktop's real screen reader
# listens, and checks what it says. Usage: orca_e2e.sh BINARY [RATE|voice]
# RATE, in characters a second, makes the logging voice take as long as a real
# one and note which utterances it finished (orca_voice.sh); without it every
# utterance is logged at once and the run is quick. "voice" speaks with
# eSpeak NG into a private sound server, which the program beeps into too,
# and listens to the countdown there (orca_voice_e2e.py).
#
# Everything is private to this run: a virtual X server with a window manager,
# a session bus with its accessibility bus, a speech server whose only voice
# writes each utterance to a file instead of a sound card (or speaks into the
# private sound server), and the screen reader with its own home, default
# settings and debug file. Exits 77 when a tool is missing or the screen
# reader cannot start.
set -euo pipefail

binary=$1 rate=${2:-}
here=$(dirname "$0")
skip() { echo "SKIP: $*"; exit 77; }

module=/usr/lib/speech-dispatcher-modules/sd_generic
[ "$rate" = voice ] && module=/usr/lib/speech-dispatcher-modules/sd_espeak-ng
for tool in Xvfb xdpyinfo xdotool xprop openbox dbus-launch speech-dispatcher orca; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
[ -x "$module" ] || skip "speech-dispatcher's output module $module is not installed"
/usr/bin/python3 -c 'import pyatspi, speechd, Xlib.ext.xtest' 2>/dev/null ||
    skip "python3-pyatspi, python3-speechd or python3-xlib is missing"

. "$here/../../scripts/xvfb-lib.sh"
. "$here/sound-lib.sh"
if [ "$rate" = voice ]; then
    sound_tools_or_skip
    espeak-ng -q "ready" 2>/dev/null || skip "eSpeak NG cannot speak here"
fi
work=$(mktemp -d)
speech="$work/speech.log"
orca_debug="$work/orca-debug.log"
pids=()
xvfb_pid=""
orca_pid=""
pulse_pid=""
speech_lines() {  # the debug log's speech, each utterance with all its lines
    awk '/^[0-9:.]+ - /{p = /SPEECH OUTPUT:/} p' "$1"
}
stop_orca() {
    # The screen reader writes its debug log out as it ends. In a namespace it
    # is the child of the namespace's keeper, which ignores TERM; the keeper's
    # end takes it along.
    local reader
    reader=$(pgrep -P "$orca_pid" -x orca || echo "$orca_pid")
    kill -TERM "$reader" 2>/dev/null || true
    wait_until 20 sh -c "! kill -0 $reader 2>/dev/null" || true
    kill -KILL "$orca_pid" 2>/dev/null || true
    wait "$orca_pid" 2>/dev/null || true
    orca_pid=""
}
cleanup() {
    status=$?
    [ -n "$orca_pid" ] && stop_orca
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
    [ -n "${DBUS_SESSION_BUS_PID:-}" ] && kill "$DBUS_SESSION_BUS_PID" 2>/dev/null || true
    [ -n "$pulse_pid" ] && kill "$pulse_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    if [ "$status" -ne 0 ] && [ "$status" -ne 77 ]; then
        for log in xvfb openbox speech-dispatcher orca app; do
            echo "--- $log said:"; tail -n 40 "$work/$log.out" 2>/dev/null || true
        done
        echo "--- the speech server received:"
        if [ "$rate" = voice ]; then
            grep "Command sent to output module" "$speech" 2>/dev/null || true
        else
            cat "$speech" 2>/dev/null || true
        fi
        echo "--- the screen reader's debug log, its last 60 speech and event lines:"
        awk '/^[0-9:.]+ - /{p = /SPEECH OUTPUT|EVENT MANAGER|Ignoring|Could not/} p' "$orca_debug" 2>/dev/null |
            tail -n 60 || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# A home of its own: the screen reader and the speech server find no
# settings there, so they run with their defaults, and write nowhere else.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_CACHE_HOME="$work/home/.cache" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

wait_until() {  # SECONDS COMMAND...: true once the command succeeds within the bound
    local tries=$(($1 * 10))
    shift
    for _ in $(seq "$tries"); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

start_xvfb "$work/xvfb.out"
eval "$(dbus-launch --sh-syntax --exit-with-x11)"
openbox --sm-disable >"$work/openbox.out" 2>&1 &
pids+=($!)
wait_until 30 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
    { echo "the window manager did not start"; exit 1; }

mkdir -p "$work/speechd/modules" "$work/speechd-log"
cp "$here/orca_speechd.conf" "$work/speechd/speechd.conf"
: >"$speech"
app_env=()
if [ "$rate" = voice ]; then
    # eSpeak NG with Debian's settings, heard from the sound server's null sink
    # along with the beeps, which are the program's own tone: an empty data
    # path holds no sound theme. The speech server's log notes each utterance
    # as it goes to the voice, for the transcript.
    start_pulse "$work"
    mkdir "$work/share"
    app_env=(XDG_DATA_DIRS="$work/share" XDG_DATA_HOME="$work/share")
    cp /etc/speech-dispatcher/modules/espeak-ng.conf "$work/speechd/modules/"
    printf '%s\n' 'LogLevel 5' 'AudioOutputMethod "pulse"' 'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"' \
        'DefaultModule "espeak-ng"' >>"$work/speechd/speechd.conf"
    speech="$work/speechd-log/speech-dispatcher.log"
else
    # The speech server's voice is a shell command that appends each utterance
    # to the log; the server still opens a sound device, here ALSA's null device.
    voice=$(cd "$here" && pwd)/orca_voice.sh
    printf 'pcm.!default { type null }\n' >"$HOME/.asoundrc"
    sed -e "s|@VOICE@|$voice|" -e "s|@SPEECH_LOG@|$speech|" -e "s|@RATE@|$rate|" \
        "$here/orca_speech_module.conf" >"$work/speechd/modules/log.conf"
    printf '%s\n' 'AudioOutputMethod "alsa"' 'AddModule "log" "sd_generic" "log.conf"' 'DefaultModule "log"' \
        >>"$work/speechd/speechd.conf"
fi
export SPEECHD_ADDRESS="unix_socket:$work/speechd.sock"
speech-dispatcher --run-single --timeout 0 --config-dir "$work/speechd" --socket-path "$work/speechd.sock" \
    --pid-file "$work/speechd.pid" --log-dir "$work/speechd-log" >"$work/speech-dispatcher.out" 2>&1 &
pids+=($!)
wait_until 30 test -S "$work/speechd.sock" ||
    skip "speech-dispatcher did not start: $(tail -n 5 "$work/speechd-log/speech-dispatcher.log" 2>/dev/null)"

# The screen reader refuses to start while any other one of the same user runs
# anywhere on the machine (a developer's own, another test's): in a process
# namespace of its own it sees none. Without namespaces it runs as it is.
isolate=(unshare --pid --fork --mount-proc --kill-child)
[ "$(id -u)" -eq 0 ] || isolate=(unshare --map-current-user "${isolate[@]:1}")
"${isolate[@]}" true 2>/dev/null || isolate=()
"${isolate[@]}" orca --debug-file="$orca_debug" >"$work/orca.out" 2>&1 &
orca_pid=$!
if ! wait_until 60 grep -q "Screen reader on" "$speech" 2>/dev/null; then
    kill -0 "$orca_pid" 2>/dev/null || skip "Orca ended at start: $(tail -n 5 "$work/orca.out")"
    skip "Orca did not speak within 60 s of its start: $(tail -n 5 "$work/orca.out")"
fi

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
env "${app_env[@]}" QT_QPA_PLATFORM=xcb "$binary" >"$work/app.out" 2>&1 &
app=$!
pids+=("$app")

script=orca_e2e.py
[ "$rate" = voice ] && script=orca_voice_e2e.py
PYTHONDONTWRITEBYTECODE=1 /usr/bin/python3 "$here/$script" "$speech"
kill -0 "$app" || { echo "the program is gone"; exit 1; }
stop_orca
[ "$rate" = voice ] && exit 0
echo "--- what the voice received:"
cat "$speech"
echo "--- what the screen reader said, in its own words (its debug log):"
speech_lines "$orca_debug"

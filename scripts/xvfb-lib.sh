# Shell functions for running the timer on a private virtual X server.
# Sourced by the end-to-end test, the app benchmark and the screenshot script.

# start_xvfb LOGFILE [WIDTHxHEIGHT]: starts Xvfb (1280x800 unless given) on the
# first free display from :91 on, exports DISPLAY and sets xvfb_pid; fails
# when the server does not answer.
start_xvfb() {
    for n in $(seq 91 260); do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
            DISPLAY=":$n"
            break
        fi
    done
    export DISPLAY
    # -noreset: the server must not restart when the readiness probe disconnects,
    # or a client connecting during the restart is refused.
    Xvfb "$DISPLAY" -screen 0 "${2:-1280x800}x24" -nolisten tcp -noreset >"$1" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 200); do
        xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "Xvfb did not start on $DISPLAY" >&2
    return 1
}

# wait_window TITLE: prints the id of the visible window with exactly this title.
wait_window() {
    for _ in $(seq 150); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    echo "window '$1' did not appear" >&2
    return 1
}

# end_e2e: the exit trap of an end-to-end script. Stops the program ($app), the
# session bus and Xvfb, shows the logs in $work when the script failed, and
# removes $work.
end_e2e() {
    status=$?
    [ -n "$app" ] && kill "$app" 2>/dev/null || true
    [ -n "${DBUS_SESSION_BUS_PID:-}" ] && kill "$DBUS_SESSION_BUS_PID" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    if [ "$status" -ne 0 ]; then
        echo "--- Xvfb said:"; cat "$work/xvfb.log"
        echo "--- the program said:"; cat "$work/app.log"
    fi
    rm -rf "$work"
}

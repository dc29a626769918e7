#!/bin/bash
# Times real solves with the real program under its own virtual X server:
# three saved with the space bar (each stop key held for 300 ms while the key
# repeats), then "+2", "Discard" and "DNF", the report copied from the details
# window, then a session reset.
set -euo pipefail

binary=$1
. "$(dirname "$0")/../../scripts/xvfb-lib.sh"
work=$(mktemp -d)
xvfb_pid=""
app=""
cleanup() {
    status=$?
    [ -n "$app" ] && kill "$app" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    if [ "$status" -ne 0 ]; then
        echo "--- Xvfb said:"; cat "$work/xvfb.log"
        echo "--- the program said:"; cat "$work/app.log"
    fi
    rm -rf "$work"
}
trap cleanup EXIT
start_xvfb "$work/xvfb.log"
# Repeats start 100 ms into a held key, so every 300 ms hold repeats the key.
xset r rate 100 30

QT_QPA_PLATFORM=xcb "$binary" >"$work/app.log" 2>&1 &
app=$!

main=$(wait_window "Quorvanta Rubik's Timer 3.0")
now() { date +%s%N; }
focus_main() { xdotool windowfocus --sync "$main"; sleep 0.1; }
tap() { xdotool keydown space; sleep 0.05; xdotool keyup space; }
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.3; }

# Start, solve for the given seconds, stop with the key held for 300 ms; prints the
# interval between the two key-down events in milliseconds.
timed_solve() {
    focus_main
    local t1 t2
    t1=$(now); xdotool keydown space; sleep 0.05; xdotool keyup space
    sleep "$1"
    t2=$(now); xdotool keydown space; sleep 0.3; xdotool keyup space
    sleep 0.2
    echo $(((t2 - t1) / 1000000))
}

expected=()
for seconds in 1.2 2.1 0.7; do
    expected+=("$(timed_solve "$seconds")")
    tap  # Save
    sleep 0.2
done
expected+=("$(timed_solve 1.5)"); click "$main" 193 162   # +2
timed_solve 0.5 >/dev/null;       click "$main" 229 196   # Discard
timed_solve 0.9 >/dev/null;       click "$main" 265 162   # DNF

copy_report() {
    click "$main" 553 190  # Details
    local details
    details=$(wait_window "Session details")
    click "$details" 78 395  # Copy to clipboard
    xclip -o -selection clipboard >"$1"
    click "$details" 672 395  # Ok
}

copy_report "$work/report.txt"
cat "$work/report.txt"

# seconds of a time text "MM:SS.CC"
row_time() { awk -v n="$1)" '$1 == n { split($2, t, ":"); print t[1] * 60 + t[2]; exit }' "$work/report.txt" | tr -d '\r'; }

fail=0
for i in 1 2 3 4; do
    want=${expected[$((i - 1))]}
    [ "$i" -eq 4 ] && want=$((want + 2000))
    got=$(row_time "$i")
    diff=$(awk -v g="$got" -v w="$want" 'BEGIN { d = g * 1000 - w; if (d < 0) d = -d; printf "%d", d }')
    echo "solve $i: recorded ${got}s, key-down interval $((want))ms, off by ${diff}ms"
    [ "$diff" -le 30 ] || fail=1
done
grep -q $'^5)  DNF       ' "$work/report.txt" || { echo "the DNF row is missing"; fail=1; }
[ "$(grep -c '^[0-9]*)  ' "$work/report.txt")" -eq 5 ] || { echo "expected five solve rows"; fail=1; }
grep -q 'Worst: DNF' "$work/report.txt" || { echo "worst is not the DNF"; fail=1; }

# Reset, confirmed with Enter (Yes is the default), leaves the bare header.
click "$main" 553 158
question=$(wait_window "Warning")
xdotool windowfocus --sync "$question"
xdotool key Return
sleep 0.3
copy_report "$work/after_reset.txt"
printf '##--  Quorvanta Rubik'"'"'s Timer Details  --##\r\n\r\n' | cmp - "$work/after_reset.txt" || {
    echo "the report after the reset is not the bare header"; fail=1; }

kill -0 "$app" || { echo "the program is gone"; fail=1; }
[ "$fail" -eq 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit "$fail"

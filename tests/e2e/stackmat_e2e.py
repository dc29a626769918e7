#!/usr/bin/python3
"""Five Stackmat solves and the faults, played into the real program's sound
input as a timer's line would bring them, read back through its
accessibility tree.

The timers: six digits stopped by 'S' (one inverted), five digits stopped by
'I' with the figure, and a quiet AC-coupled line at -35 dBFS. Faults: a stray
ready packet, damaged running packets, the timer reset while idle and during
a solve; none records anything. The program holds no capture stream while
the control is off, and its countdown beeps never reach the timer's line.

With `hung` the sound server never answers: the control still turns on and
off, the keys time a solve, and Exit ends the program at once. With `bench`,
the delay from a stop packet's arrival at the sound server (its end, in a
recording of the timer's line) to the pending time shown, over five solves.

Usage: stackmat_e2e.py STACKMAT_WAV WORKDIR heard|hung|bench
"""
import array
import subprocess
import sys
import time
import wave

import pyatspi
from Xlib import X, XK, display
from Xlib.ext import xtest

from atspi_steps import PATIENCE, frame, wait_for
from recording import RATE, Recorder

TOOL, WORK, MODE = sys.argv[1:4]
MAIN_TITLE = "Quorvanta Rubik's Timer 3.0"
x = display.Display()
failures = []


def press(name):
    code = x.keysym_to_keycode(XK.string_to_keysym(name))
    xtest.fake_input(x, X.KeyPress, code)
    x.sync()
    time.sleep(0.05)
    xtest.fake_input(x, X.KeyRelease, code)
    x.sync()


def find(root, role, name):
    return pyatspi.findDescendant(root, lambda o: o.getRoleName() == role and name(o.name))


def signal(name, script, *options, damage=None):
    """Writes the timer's signal; `damage` (start, end) in seconds flips short
    slices of it, as a crackling plug would."""
    path = f"{WORK}/{name}.wav"
    subprocess.run([TOOL, path, "--script", script, *options], check=True)
    if damage:
        with wave.open(path, "rb") as f:
            params, samples = f.getparams(), array.array("h", f.readframes(f.getnframes()))
        rate = params.framerate
        for at in range(int(damage[0] * rate), int(damage[1] * rate), rate // 50):
            for i in range(at, at + rate // 500):
                samples[i] = -samples[i]
        with wave.open(path, "wb") as f:
            f.setparams(params)
            f.writeframes(samples.tobytes())
    return path


def play(path):
    subprocess.run(["paplay", "-d", "stackmat", path], check=True, timeout=PATIENCE)


def source_outputs():
    return subprocess.run(["pactl", "list", "short", "source-outputs"], capture_output=True, text=True,
                          check=True).stdout.strip().splitlines()


main = wait_for("the main window", lambda: frame(MAIN_TITLE))
start = wait_for("the Start button", lambda: find(main, "push button", lambda n: n == "Start"))
box = wait_for("the Stackmat control", lambda: find(main, "check box", lambda n: "Stackmat" in n))
times = wait_for("the times list", lambda: find(main, "list", lambda n: n == "Times"))
slider = wait_for("the countdown slider", lambda: find(main, "slider", lambda n: n == "Countdown (s)"))
window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{MAIN_TITLE}$"],
                        capture_output=True, text=True).stdout.split()
subprocess.run(["xdotool", "windowfocus", "--sync", window[0]], check=True)
wait_for("Start to have the focus", lambda: start.getState().contains(pyatspi.STATE_FOCUSED))

if box.getState().contains(pyatspi.STATE_CHECKED) or (MODE == "heard" and source_outputs()):
    failures.append("the Stackmat input is open at start")

# By key: Tab past the countdown to the control, space turns it on.
press("Tab")
wait_for("the slider to have the focus", lambda: slider.getState().contains(pyatspi.STATE_FOCUSED))
press("Tab")
wait_for("the Stackmat control to have the focus", lambda: box.getState().contains(pyatspi.STATE_FOCUSED))
press("space")
wait_for("the control to be on", lambda: box.getState().contains(pyatspi.STATE_CHECKED))
wait_for("the status to show no signal", lambda: find(main, "label", lambda n: n == "Stackmat: no signal"))
wait_for("Start to have the focus back", lambda: start.getState().contains(pyatspi.STATE_FOCUSED))
if MODE == "hung":
    display_label = find(main, "label", lambda n: n == "00:00.00")
    press("space")
    wait_for("the solve to run", lambda: start.name == "Stop" and display_label.name != "00:00.00")
    press("space")
    wait_for("the solve to wait", lambda: start.name == "Save")
    press("Return")
    wait_for("the solve to be saved", lambda: start.name == "Start" and times.childCount == 1)
    # Closed and opened again, then left open for Exit: none of it waits for the server.
    for state in ("off", "on"):
        box.queryComponent().grabFocus()
        wait_for("the Stackmat control to have the focus", lambda: box.getState().contains(pyatspi.STATE_FOCUSED))
        press("space")
        wait_for(f"the control to be {state}", lambda: box.getState().contains(pyatspi.STATE_CHECKED) == (state == "on"))
    find(main, "push button", lambda n: n == "Exit").queryAction().doAction(0)
    sys.exit(0)
wait_for("one capture stream", lambda: len(source_outputs()) == 1)
wait_for("the input named in the tooltip", lambda: "Monitor" in box.description)
print(f"control: {box.name!r}, {box.description!r}")

if MODE == "bench":
    # The stop packet comes alone after half a second of idle line, so its
    # end is found in the recording without decoding it.
    path = signal("bench", "I0:0.3,A0:0.2,run:1.5,gap:0.5,S1950:0.5,I0:0.2")
    delays = []
    for _ in range(5):
        line = Recorder("stackmat.monitor")
        wait_for("the recording to start", lambda: line.anchor is not None)
        player = subprocess.Popen(["paplay", "-d", "stackmat", path])
        wait_for("the timer's start", lambda: start.name == "Stop")
        while start.name != "Save":
            time.sleep(0.002)
        shown = time.monotonic()
        player.wait(timeout=PATIENCE)
        line.stop()
        # The gap: the line held at its idle level (not the silence before
        # the file plays); the packet ends a bit after its last edge.
        held, end, previous = 0, None, line.samples[0]
        for i, v in enumerate(line.samples):
            if abs(v - previous) > 500:
                if end is not None or held > RATE * 4 // 10:
                    end = i
                held = 0
            elif abs(v) > 1000 or end is not None:
                held += 1
                if end is not None and held > RATE // 60:
                    break
            previous = v
        end += RATE // 1200
        delays.append(1000 * (shown - line.instant(end)))
        press("Return")
        wait_for("Start", lambda: start.name == "Start")
    delays.sort()
    print(f"stop_packet_to_pending_shown_ms median={delays[2]:.1f} worst={delays[-1]:.1f} "
          "(goal: under 130, one packet period and 20 ms)")
    find(main, "push button", lambda n: n == "Exit").queryAction().doAction(0)
    sys.exit(0)


def rows():
    return [times.getChildAtIndex(i).name for i in range(times.childCount)]


def solve(path, expected):
    """Plays a timer's solve, saves it by key; the list gains `expected`."""
    before = rows()
    play(path)
    wait_for(f"{expected} to wait for its decision", lambda: start.name == "Save")
    press("Return")
    wait_for("Start", lambda: start.name == "Start")
    after = rows()
    print(f"recorded {after[len(before):]} (timer's figure {expected})")
    if after != before + [expected]:
        failures.append(f"expected {expected} recorded, the list reads {after}")


# 1. The countdown as inspection: started by key, ended by the timer's start.
# Its beeps go to the default output, never into the timer's line.
slider.queryValue().currentValue = 3
wait_for("the countdown of 3", lambda: slider.queryValue().currentValue == 3)
beeps = Recorder()
line = subprocess.Popen(["parec", "-d", "stackmat.monitor", "--raw", "--format=s16le", "--rate=48000",
                         "--channels=1"], stdout=subprocess.PIPE)
wait_for("the recording to start", lambda: beeps.anchor is not None)
press("space")
wait_for("the countdown", lambda: start.name == "Stop")
wait_for("two beeps", lambda: len(beeps.onsets()) >= 2, patience=10)
line.terminate()
line_bytes = line.stdout.read()
heard_on_line = array.array("h", line_bytes[: len(line_bytes) // 2 * 2])
beeps.stop()
loudest = max((abs(s) for s in heard_on_line), default=0)
print(f"countdown beeps on the default output: {len(beeps.onsets())}, loudest sample on the timer's line: {loudest}")
if loudest > 30:
    failures.append("the countdown's beeps reached the timer's line")
solve(signal("countdown", "I0:0.3,A0:0.3,run:3.2,S3200:1.0,I0:0.3"), "00:03.20")
slider.queryValue().currentValue = 0
wait_for("no countdown", lambda: slider.queryValue().currentValue == 0)

# 2-5. Two generations, both polarities, a quiet AC-coupled line.
solve(signal("inverted", "I0:0.5,A0:0.3,run:5.432,S5432:1.0,I0:0.3", "--inverted"), "00:05.43")
solve(signal("gen4", "I0:0.5,run:4.56,S4560:1.0,I0:0.3", "--digits", "5", "--stop-as-idle"), "00:04.56")
solve(signal("quiet", "I0:0.5,C0:0.3,run:2.71,S2710:1.0,I0:0.3", "--level", "-35", "--highpass", "20",
             "--noise-snr", "30"), "00:02.71")
solve(signal("six", "I0:0.5,A0:0.3,run:7.777,S7777:1.0,I0:0.3"), "00:07.78")

# The faults: nothing is recorded, Start stays Start.
recorded = rows()
play(signal("stray", "I0:0.5,A0:0.11,I0:0.5,S8120:0.5,I0:0.5"))
play(signal("damaged", "I0:0.5,run:0.55,I0:0.5", damage=(0.4, 1.2)))
if start.name != "Start" or rows() != recorded:
    failures.append(f"a stray, damaged or reset packet changed something: {start.name}, {rows()}")
play(signal("reset", "I0:0.5,run:2.0,I0:1.0"))
wait_for("the reset solve to be dropped", lambda: start.name == "Start")
if rows() != recorded:
    failures.append(f"the solve reset on the timer was recorded: {rows()}")

# Off by key: the stream goes.
box.queryComponent().grabFocus()
wait_for("the Stackmat control to have the focus", lambda: box.getState().contains(pyatspi.STATE_FOCUSED))
press("space")
wait_for("no capture stream", lambda: not source_outputs())

find(main, "push button", lambda n: n == "Exit").queryAction().doAction(0)
for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)

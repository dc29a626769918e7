#!/usr/bin/python3
"""Listens to the countdown of the real program, as a cuber would hear it.

The sound server's default sink is a null sink whose monitor is recorded;
beeps are found in the recording by their onsets. Keys come from the X
server's test extension (X11) or from wtype (Wayland); every step waits for
what the program shows through its accessibility tree, with an upper bound.

Usage: sound_e2e.py heard|tone|hung|bench  (keys: x11 unless SOUND_E2E_KEYS=wtype)
  heard  a countdown of 4 gives three beeps 1 s apart, none once timing runs;
         then a solve with a held key, saved by key (on Wayland: the key path)
  tone   as heard, and every beep is a tone of SOUND_E2E_PITCH Hz (1500:
         the program's own)
  hung   the server never answers: countdowns and solves are timed as ever
  bench  the delay from each countdown tick to the beep's onset
"""
import os
import re
import subprocess
import sys
import time

import pyatspi

from atspi_steps import PATIENCE, frame, wait_for
from recording import Recorder

MODE = sys.argv[1]
KEYS = os.environ.get("SOUND_E2E_KEYS", "x11")
# X stamps each key as it goes down; wtype's keys carry no stamp, so the
# program times them when it handles them, after the compositor.
TOLERANCE_MS = 30 if KEYS == "x11" else 50
PITCH = int(os.environ.get("SOUND_E2E_PITCH", "1500"))
MAIN_TITLE = "Quorvanta Rubik's Timer 3.0"
TIME_TEXT = re.compile(r"^\d\d:\d\d[.,]\d\d$")

if KEYS == "x11":
    from Xlib import X, XK, display
    from Xlib.ext import xtest
    x = display.Display()


def press(name, hold=0.1):
    """Presses a key for `hold` seconds; returns about when it went down."""
    if KEYS == "x11":
        code = x.keysym_to_keycode(XK.string_to_keysym(name))
        before = time.monotonic()
        xtest.fake_input(x, X.KeyPress, code)
        x.sync()
        at = (before + time.monotonic()) / 2
        time.sleep(hold)
        xtest.fake_input(x, X.KeyRelease, code)
        x.sync()
        return at
    # One wtype for both edges: a virtual keyboard that goes away takes its
    # held keys with it. It is up and typing a few ms after it starts, the
    # same few ms for every press, so intervals between presses hold.
    at = time.monotonic()
    subprocess.run(["wtype", "-P", name, "-s", str(round(hold * 1000)), "-p", name], check=True)
    return at


def find(root, role, name):
    return pyatspi.findDescendant(root, lambda o: o.getRoleName() == role and (name is None or name(o.name)))


main = wait_for("the main window", lambda: frame(MAIN_TITLE))
start = wait_for("the Start button", lambda: find(main, "push button", lambda n: n == "Start"))
display_label = wait_for("the time display", lambda: find(main, "label", lambda n: TIME_TEXT.match(n)))
slider = wait_for("the countdown slider", lambda: find(main, "slider", lambda n: n == "Countdown (s)"))
if KEYS == "x11":
    window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{MAIN_TITLE}$"],
                            capture_output=True, text=True).stdout.split()
    subprocess.run(["xdotool", "windowfocus", "--sync", window[0]], check=True)


def caption(text):
    wait_for(f'Start to read "{text}"', lambda: start.name == text)


def set_countdown(seconds):
    slider.queryValue().currentValue = seconds
    wait_for(f"the countdown to read {seconds}", lambda: slider.queryValue().currentValue == seconds)


def seconds_of(text):
    minutes, secs = text.replace(",", ".").split(":")
    return int(minutes) * 60 + float(secs)


def countdown():
    """A countdown started by key; once timing runs, returns the key-down
    instant and about when timing started, by the display."""
    caption("Start")
    began = press("space")
    caption("Stop")
    wait_for("timing to start", lambda: TIME_TEXT.match(display_label.name) and seconds_of(display_label.name) > 0.2,
             patience=PATIENCE)
    return began, time.monotonic() - seconds_of(display_label.name)


def timed_solve(seconds, hold=0.1):
    """Starts and stops a solve by key; returns (key-down interval, recorded) in ms."""
    caption("Start")
    if KEYS == "x11":
        began = press("space", hold)
        caption("Stop")
        time.sleep(max(0.0, began + seconds - time.monotonic()))
        interval = round((press("space", hold) - began) * 1000)
    else:
        # Both presses from one wtype, so the interval is its own sleeps.
        interval, held = round(seconds * 1000), round(hold * 1000)
        subprocess.run(["wtype", "-P", "space", "-s", str(held), "-p", "space", "-s", str(interval - held),
                        "-P", "space", "-s", str(held), "-p", "space"], check=True)
    caption("Save")
    return interval, round(seconds_of(display_label.name) * 1000)


failures = []


def check_solve(seconds, hold=0.1):
    interval, recorded = timed_solve(seconds, hold)
    print(f"solve: key-down interval {interval} ms, recorded {recorded} ms")
    if abs(interval - recorded) > TOLERANCE_MS:
        failures.append(f"a solve of {interval} ms was recorded as {recorded} ms")


def stop_and_save():
    caption("Stop")
    press("space")
    caption("Save")
    press("Return")
    caption("Start")


if MODE in ("heard", "tone"):
    recorder = Recorder()
    wait_for("the recording to start", lambda: recorder.anchor is not None)
    set_countdown(4)
    began, _ = countdown()
    first_run = display_label.name
    wait_for("the display to keep running", lambda: display_label.name != first_run)
    time.sleep(max(0.0, began + 6.0 - time.monotonic()))  # two seconds of timing, listened to
    stop_and_save()
    recorder.stop()
    onsets = [round(recorder.instant(i) - began, 3) for i in recorder.onsets()]
    pitches = [round(recorder.pitch(i)) for i in recorder.onsets()]
    print(f"beep onsets after the key went down (s): {onsets}, their pitch (Hz): {pitches}")
    if MODE == "tone" and not all(abs(p - PITCH) < 50 for p in pitches):
        failures.append(f"the beeps are not the {PITCH} Hz tone")
    if len(onsets) != 3:
        failures.append(f"expected three beeps, heard {len(onsets)}")
    elif not all(0.8 <= b - a <= 1.2 for a, b in zip(onsets, onsets[1:])) or not 0.8 <= onsets[0] <= 1.4:
        failures.append("the beeps are not 1 s apart from the key-down on")
    set_countdown(0)
    check_solve(1.2, hold=1.0)  # a held key acts once: held through the repeats, the solve still stops once
    press("Return")
    caption("Start")
elif MODE == "hung":
    set_countdown(4)
    began, started = countdown()
    print(f"timing started {started - began:.3f} s after the key went down")
    if abs(started - began - 4 * 0.998) > 0.3:
        failures.append("the countdown of 4 did not last 4 s")
    first_run = display_label.name
    wait_for("the display to keep running", lambda: display_label.name != first_run)
    stop_and_save()
    set_countdown(0)
    for seconds in (1.3, 0.8):
        check_solve(seconds)
        press("Return")
elif MODE == "bench":
    recorder = Recorder()
    wait_for("the recording to start", lambda: recorder.anchor is not None)
    set_countdown(4)
    ticks = []
    for _ in range(4):
        began, _ = countdown()
        ticks += [began + k * 0.998 for k in (1, 2, 3)]
        stop_and_save()
    time.sleep(0.5)
    recorder.stop()
    onsets = [recorder.instant(i) for i in recorder.onsets()]
    delays = sorted(1000 * min((o - t for o in onsets if o > t - 0.05), default=float("inf")) for t in ticks)
    heard = [d for d in delays if d < 500]
    print(f"countdown_beeps={len(ticks)} heard={len(heard)}")
    if heard:
        print(f"tick_to_onset_ms median={heard[len(heard) // 2]:.1f} worst={heard[-1]:.1f} (goal: under 100)")

# Exit ends the program at once, whatever the sound server does; the caller
# sees the process go.
find(main, "push button", lambda n: n == "Exit").queryAction().doAction(0)
for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)

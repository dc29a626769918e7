#!/usr/bin/python3
"""Listens to the countdown as a blind cuber hears it: the screen reader's real
voice and the program's beeps, recorded from one sound server.

Three countdowns of 4, the first started by Enter on the countdown slider
(the focus moves to the Start button as the slider is disabled), the others
by Enter on the button; each solve is stopped 3.5 s after the timing starts,
then saved. Speech is found in the recording as the sound that is not the
beep's tone. Speech heard as the timing starts must begin within 0.5 s of
it; from 1.5 s after the timing starts until the stop, nothing may be heard;
after the stop, the stopped time must be heard at once.
Prints the transcript: every beep and stretch of speech heard, in seconds
from the timing start, and what the speech server sent to the voice when.
Usage: orca_voice_e2e.py SPEECH_SERVER_LOG
"""
import datetime
import re
import sys
import time

import pyatspi

from atspi_steps import find, frame, press, wait_for
from recording import Recorder

SPEECH_LOG = sys.argv[1]
MAIN_TITLE = "Quorvanta Rubik's Timer 3.0"
TICK = 0.998  # the countdown's period
COUNTDOWN = 4
STOP_AFTER = 3.5  # seconds of timing before the stop
QUIET_FROM = 1.5  # seconds after the timing starts from which nothing is said
GO_WITHIN = 0.5  # a word for the timing's start begins this soon after it
# The instants of the recording and of the keys agree to some ms; the echo of
# the key that stops may seem to start just before it.
SLACK = 0.1
# The stopped time begins this soon after the stop, after the screen reader's
# echo of the key (0.4 s), and is said for longer than any echo.
HEARD_WITHIN = 2.0
TIME_SAID_FOR = 1.0
# The monotonic clock against the wall clock of the speech server's log.
WALL = time.time() - time.monotonic()


def sent_to_voice():
    """(monotonic instant, text) of each utterance the speech server sent to the voice."""
    sent = []
    pattern = re.compile(r"^\[(\w+ \w+ +\d+ [\d:]+ \d+) : (\d+)\] speechd: +Command sent to output module: \|(.*)\|")
    with open(SPEECH_LOG, encoding="utf-8", errors="replace") as log:
        for line in log:
            match = pattern.match(line)
            if match:
                wall = datetime.datetime.strptime(match[1], "%a %b %d %H:%M:%S %Y").timestamp()
                text = re.sub(r"<[^>]*>", "", match[3])
                sent.append((wall + int(match[2]) / 1e6 - WALL, text))
    return sent


recorder = Recorder()
wait_for("the recording to start", lambda: recorder.anchor is not None)


def quiet_for(seconds, since):
    """True once the last `seconds` of the recording, after `since`, hold no speech."""
    if time.monotonic() - since < seconds:
        return False
    spoken = recorder.voice(since=time.monotonic() - seconds - 0.1)
    return not spoken or spoken[-1][1] < time.monotonic() - seconds


def heard_for(seconds, since):
    """True once speech heard after `since` has gone on for `seconds`."""
    spoken = recorder.voice(since=since)
    return spoken and time.monotonic() - spoken[0][0] >= seconds


main = wait_for("the main window", lambda: frame(MAIN_TITLE))
start = wait_for("the Start button", lambda: find(main, "push button", "Start"))
slider = wait_for("the countdown slider", lambda: find(main, "slider", "Countdown (s)"))
display_label = wait_for("the time display", lambda: pyatspi.findDescendant(
    main, lambda o: o.getRoleName() == "label" and o.description == "Solve time"))
wait_for("the focus on Start", lambda: start.getState().contains(pyatspi.STATE_FOCUSED))
begun = time.monotonic()
wait_for("the screen reader to read the window", lambda: recorder.voice(since=begun))
wait_for("the screen reader to finish", lambda: quiet_for(1.0, begun))

press("Tab")
wait_for("Tab to reach the countdown slider", lambda: slider.getState().contains(pyatspi.STATE_FOCUSED))
for value in range(1, COUNTDOWN + 1):
    press("Right")
    wait_for(f"the countdown to read {value}", lambda: round(slider.queryValue().currentValue) == value)
set_at = time.monotonic()
wait_for("the screen reader to finish reading the slider", lambda: quiet_for(1.0, set_at))

solves = []
for number in range(3):
    began = press("Return")
    timing = began + COUNTDOWN * TICK
    wait_for("the timing to start", lambda: not display_label.name.startswith("-") and time.monotonic() > timing)
    time.sleep(max(0.0, timing + STOP_AFTER - time.monotonic()))
    stopped_at = press("space")
    wait_for("the stop", lambda: start.name == "Save" or "Save" in start.description)
    stopped = display_label.name
    settled = time.monotonic()
    wait_for("the stopped time to be said", lambda: quiet_for(1.0, settled))
    press("Return")
    saved = time.monotonic()
    # The result comes first; the next Enter cuts the scramble short, as
    # any key does.
    wait_for("the result to be heard", lambda: heard_for(1.5, saved))
    solves.append((began, timing, stopped_at, stopped))
recorder.stop()

sent = sent_to_voice()
stretches = recorder.voice(since=solves[0][0] - 1.0)
beeps = recorder.beeps(since=solves[0][0] - 1.0)
failures = []
for number, (began, timing, stopped_at, stopped) in enumerate(solves, 1):
    end = solves[number][0] - 0.5 if number < len(solves) else float("inf")
    print(f"countdown {number} (key down at {began - timing:+.2f} s, stopped at {stopped_at - timing:+.2f} s"
          f" as {stopped}); seconds from the timing start:")
    events = [(at, f"beep at {at - timing:+.2f}") for at in beeps if began - 0.5 <= at < end]
    events += [(a, f"heard {a - timing:+.2f} to {b - timing:+.2f}") for a, b in stretches
               if b >= began - 0.5 and a < end]
    events += [(at, f"    sent to the voice at {at - timing:+.2f}: {text[:60]}") for at, text in sent
               if began - 0.5 <= at < end]
    for _, line in sorted(events):
        print("  " + line)
    late = [f"{a - timing:+.2f} to {b - timing:+.2f} s" for a, b in stretches
            if a < stopped_at - SLACK and b > timing + QUIET_FROM]
    if late:
        failures.append(f"countdown {number}: speech heard while timing, {', '.join(late)} from its start")
    go = [f"{a - timing:+.2f} s" for a, b in stretches if timing + GO_WITHIN < a <= timing + QUIET_FROM]
    if go:
        failures.append(f"countdown {number}: speech began {', '.join(go)} after the timing started")
    after = [(a, b) for a, b in stretches if stopped_at - SLACK <= a <= stopped_at + HEARD_WITHIN]
    if not any(b - a >= TIME_SAID_FOR for a, b in after):
        failures.append(f"countdown {number}: the stopped time was not heard within {HEARD_WITHIN} s of the stop")
for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)

#!/usr/bin/python3
"""Times real solves with the real program, as a cuber's keyboard would.

Keys and clicks go through the X server's test extension, so the server stamps
and auto-repeats them like a keyboard's; every step waits for what the program
shows through its accessibility tree (the Start button's caption, a window)
before the next one, so a busy machine slows the test down but never puts it
out of step. Usage: timing_e2e.py HOLD_SECONDS
"""
import subprocess
import sys
import time

from Xlib import X, XK
from Xlib.ext import xtest

from atspi_steps import PATIENCE, click, find, focus, frame, wait_for, x

HOLD = float(sys.argv[1])  # how long every key is held down
MAIN_TITLE = "Quorvanta Rubik's Timer 3.0"


def key_down(name, down):
    """Sends one key edge; returns the instant the server stamped it, within a few ms."""
    code = x.keysym_to_keycode(XK.string_to_keysym(name))
    before = time.monotonic()
    xtest.fake_input(x, X.KeyPress if down else X.KeyRelease, code)
    x.sync()
    return (before + time.monotonic()) / 2


def hold(name):
    at = key_down(name, True)
    time.sleep(HOLD)
    key_down(name, False)
    return at


main = wait_for("the main window", lambda: frame(MAIN_TITLE))
start = wait_for("the Start button", lambda: find(main, "push button", "Start"))
button = {name: find(main, "push button", name) for name in ("+2", "DNF", "Discard", "Reset", "Details")}
focus(MAIN_TITLE)


def caption(text):
    wait_for(f'Start to read "{text}"', lambda: start.name == text)


def timed_solve(seconds):
    """Starts and stops a solve; returns the key-down interval in ms."""
    caption("Start")
    began = hold("space")
    caption("Stop")
    # Not before the key has been up a while, as a finger would lift it: X
    # stamps keys to the millisecond, and a release and a press at one
    # instant are the server's auto-repeat, which rightly does not act.
    time.sleep(max(0.0, max(began + seconds, began + HOLD + 0.05) - time.monotonic()))
    stopped = hold("space")
    caption("Save")
    return round((stopped - began) * 1000)


expected = []
for seconds in (1.2, 2.1, 0.7):
    expected.append(timed_solve(seconds))
    hold("Return")  # Save
expected.append(timed_solve(1.5) + 2000)
click(button["+2"])
timed_solve(0.5)
click(button["Discard"])
timed_solve(0.9)
click(button["DNF"])
caption("Start")


def clipboard():
    # Bytes: the report's own CR LF line ends are part of what is checked.
    return subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True).stdout.decode()


def copied_report():
    text = clipboard()
    return text if text.startswith("##--") else None


def copy_report():
    click(button["Details"])
    details = wait_for("the details window", lambda: frame("Session details"))
    subprocess.run(["xclip", "-selection", "clipboard"], input="(nothing copied)", text=True, check=True)
    wait_for("the clipboard to be cleared", lambda: clipboard() == "(nothing copied)")
    copy = wait_for("Copy to clipboard", lambda: find(details, "push button", "Copy to clipboard"))
    # A click may reach a window that a busy machine is still placing;
    # copying again does no harm.
    deadline = time.monotonic() + PATIENCE
    report = None
    while report is None and time.monotonic() < deadline:
        click(copy)
        report = wait_for("the report on the clipboard", copied_report, patience=5.0, give_up=False)
    if report is None:
        sys.exit("gave up waiting for the report on the clipboard")
    click(find(details, "push button", "Ok"))
    wait_for("the details window to close", lambda: frame("Session details") is None)
    return report


report = copy_report()
print(report)

failures = []
rows = {}
for line in report.splitlines():
    fields = line.split()
    if len(fields) >= 2 and fields[0].endswith(")") and fields[0][:-1].isdigit():
        rows[int(fields[0][:-1])] = fields[1]


def seconds_of(text):
    minutes, secs = text.split(":")
    return int(minutes) * 60 + float(secs)


for number, want in enumerate(expected, start=1):
    got = rows.get(number)
    if got is None or got == "DNF":
        failures.append(f"solve {number} is missing")
        continue
    off = abs(round(seconds_of(got) * 1000) - want)
    print(f"solve {number}: recorded {got}, key-down interval {want} ms, off by {off} ms")
    if off > 30:
        failures.append(f"solve {number} is off by {off} ms")
if rows.get(5) != "DNF":
    failures.append("row 5 is not the DNF")
if len(rows) != 5:
    failures.append(f"expected five solve rows, found {len(rows)}")
if "Worst: DNF" not in report:
    failures.append("worst is not the DNF")

# Reset, confirmed with Enter (Yes is the default), leaves the bare header.
click(button["Reset"])
wait_for("the reset question", lambda: frame("Warning"))
focus("Warning")
hold("Return")
wait_for("the reset question to close", lambda: frame("Warning") is None)
after_reset = copy_report()
if after_reset != "##--  Quorvanta Rubik's Timer Details  --##\r\n\r\n":
    failures.append(f"the report after the reset is not the bare header: {after_reset!r}")
caption("Start")

for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)

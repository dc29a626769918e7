#!/usr/bin/python3
"""Reads the real program's windows off the screen on a qt6ct look.

Times one solve, then takes screenshots of the main window, the session
details and the contest sheet, and measures on them, for every text a user
reads, the contrast between the text and its ground: the ground is a region's
commonest colour, the text its colour furthest from it. Every step waits for
what the program shows through its accessibility tree. The screenshots stay
in OUTDIR to be looked at. Usage: look_e2e.py OUTDIR NAME
"""
import collections
import subprocess
import sys
import time

import pyatspi
from Xlib import X, XK, display
from Xlib.ext import xtest

OUTDIR, NAME = sys.argv[1], sys.argv[2]
PATIENCE = 60.0
x = display.Display()


def wait_for(what, check):
    deadline = time.monotonic() + PATIENCE
    while time.monotonic() < deadline:
        try:
            found = check()
        except Exception:  # the tree is still being built or torn down
            found = None
        if found:
            return found
        time.sleep(0.02)
    sys.exit(f"gave up waiting for {what}")


def frame(title):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "quorvanta-timer":
            for child in app:
                if child is not None and child.name == title and child.getState().contains(pyatspi.STATE_SHOWING):
                    return child
    return None


def find(root, name, role=None):
    return pyatspi.findDescendant(root, lambda o: o.name == name and (role is None or o.getRoleName() == role))


def key(name):
    code = x.keysym_to_keycode(XK.string_to_keysym(name))
    for down in (True, False):
        xtest.fake_input(x, X.KeyPress if down else X.KeyRelease, code)
        x.sync()
        time.sleep(0.05)  # one key's press and release, as a finger makes them


def extents(widget):
    box = widget.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def click(widget):
    left, top, width, height = extents(widget)
    xtest.fake_input(x, X.MotionNotify, x=left + width // 2, y=top + height // 2)
    xtest.fake_input(x, X.ButtonPress, 1)
    xtest.fake_input(x, X.ButtonRelease, 1)
    x.sync()


def luminance(rgb):
    def linear(c):
        c /= 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (linear(c) for c in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = sorted((luminance(a), luminance(b)))
    return (lb + 0.05) / (la + 0.05)


def pixels(shot, box):
    """The pixels of a region of the screenshot, 3 px inside its edges (clear of frames)."""
    left, top, width, height = box
    crop = f"{width - 6}x{height - 6}+{left + 3}+{top + 3}"
    ppm = subprocess.run(["convert", shot, "-crop", crop, "+repage", "ppm:-"], capture_output=True, check=True).stdout
    # P6 header: magic, width, height, maximum, each ended by one white space.
    fields, at = [], 0
    while len(fields) < 4:
        end = at
        while ppm[end] not in b" \n":
            end += 1
        fields.append(ppm[at:end])
        at = end + 1
    data = ppm[at:]
    return [tuple(data[i:i + 3]) for i in range(0, len(data), 3)]


failures = []


def measure(shot, window, label, name, floor=4.5, role=None):
    widget = wait_for(label, lambda: find(window, name, role))
    colours = collections.Counter(pixels(shot, extents(widget)))
    ground = colours.most_common(1)[0][0]
    text = max(colours, key=lambda c: contrast(c, ground))
    ratio = contrast(text, ground)
    hexa = "#%02x%02x%02x"
    print(f"{NAME}: {label}: text {hexa % text} on {hexa % ground}: {ratio:.2f}:1")
    if ratio < floor:
        failures.append(f"{label} reads at {ratio:.2f}:1, under {floor}:1")


def screenshot(title, file):
    shot = f"{OUTDIR}/{NAME}-{file}.png"
    subprocess.run(["import", "-window", "root", shot], check=True)
    return shot


main = wait_for("the main window", lambda: frame("Quorvanta Rubik's Timer 3.0"))
start = wait_for("the Start button", lambda: find(main, "Start", "push button"))
window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Quorvanta Rubik's Timer 3.0$"],
                        capture_output=True, text=True).stdout.split()[0]
subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
for caption in ("Stop", "Save", "Start"):
    key("space")
    wait_for(f'Start to read "{caption}"', lambda: start.name == caption)
times = wait_for("the times list", lambda: find(main, "Times"))
wait_for("the recorded time", lambda: times.childCount > 0)

shot = screenshot("main", "main")
measure(shot, main, "time display", "00:00.00", floor=3.0)
measure(shot, main, "times", "Times")
measure(shot, main, "solve numbers", "Solve numbers")
scramble = wait_for("the scramble", lambda: pyatspi.findDescendant(main, lambda o: o.name.count(" ") > 20))
measure(shot, main, "scramble", scramble.name)
measure(shot, main, "web link", "https://quorvanta.example/rubiks-timer")
best = wait_for("the best time", lambda: pyatspi.findDescendant(main, lambda o: o.name.startswith("Best: ")))
measure(shot, main, "best time", best.name)

for button, title, file in (("Details", "Session details", "details"),
                            ("Generate 13 scrambles", "Scrambles for contest", "contest")):
    click(find(main, button, "push button"))
    dialog = wait_for(title, lambda: frame(title))
    wait_for(f"{title} to show its text", lambda: len(extents(find(dialog, "Ok" if file == "details" else "Close"))) == 4)
    shot = screenshot(title, file)
    box = wait_for(f"the text of {title}", lambda: pyatspi.findDescendant(dialog, lambda o: o.getRoleName() == "text"))
    measure(shot, dialog, f"{file} text", box.name, role="text")
    key("Escape")
    wait_for(f"{title} to close", lambda: frame(title) is None)

for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)

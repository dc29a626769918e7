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

from atspi_steps import click, extents, find, focus, frame, key, wait_for

OUTDIR, NAME = sys.argv[1], sys.argv[2]


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


def reading(shot, widget):
    """The commonest colour of the widget's region, the colour furthest from it, and their contrast."""
    colours = collections.Counter(pixels(shot, extents(widget)))
    ground = colours.most_common(1)[0][0]
    text = max(colours, key=lambda c: contrast(c, ground))
    return text, ground, contrast(text, ground)


def screenshot(file, widget):
    """The screen, taken once the widget's text is painted."""
    shot = f"{OUTDIR}/{NAME}-{file}.png"

    def painted():
        subprocess.run(["import", "-window", "root", shot], check=True)
        return reading(shot, widget)[2] > 1.0
    wait_for(f"the {file} text painted", painted)
    return shot


failures = []


def measure(shot, label, widget, floor=4.5):
    text, ground, ratio = reading(shot, widget)
    hexa = "#%02x%02x%02x"
    print(f"{NAME}: {label}: text {hexa % text} on {hexa % ground}: {ratio:.2f}:1")
    if ratio < floor:
        failures.append(f"{label} reads at {ratio:.2f}:1, under {floor}:1")


def named(root, what, test):
    return wait_for(what, lambda: pyatspi.findDescendant(root, lambda o: test(o.name)))


main = wait_for("the main window", lambda: frame("Quorvanta Rubik's Timer 3.0"))
start = wait_for("the Start button", lambda: find(main, "push button", "Start"))
focus("Quorvanta Rubik's Timer 3.0")
for caption in ("Stop", "Save", "Start"):
    key("space")
    wait_for(f'Start to read "{caption}"', lambda: start.name == caption)
times = wait_for("the times list", lambda: find(main, None, "Times"))
wait_for("the recorded time", lambda: times.childCount > 0)

shot = screenshot("main", times)
measure(shot, "time display", named(main, "the time", lambda n: n == "00:00.00"), floor=3.0)
measure(shot, "times", times)
measure(shot, "solve numbers", named(main, "the solve numbers", lambda n: n == "Solve numbers"))
measure(shot, "scramble", named(main, "the scramble", lambda n: n.count(" ") > 20))
measure(shot, "web link", named(main, "the link", lambda n: n == "https://quorvanta.example/rubiks-timer"))
measure(shot, "best time", named(main, "the best time", lambda n: n.startswith("Best: ")))

for button, title, file in (("Details", "Session details", "details"),
                            ("Generate 13 scrambles", "Scrambles for contest", "contest")):
    click(find(main, "push button", button))
    dialog = wait_for(title, lambda: frame(title))
    box = wait_for(f"the text of {title}", lambda: pyatspi.findDescendant(dialog, lambda o: o.getRoleName() == "text"))
    measure(screenshot(file, box), f"{file} text", box)
    key("Escape")
    wait_for(f"{title} to close", lambda: frame(title) is None)

for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)

#!/usr/bin/python3
"""The real program started in German: its captions read through the
accessibility tree and off a screenshot (OCR), one solve timed with the
keyboard, and the reset question answered with Qt's own German buttons.
Every step waits for what the program shows. Usage: language_e2e.py OUTDIR
"""
import re
import subprocess
import sys
import time

import pyatspi

from atspi_steps import click, extents, find, focus, frame, key, wait_for

OUTDIR = sys.argv[1]
TITLE = "Quorvanta Rubik's Timer 3.0"
failures = []


def screenshot(name):
    shot = f"{OUTDIR}/{name}.png"
    subprocess.run(["import", "-window", "root", shot], check=True)
    return shot


def read_off_screen(shot, widget):
    """The text OCR reads in the widget's region, on a margin of its ground, enlarged four times, as one line."""
    left, top, width, height = extents(widget)
    image = subprocess.run(["convert", shot, "-crop", f"{width}x{height}+{left}+{top}", "+repage", "-colorspace", "Gray",
                            "-bordercolor", "#eeeeee", "-border", "8", "-resize", "400%", "png:-"],
                           capture_output=True, check=True).stdout
    text = subprocess.run(["tesseract", "stdin", "stdout", "-l", "deu", "--psm", "7"], input=image,
                          capture_output=True, check=True).stdout.decode()
    return " ".join(text.split())


def shows(name, widget, caption):
    """Whether the caption is on the screen, the words whole (OCR may add a
    stray mark for a check box or an icon); a new screenshot while the window
    may still be painting."""
    seen = []

    def read():
        seen.append(read_off_screen(screenshot(name), widget))
        return caption in seen[-1]
    found = wait_for(f'"{caption}" on the screen', read, patience=20, give_up=False)
    print(f'on screen: "{caption}" read as "{seen[-1] if seen else ""}"')
    if not found:
        failures.append(f'"{caption}" is not on the screen (read "{seen[-1] if seen else ""}")')


main = wait_for("the main window", lambda: frame(TITLE))
start = wait_for("the Start button", lambda: find(main, "push button", "Start"))

# Through the accessibility tree: what a screen reader reads.
german = {
    "push button": ["Verwerfen", "Zurücksetzen", "Details", "Importieren", "Neuer Scramble",
                    "13 Scrambles erzeugen", "Über", "Beenden"],
    "radio button": ["12 Solves", "5 Solves", "3D-Würfel", "2D-Würfel"],
    "check box": ["Würfel zeigen"],
    "label": ["Geschrieben von Quorvanta", "Beste:", "Durchschnitt:"],
    "slider": ["Inspektion (s)"],
    "list": ["Zeiten"],
}
widgets = {}
for role, captions in german.items():
    for caption in captions:
        widgets[caption] = wait_for(f'{role} "{caption}"', lambda: find(main, role, caption))
for english in ("Discard", "Reset", "Import Scrambles", "Exit"):
    if find(main, None, english):
        failures.append(f'"{english}" is still in English')

# On the screen: what the user sees, for the enabled controls in reading
# fonts (the greyed Discard reads poorly to OCR, not to the eye).
for caption in ("Zurücksetzen", "Importieren", "Neuer Scramble", "13 Scrambles erzeugen", "Beenden",
                "Würfel zeigen", "Geschrieben von Quorvanta", "Durchschnitt:"):
    shows("de-main", widgets[caption], caption)

# A solve by keys, with the captions of Start in German.
focus(TITLE)
for caption in ("Stopp", "Speichern", "Start"):
    key("space")
    wait_for(f'Start to read "{caption}"', lambda: start.name == caption)
times = widgets["Zeiten"]
wait_for("the recorded time", lambda: times.childCount == 1)
row = times.getChildAtIndex(0).name
if not re.fullmatch(r"00:00,\d\d", row):
    failures.append(f'the recorded time reads "{row}", not a German time text')
wait_for("the best time", lambda: pyatspi.findDescendant(main, lambda o: o.name.startswith("Beste: 00:00,")))

# Qt's own buttons in the reset question.
click(widgets["Zurücksetzen"])
question = wait_for("the reset question", lambda: frame("Warnung"))
yes = wait_for("its Ja button", lambda: find(question, "push button", "Ja"))
no = find(question, "push button", "Nein")
shows("de-question", no, "Nein")
click(no)
wait_for("the question to close", lambda: frame("Warnung") is None)
if times.childCount != 1:
    failures.append("answering Nein reset the session")

for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)

#!/usr/bin/python3
"""Plays a 5-solve session as a blind cuber would, and checks what the screen reader says.

Keys go through the X server's test extension like a keyboard's; the size of
the session is chosen by the accessibility Toggle action, as a screen reader's
action menu does. Every step waits with a bound for what the program shows
through its accessibility tree or for what reaches the speech log, never for a
fixed time. Usage: orca_e2e.py SPEECH_LOG
"""
import re
import sys
import time

import pyatspi

from atspi_steps import find, frame, press, wait_for

SPEECH_LOG = sys.argv[1]
MAIN_TITLE = "Quorvanta Rubik's Timer 3.0"
ZERO = "00:00.00"


def transcript(since=0):
    """What the speech server received, from a position on; one utterance a line."""
    with open(SPEECH_LOG, encoding="utf-8") as log:
        return log.read()[since:]


def heard(pattern, since, what=None):
    """Waits until an utterance after SINCE matches PATTERN; returns where it ends."""
    regex = re.compile(pattern, re.MULTILINE)

    def check():
        match = regex.search(transcript(since))
        return since + match.end() if match else None

    return wait_for(what or f"the screen reader to say /{pattern}/", check)


# How the speech server's symbol table may hand punctuation to the voice:
# "00:01.23" reaches it as "00 colon 01 .23", "Scramble:" as "Scramble colon:".
SAID_AS = {":": r"\s*(?:colon\s*:?|:)\s*", ".": r"\s*(?:(?:dot|point)\s*\.?|\.)\s*"}


def spoken(text):
    """A pattern for TEXT as the voice receives it."""
    return r"\s*".join(SAID_AS.get(c, re.escape(c)) for c in text if not c.isspace())


def mark():
    return len(transcript())


def focused(widget):
    return widget.getState().contains(pyatspi.STATE_FOCUSED)


def main_window():
    main = wait_for("the main window", lambda: frame(MAIN_TITLE))
    named = {}
    for role, name in (("push button", "Start"), ("slider", "Countdown (s)"), ("radio button", "5 Solves"),
                       ("list", "Times")):
        named[name] = wait_for(f"the {role} {name}", lambda: find(main, role, name))
    named["display"] = wait_for("the time display", lambda: pyatspi.findDescendant(
        main, lambda o: o.getRoleName() == "label" and o.description == "Solve time"))
    named["scramble"] = wait_for("the scramble label", lambda: pyatspi.findDescendant(
        main, lambda o: o.getRoleName() == "label" and o.name.startswith(tuple("UDFBLR"))))
    return named


w = main_window()
start, slider, display_label = w["Start"], w["Countdown (s)"], w["display"]

# The screen reader reads the focus when the window comes up: the harness hears it.
wait_for("the focus on Start", lambda: focused(start))
heard(r"Start push button", 0, "the screen reader to read the focused Start button")


def toggle(option):
    """Checks the option by its Toggle action, which checks it without a click."""
    actions = option.queryAction()
    names = [actions.getName(i).lower() for i in range(actions.nActions)]
    if "toggle" not in names:
        sys.exit(f"{option.name} offers no Toggle action, only {names}")
    actions.doAction(names.index("toggle"))


toggle(w["5 Solves"])
wait_for("5 Solves to be checked", lambda: w["5 Solves"].getState().contains(pyatspi.STATE_CHECKED))
wait_for("the focus on Start", lambda: focused(start))


def slider_value():
    return round(slider.queryValue().currentValue)


def to_slider():
    at = mark()
    press("Tab")
    wait_for("Tab to reach the countdown slider", lambda: focused(slider))
    heard(r"slider", at, "the screen reader to read the slider when Tab reaches it")


def step_slider(key, want):
    press(key)
    wait_for(f"{key} to set the countdown to {want}", lambda: slider_value() == want)
    if not focused(slider):
        sys.exit(f"the focus left the countdown slider after {key}")


to_slider()
for value in (1, 2, 3, 4):
    step_slider("Right", value)


def caption(text):
    wait_for(f'Start to read "{text}"', lambda: start.name == text)


def timed_solve(at, at_least=ZERO):
    """Stops a running solve once the display passes AT_LEAST; returns the
    stopped time, where its announcement ends and the instant the key went down."""
    wait_for(f"the timing to pass {at_least}",
             lambda: display_label.name > at_least and not display_label.name.startswith("-"))
    pressed = press("space")
    caption("Save")
    stopped = display_label.name
    return stopped, heard(spoken(stopped), at, f"the stopped time {stopped} to be said"), pressed


# Qt's accessibility bridge holds every key until the screen reader has seen
# it, up to 100 ms, and hands it on without the X server's time stamp; the
# program still times the instant the key went down, to the display's
# hundredths and the few ms the test takes to read its own clock.
KEY_TOLERANCE = 0.03


def keyed_solve(number):
    """A solve started and stopped by keys, timed as the keys went down;
    returns the stopped time and where it is said."""
    began = press("Return")  # Enter starts from the slider and from Start alike
    caption("Stop")
    stopped, at, ended = timed_solve(mark(), "00:00.50")
    minutes, seconds = stopped.split(":")
    off = int(minutes) * 60 + float(seconds) - (ended - began)
    print(f"solve {number}: recorded {stopped}, keys {round((ended - began) * 1000)} ms apart")
    if abs(off) > KEY_TOLERANCE:
        sys.exit(f"solve {number} is off by {round(off * 1000)} ms")
    return stopped, at


def spoken_turns(text):
    """The turns of a scramble spoken as words ("R prime, U two, F"); None if anything else is in it."""
    turns = []
    for word in re.split(r"[\s,.]+", text.strip()):
        if word in ("prime", "two") and turns and len(turns[-1]) == 1:
            turns[-1] += " " + word
        elif len(word) == 1 and word in "UDFBLR":
            turns.append(word)
        elif word:
            return None
    return turns


def save(stopped, at):
    """Saves the stopped solve; returns the scramble said next and where it ends."""
    old_scramble = w["scramble"].name
    press("Return")
    wait_for("the next scramble", lambda: w["scramble"].name != old_scramble)
    at = heard(spoken("Saved " + stopped), at, f'"Saved {stopped}" to be said')
    scramble_at = heard(spoken("Scramble:"), at, "the next scramble to be said")
    at = heard(r"[^\n]*\n", scramble_at)
    said, shown = spoken_turns(transcript()[scramble_at:at]), spoken_turns(w["scramble"].name)
    if said is None or len(said) != 25 or said != shown:
        sys.exit(f'the scramble "{w["scramble"].name}" was said as "{transcript()[scramble_at:at]}"')
    return said, at


# One solve with a countdown of 4: Enter on the slider starts it, and the
# focus moves to the button. The beeps count down; the words are the button
# read as it takes the focus and "Go" as the timing starts.
at = mark()
press("Return")
caption("Stop")
at = heard(r"Stop push button", at, "the screen reader to read the button that took the focus")
went = heard(r"\bGo\b[^\n]*\n", at, 'the countdown to say "Go"')
if re.search(r"Countdown|\b[123]\b", transcript(at)[:went - at]):
    sys.exit(f"the countdown said more than Go: {transcript(at)[:went - at]}")
stopped, at, _ = timed_solve(went, "00:01.50")
# Sixty display refreshes went by, and not one of them was announced: the
# screen reader said the key it echoes and the stopped time.
said = [line for line in transcript(went)[:at - went].splitlines() if line.strip() not in ("", "space")]
if len(said) != 1:
    sys.exit(f"the screen reader said more than the stopped time while timing: {said}")
scramble, at = save(stopped, at)
scrambles = [scramble]

# Back to no countdown, by keys, for the rest of the session.
wait_for("the focus back on Start", lambda: focused(start))
to_slider()
step_slider("Page_Down", 0)

# Solves 2 to 5: the fifth ends the session, and no earlier one does.
for number in range(2, 5):
    scrambles.append(save(*keyed_solve(number))[0])
    if frame("Information") is not None:
        sys.exit(f"the session ended after {number} solves")
# A hundred random turns hold primes and doubles; each is said as a word.
said_turns = [turn for scramble in scrambles for turn in scramble]
for word in ("prime", "two"):
    if not any(turn.endswith(word) for turn in said_turns):
        sys.exit(f'no turn of four scrambles was said with "{word}"')
stopped, at = keyed_solve(5)
press("Return")
heard(r"The session has ended!", at, "the end of the session to be said")
question = wait_for("the end-of-session question", lambda: frame("Information"))
wait_for("the question to take the keyboard", lambda: question.getState().contains(pyatspi.STATE_ACTIVE))
rows = w["Times"].childCount
if rows != 5:
    sys.exit(f"the times list holds {rows} rows when the session ends")
press("Escape")  # No: the report is not wanted
wait_for("the question to close", lambda: frame("Information") is None)
# The result may come before the question or after the answer, but it comes.
heard(spoken("Saved " + stopped), at, f'"Saved {stopped}" to be said')
wait_for("Start to be disabled", lambda: not start.getState().contains(pyatspi.STATE_ENABLED))

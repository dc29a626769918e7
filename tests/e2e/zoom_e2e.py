#!/usr/bin/python3
"""The real program resized, maximized and put in full screen under a window
manager: at each size the form fills the window by one factor, its captions
read off the screen (OCR), no two controls overlap, none is cut off, the
turn arrows stand at their places beside the cube picture, and a solve timed
across the change of size keeps its stop instant and is saved. Every step
waits for what the program shows. Usage: zoom_e2e.py OUTDIR
"""
import subprocess
import sys
import time

import pyatspi
from Xlib import X
from Xlib.protocol import event

from atspi_steps import extents, find, focus, frame, key, press, wait_for, x

OUTDIR = sys.argv[1]
TITLE = "Quorvanta Rubik's Timer 3.0"
ROLES = {"push button", "radio button", "check box", "label", "list", "slider", "static", "image", "link"}
CAPTIONS = ("Import Scrambles", "New Scramble", "Generate 13 scrambles", "Reset", "Written by Quorvanta")
# The arrows' top-left corners relative to the tile picture at the form's own size, in creation order.
ARROWS = [(24, 306), (24, 326), (174, 304), (174, 324), (230, 296), (230, 316), (282, 238), (282, 258),
          (258, 324), (281, 324), (256, -76), (276, -76)]
failures = []

main = wait_for("the main window", lambda: frame(TITLE))
start = wait_for("the Start button", lambda: find(main, "push button", "Start"))
display = wait_for("the time display", lambda: pyatspi.findDescendant(main, lambda o: o.name == "00:00.00"))
picture = wait_for("the tile picture", lambda: find(main, "image", "3D cube"))
times = wait_for("the times list", lambda: find(main, None, "Times"))
window_id = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{TITLE}$"],
                           capture_output=True, text=True).stdout.split()[0]
focus(TITLE)
own = extents(main)[2:]
own_height = extents(display)[3]


def zoom_for(size):
    return max(1.0, min(size[0] / own[0], size[1] / own[1]))


def settled(size):
    """The window at this size and the form zoomed to it."""
    def check():
        if extents(main)[2:] != size:
            return False
        return abs(extents(display)[3] - own_height * zoom_for(size)) <= 3
    return check


def net_state(add, *names):
    """Asks the window manager to add or remove window states, as its own menu does."""
    window = x.create_resource_object("window", int(window_id))
    atoms = [x.intern_atom(n) for n in names] + [0] * (2 - len(names))
    message = event.ClientMessage(window=window, client_type=x.intern_atom("_NET_WM_STATE"),
                                  data=(32, [1 if add else 0, atoms[0], atoms[1], 1, 0]))
    x.screen().root.send_event(message, event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
    x.sync()


def caption(text):
    wait_for(f'Start to read "{text}"', lambda: start.name == text)


def read_off_screen(shot, widget, zoom):
    """The text OCR reads in the widget's region, enlarged to four times the form's own size, as one line."""
    left, top, width, height = extents(widget)
    image = subprocess.run(["convert", shot, "-crop", f"{width}x{height}+{left}+{top}", "+repage", "-colorspace", "Gray",
                            "-bordercolor", "#eeeeee", "-border", "8", "-resize", f"{400 / zoom:.0f}%", "png:-"],
                           capture_output=True, check=True).stdout
    text = subprocess.run(["tesseract", "stdin", "stdout", "-l", "eng", "--psm", "7"], input=image,
                          capture_output=True, check=True).stdout.decode()
    return " ".join(text.split())


def inside(a, b):
    return a[0] >= b[0] and a[1] >= b[1] and a[0] + a[2] <= b[0] + b[2] and a[1] + a[3] <= b[1] + b[3]


def overlap(a, b):
    return a[0] < b[0] + b[2] and b[0] < a[0] + a[2] and a[1] < b[1] + b[3] and b[1] < a[1] + a[3]


def check_form(name, size):
    zoom = zoom_for(size)
    print(f"{name}: window {size[0]}x{size[1]}, zoom {zoom:.3f}, time display {extents(display)[3]} px high")
    shot = f"{OUTDIR}/zoom-{name}.png"

    def painted():
        subprocess.run(["import", "-window", "root", shot], check=True)
        return "Import Scrambles" in read_off_screen(shot, find(main, "push button", "Import Scrambles"), zoom)
    wait_for(f"the {name} form painted", painted, patience=20, give_up=False)
    for text in CAPTIONS:
        widget = pyatspi.findDescendant(main, lambda o: o.name == text)
        read = read_off_screen(shot, widget, zoom)
        if text not in read:
            failures.append(f'{name}: "{text}" read as "{read}"')

    window = extents(main)
    controls = [(o.name, o.getRoleName(), extents(o)) for o in pyatspi.findAllDescendants(
        main, lambda o: o.getRoleName() in ROLES and o.getState().contains(pyatspi.STATE_SHOWING))]
    controls = [c for c in controls if c[2][2] > 1 and c[2][3] > 1]
    arrows = [c for c in controls if c[0].startswith("Turn ")]
    for i, (a_name, a_role, a) in enumerate(controls):
        if not inside(a, window):
            failures.append(f"{name}: {a_role} {a_name!r} {a} is cut off by the window {window}")
        for b_name, b_role, b in controls[i + 1:]:
            beside = {a_role, b_role} == {"image", "push button"} or (a_name + b_name).count("Turn ") == 2
            if overlap(a, b) and not beside:
                failures.append(f"{name}: {a_role} {a_name!r} {a} overlaps {b_role} {b_name!r} {b}")
    if len(arrows) != len(ARROWS):
        failures.append(f"{name}: {len(arrows)} arrows shown")
    pic = extents(picture)
    for (arrow, _, box), (dx, dy) in zip(arrows, ARROWS):
        want = (pic[0] + dx * zoom, pic[1] + dy * zoom)
        if abs(box[0] - want[0]) > 3 or abs(box[1] - want[1]) > 3:
            failures.append(f"{name}: {arrow!r} at {box[:2]}, not beside the picture at {want}")


def solve_across(name, change, size):
    """A solve started at one size and stopped at the next: the size changes
    while it runs, the display keeps counting, the stop keeps its key's instant."""
    caption("Start")
    began = press("space")
    caption("Stop")
    change()
    wait_for(f"the window {name}", settled(size))
    first = display.name
    wait_for("the display to count on", lambda: display.name != first)
    time.sleep(max(0.0, began + 1.0 - time.monotonic()))
    stopped = press("space")
    caption("Save")
    press("space")
    caption("Start")
    return round((stopped - began) * 1000)


def size_of(name, change):
    """The window's size once it has changed by `change` and stays so."""
    before = extents(main)[2:]
    change()
    wait_for(f"the window {name}", lambda: extents(main)[2:] != before)
    return wait_for(f"the window {name} to settle", lambda: settled(extents(main)[2:])() and extents(main)[2:])


intervals = []
check_form("own-size", own)
steps = [
    ("1920x1080", lambda: subprocess.run(["xdotool", "windowsize", "--sync", window_id, "1920", "1080"], check=True)),
    ("maximized", lambda: net_state(True, "_NET_WM_STATE_MAXIMIZED_VERT", "_NET_WM_STATE_MAXIMIZED_HORZ")),
    ("full-screen", lambda: key("F11")),
]
sizes = {}
for name, change in steps:
    # The size each change gives, found once with no solve running; then a solve across the same change.
    sizes[name] = size_of(name, change)
    undo = {"1920x1080": lambda: subprocess.run(["xdotool", "windowsize", "--sync", window_id, str(own[0]), str(own[1])]),
            "maximized": lambda: net_state(False, "_NET_WM_STATE_MAXIMIZED_VERT", "_NET_WM_STATE_MAXIMIZED_HORZ"),
            "full-screen": lambda: key("F11")}[name]
    previous = size_of(f"back from {name}", undo)
    intervals.append(solve_across(name, change, sizes[name]))
    check_form(name, sizes[name])
    print(f"{name}: back to {previous[0]}x{previous[1]}")

# F11 leaves full screen for the maximized window, and a restored window takes its size before.
if size_of("out of full screen", lambda: key("F11")) != sizes["maximized"]:
    failures.append("leaving full screen did not return to the maximized window")
if size_of("restored", lambda: net_state(False, "_NET_WM_STATE_MAXIMIZED_VERT", "_NET_WM_STATE_MAXIMIZED_HORZ")) != sizes["1920x1080"]:
    failures.append("the restored window did not return to 1920x1080")

wait_for("the saved solves", lambda: times.childCount == len(intervals))
for number, want in enumerate(intervals, start=1):
    minutes, seconds = times.getChildAtIndex(number - 1).name.split(":")
    got = round((int(minutes) * 60 + float(seconds)) * 1000)
    print(f"solve {number}: recorded {got} ms, key-down interval {want} ms")
    if abs(got - want) > 30:
        failures.append(f"solve {number} across {steps[number - 1][0]} is off by {abs(got - want)} ms")

for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)

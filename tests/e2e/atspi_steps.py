"""Steps shared by the end-to-end tests: the program is read through its
accessibility tree and worked through the X server's test extension, and
every step waits, with an upper bound, for what the program shows."""
import subprocess
import sys
import time

import pyatspi
from Xlib import X, XK
from Xlib.display import Display
from Xlib.ext import xtest

PATIENCE = 60.0  # upper bound for any one step on a loaded machine
_display = None


def xserver():
    """The X server, opened on first use: a Wayland test has none."""
    global _display
    if _display is None:
        _display = Display()
    return _display


def __getattr__(name):
    if name == "x":
        return xserver()
    raise AttributeError(name)


def wait_for(what, check, patience=PATIENCE, give_up=True):
    deadline = time.monotonic() + patience
    while time.monotonic() < deadline:
        try:
            found = check()
        except Exception:  # the tree is still being built or torn down
            found = None
        if found:
            return found
        time.sleep(0.02)
    if give_up:
        sys.exit(f"gave up waiting for {what}")
    return None


def find(root, role, name):
    """The descendant with this name and role (any role for None)."""
    return pyatspi.findDescendant(root, lambda o: o.name == name and role in (None, o.getRoleName()))


def frame(title):
    """The shown window with this title, None while there is none."""
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "quorvanta-timer":
            for child in app:
                if (child is not None and child.name == title
                        and child.getState().contains(pyatspi.STATE_SHOWING)):
                    return child
    return None


def extents(widget):
    box = widget.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def click(widget):
    x = xserver()
    left, top, width, height = extents(widget)
    xtest.fake_input(x, X.MotionNotify, x=left + width // 2, y=top + height // 2)
    xtest.fake_input(x, X.ButtonPress, 1)
    xtest.fake_input(x, X.ButtonRelease, 1)
    x.sync()


def focus(title):
    window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                            capture_output=True, text=True).stdout.split()
    subprocess.run(["xdotool", "windowfocus", "--sync", window[0]], check=True)


def key(name):
    """One key's press and release, as a finger makes them."""
    code = xserver().keysym_to_keycode(XK.string_to_keysym(name))
    for down in (True, False):
        xtest.fake_input(xserver(), X.KeyPress if down else X.KeyRelease, code)
        xserver().sync()
        time.sleep(0.05)


def press(name):
    """Presses and lets go of a key; returns the instant it went down, within a few ms."""
    display = xserver()
    code = display.keysym_to_keycode(XK.string_to_keysym(name))
    before = time.monotonic()
    xtest.fake_input(display, X.KeyPress, code)
    display.sync()
    down = (before + time.monotonic()) / 2
    xtest.fake_input(display, X.KeyRelease, code)
    display.sync()
    return down

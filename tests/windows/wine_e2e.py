#!/usr/bin/python3
"""Drives the installed program under Wine by keys, as a cuber would.

Wine offers no accessibility tree, so every step waits for what the X server
shows: a window by its title, or the main window's picture moving (the clock
runs) or holding still (the program waits for a key). Keys go through the X
server's test extension, so the server stamps them like a keyboard's; a
solve's key-down interval is read from those stamps, as the main window
receives the keys, so a stalled test process cannot skew it. The stackmat
part turns the Stackmat input on by key and plays five timers' solves into
the default input; the times recorded are the timers' figures.
Usage: wine_e2e.py session|full_disk|beeps|bench|stackmat|dpiNNN|languages SHORTCUT
"""
import array
import hashlib
import os
import re
import statistics
import subprocess
import sys
import threading
import time

from Xlib import X, XK, display
from Xlib.ext import xtest

PART, SHORTCUT = sys.argv[1], sys.argv[2]
MAIN_TITLE = "Quorvanta Rubik's Timer 3.0"
SPLASH_TITLE = "Starting Quorvanta Rubik's Timer"
PATIENCE = 60.0  # seconds; a busy machine is slow, a broken program never gets there
TOLERANCE_MS = 30
x = display.Display()


def wait_for(what, probe, patience=PATIENCE):
    deadline = time.monotonic() + patience
    while time.monotonic() < deadline:
        value = probe()
        if value:
            return value
        time.sleep(0.02)
    sys.exit(f"gave up waiting for {what}")


def window(title):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                           capture_output=True, text=True).stdout.split()
    return int(found[0]) if found else None


def focus(title):
    subprocess.run(["xdotool", "windowfocus", "--sync", str(wait_for(f'the window "{title}"', lambda: window(title)))],
                   check=True)


def picture(wid):
    """A digest of the window's pixels, of its part on the screen (a full-screen window stands over the edges)."""
    win = x.create_resource_object("window", wid)
    geometry = win.get_geometry()
    screen = x.screen()
    origin = screen.root.translate_coords(win, 0, 0)
    left, top = max(0, -origin.x), max(0, -origin.y)
    width = min(geometry.width, screen.width_in_pixels - origin.x) - left
    height = min(geometry.height, screen.height_in_pixels - origin.y) - top
    data = win.get_image(left, top, width, height, X.ZPixmap, 0xFFFFFFFF).data
    return hashlib.sha1(data).digest()


def moving(wid):
    first = picture(wid)
    time.sleep(0.06)
    return picture(wid) != first


def still(wid):
    first = picture(wid)
    time.sleep(0.2)
    return picture(wid) == first


def key(name, down):
    """Sends one key edge; returns the instant the server stamped it, within a few ms."""
    code = x.keysym_to_keycode(XK.string_to_keysym(name))
    before = time.monotonic()
    xtest.fake_input(x, X.KeyPress if down else X.KeyRelease, code)
    x.sync()
    return (before + time.monotonic()) / 2


def tap(name, hold=0.05):
    at = key(name, True)
    time.sleep(hold)
    key(name, False)
    return at


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "30", text], check=True)


def clipboard():
    """The clipboard's text; empty while its owner does not answer."""
    try:
        return subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True, timeout=5).stdout.decode()
    except subprocess.TimeoutExpired:
        return ""


def down_stamp(wid, name):
    """Presses and releases a key on the main window; returns the X server's
    stamp of its going down, in ms."""
    code = x.keysym_to_keycode(XK.string_to_keysym(name))
    tap(name)
    deadline = time.monotonic() + PATIENCE
    while time.monotonic() < deadline:
        while x.pending_events():
            event = x.next_event()
            if event.type == X.KeyPress and event.window.id == wid and event.detail == code:
                return event.time
        time.sleep(0.005)
    sys.exit(f"the main window never received {name}")


def launch(splash=None):
    """Starts the program from its Start menu entry, showing the splash titled
    `splash` if given; returns the main window, whose key events we receive too."""
    began = time.monotonic()
    subprocess.Popen(["wine", "start", "/unix", SHORTCUT], stdin=subprocess.DEVNULL,
                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wait_for("the first window", lambda: window(splash or SPLASH_TITLE) or window(MAIN_TITLE))
    if splash and not window(splash):
        sys.exit(f'the program started without its splash "{splash}"')
    first = time.monotonic() - began
    main = wait_for("the main window", lambda: window(MAIN_TITLE))
    print(f"launch to first window: {first:.2f} s, to the main window: {time.monotonic() - began:.2f} s")
    # Away from the windows, so keys go to the focused window itself.
    subprocess.run(["xdotool", "mousemove", "0", "0"], check=True)
    focus(MAIN_TITLE)
    x.create_resource_object("window", main).change_attributes(event_mask=X.KeyPressMask)
    x.sync()
    # Wine turns the X server's stamps into message times by an offset it
    # takes from the first input event it handles, at start-up often a second
    # late, and afterwards only ever lowers to the quickest handling it has
    # seen: a solve whose start and stop fall either side of such a lowering
    # loses it. Keys the program ignores, taken one at a time, let it settle
    # before a key is timed; Windows stamps keys with its own tick count.
    for _ in range(40):
        tap("Shift_L")
        time.sleep(0.05)
    return main


def timed_solve(main, seconds):
    """A solve by the space bar, saved by Enter; returns the key-down interval in ms."""
    wait_for("the program to wait for a key", lambda: still(main))
    while x.pending_events():
        x.next_event()
    began = down_stamp(main, "space")
    wait_for("the clock to run", lambda: moving(main))
    time.sleep(seconds)
    stopped = down_stamp(main, "space")
    wait_for("the clock to stop", lambda: still(main))
    shown = picture(main)
    tap("Return")
    wait_for("the solve to be saved", lambda: picture(main) != shown)
    return stopped - began


def recorded_times(report):
    """The report's solve rows, in ms, by their number."""
    rows = {}
    for line in report.splitlines():
        fields = line.split()
        if len(fields) >= 2 and fields[0].endswith(")") and fields[0][:-1].isdigit():
            minutes, secs = fields[1].replace(",", ".").split(":")
            rows[int(fields[0][:-1])] = round((int(minutes) * 60 + float(secs)) * 1000)
    return rows


def session(main, count, keep_details=False):
    """A whole session of `count` solves; returns the key-down intervals and the
    report copied from the details window, which is then closed unless kept."""
    intervals = [timed_solve(main, 0.6 + 0.15 * (i % 7)) for i in range(count)]
    wait_for('"The session has ended!"', lambda: window("Information"))
    focus("Information")
    tap("Return")  # Yes: see the results
    focus("Session details")
    # Nothing of ours goes on the clipboard: Wine's clipboard can stop
    # answering after an X client has owned it. A report copied before is
    # another session's, with other times.
    before = clipboard()
    tap("Tab")  # from the report to "Copy to clipboard"
    tap("space")
    report = wait_for("the report on the clipboard",
                      lambda: (text := clipboard()).startswith("##--") and text != before and text)
    if not keep_details:
        close_details()
    return intervals, report


def close_details():
    focus("Session details")
    tap("Escape")
    wait_for("the details window to close", lambda: window("Session details") is None)


def check_times(intervals, rows, failures):
    """Each solve's recorded time against its key-down interval, all in ms."""
    offs = []
    for number, want in enumerate(intervals, start=1):
        got = rows.get(number)
        if got is None:
            failures.append(f"solve {number} is missing from the report")
            continue
        offs.append(abs(got - want))
        print(f"solve {number}: recorded {got} ms, key-down interval {want} ms, off by {offs[-1]} ms")
    if offs:
        print(f"stop error over {len(offs)} solves: median {statistics.median(offs):.0f} ms, worst {max(offs)} ms")
    failures += [f"a solve is off by {off} ms" for off in offs if off > TOLERANCE_MS]


def save_as(path, tabs):
    """Save to file in the details window, `tabs` Tab presses away from the
    focused control; the name typed into the file dialog."""
    focus("Session details")
    for _ in range(tabs):
        tap("Tab")
    tap("space")
    focus("Save results on file")
    type_text(path)
    tap("Return")


def shown_times(main):
    """The times the main window shows (the clock and the list), read by OCR."""
    png = f"{os.environ['WINE_E2E_WORK']}/main.png"
    subprocess.run(["import", "-window", str(main), "-resize", "300%", "-colorspace", "Gray", png], check=True)
    text = subprocess.run(["tesseract", png, "-", "--psm", "11"], capture_output=True, text=True).stdout
    return re.findall(r"\d\d:\d\d[.,]\d\d", text.replace(" ", ""))


def icon_difference(main, png):
    """The mean difference per channel (0-255) between the window's 32-pixel
    icon and the picture in `png`."""
    prop = x.create_resource_object("window", main).get_full_property(x.intern_atom("_NET_WM_ICON"),
                                                                       X.AnyPropertyType)
    values, icon = list(prop.value) if prop else [], None
    while len(values) >= 2:
        width, height = values[0], values[1]
        if width == height == 32:
            icon = values[2:2 + 32 * 32]
        values = values[2 + width * height:]
    if icon is None:
        sys.exit("the main window has no 32-pixel icon")
    want = subprocess.run(["convert", png, "-resize", "32x32!", "-depth", "8", "rgba:-"], capture_output=True,
                          check=True).stdout
    got = bytes(b for argb in icon for b in ((argb >> 16) & 255, (argb >> 8) & 255, argb & 255, (argb >> 24) & 255))
    return sum(abs(a - b) for a, b in zip(got, want)) / len(want)


def close(main):
    """Alt+F4 on the main window ends the program."""
    focus(MAIN_TITLE)
    key("Alt_L", True)
    tap("F4")
    key("Alt_L", False)
    wait_for("the program to close", lambda: window(MAIN_TITLE) is None)


failures = []
main = launch()
if PART == "session":
    intervals, report = session(main, 12)
    print(report)
    rows = recorded_times(report)
    check_times(intervals, rows, failures)
    if len(rows) != 12:
        failures.append(f"the copied report has {len(rows)} solve rows, not 12")
elif PART == "bench":
    # Two sessions of 12, the program started anew for the second.
    intervals, report = session(main, 12)
    rows = recorded_times(report)
    close(main)
    main = launch()
    more, report = session(main, 12)
    rows.update({number + 12: ms for number, ms in recorded_times(report).items()})
    check_times(intervals + more, rows, failures)
elif PART == "full_disk":
    disk = os.environ["WINE_E2E_DISK"]
    with open(f"{disk}/report.txt", "w") as old:
        old.write("the report saved before\r\n")
    _, report = session(main, 12, keep_details=True)
    # The run's first save, of a bare name, goes to the user's Documents, not
    # to the Program Files folder the Start menu entry starts the program in.
    save_as("first", tabs=1)  # from "Copy to clipboard"
    users = f"{os.environ['WINEPREFIX']}/drive_c/users"
    wait_for("first.txt in Documents", lambda: any(
        os.path.exists(f"{users}/{user}/Documents/first.txt") for user in os.listdir(users)))
    save_as("F:\\fresh", tabs=0)  # the focus is back on "Save to file"
    # The save writes a temporary file beside the target first: it is done
    # once that has gone, or once it says it failed.
    new = wait_for("the save to end", lambda: window("ERROR") or (
        (names := sorted(set(os.listdir(disk)) - {"report.txt"})) and not any(n.endswith(".tmp") for n in names) and names))
    if new != ["fresh.txt"]:
        sys.exit(f'saving as "F:\\fresh" onto a disk with room gave {new}, not fresh.txt')
    saved = wait_for("F:\\fresh.txt written", lambda: open(f"{disk}/fresh.txt", "rb").read())
    # X clipboards carry LF; the file must have the report's own CR LF.
    if saved != report.replace("\r\n", "\n").replace("\n", "\r\n").encode():
        failures.append(f"the saved report is not the copied one with CR LF line ends: {saved[:80]!r}")
    with open(f"{disk}/filler", "wb", buffering=0) as filler:  # the disk filled to the last byte
        try:
            while True:
                filler.write(b"\0" * 4096)
        except OSError:
            pass
    save_as("F:\\report", tabs=0)  # the focus is back on "Save to file"
    wait_for('"The file could not be saved!"', lambda: window("ERROR"))
    focus("ERROR")
    tap("Return")
    wait_for("the message to close", lambda: window("ERROR") is None)
    if open(f"{disk}/report.txt", "rb").read() != b"the report saved before\r\n":
        failures.append("saving onto the full disk did not keep the old report")
    left = sorted(set(os.listdir(disk)) - {"report.txt", "fresh.txt", "filler"})
    if left:
        failures.append(f"saving onto the full disk left {left}")
    close_details()
elif PART == "beeps":
    # The null sink's monitor, read as it comes; the countdown starts once
    # the recording runs.
    rate = 48000
    recording = subprocess.Popen(["parec", "-d", "quiet.monitor", "--raw", "--format=s16le", f"--rate={rate}",
                                  "--channels=1", "--latency-msec=5"], stdout=subprocess.PIPE)
    data = bytearray()
    reader = threading.Thread(target=lambda: [data.extend(c) for c in iter(lambda: recording.stdout.read1(4096), b"")],
                              daemon=True)
    reader.start()
    wait_for("the recording to start", lambda: len(data) > 0)
    focus(MAIN_TITLE)
    tap("Tab")  # from Start to the countdown slider
    for _ in range(4):
        tap("Right")
    began = tap("Return")  # Enter on the slider starts the countdown
    wait_for("the countdown to end and the clock to run", lambda: time.monotonic() > began + 6 and moving(main), 30)
    tap("space")
    wait_for("the clock to stop", lambda: still(main))
    recording.terminate()
    reader.join(timeout=PATIENCE)
    samples = array.array("h", bytes(data[: len(data) // 2 * 2]))
    # A beep begins after half a second of silence: a busy machine may break
    # one beep's sound, never by that much.
    onsets, last = [], None
    for i, v in enumerate(samples):
        if abs(v) > 1000:
            if last is None or i - last > rate // 2:
                onsets.append(round(i / rate, 2))
            last = i
    print(f"beep onsets in the recording (s): {onsets}")
    if len(onsets) != 3:
        failures.append(f"expected three beeps in the sound server, heard {len(onsets)}")
    elif not all(0.7 <= b - a <= 1.3 for a, b in zip(onsets, onsets[1:])):
        failures.append("the beeps are not 1 s apart")
elif PART == "stackmat":
    def capture_streams():
        return subprocess.run(["pactl", "list", "short", "source-outputs"], capture_output=True, text=True,
                              check=True).stdout.strip().splitlines()

    def solve(script, *options):
        """Plays a timer's solve into the input; Enter saves it once it waits."""
        path = f"{os.environ['WINE_E2E_WORK']}/solve.wav"
        # The tool runs on the C++ runtime the program installed.
        env = dict(os.environ, WINEPATH="C:\\Program Files\\Quorvanta Rubik's Timer")
        subprocess.run(["wine", os.environ["WINE_E2E_STACKMAT_WAV"], "Z:" + path.replace("/", "\\"), "--script",
                        script, *options], check=True, stdin=subprocess.DEVNULL, env=env)
        shown = picture(main)
        subprocess.run(["paplay", "-d", "stackmat", path], check=True, timeout=PATIENCE)
        wait_for("the timer's stop to be shown", lambda: picture(main) != shown and still(main))
        shown = picture(main)
        tap("Return")
        wait_for("the solve to be saved", lambda: picture(main) != shown)

    if capture_streams():
        failures.append("a capture stream is open before the Stackmat input is on")
    focus(MAIN_TITLE)
    for _ in range(3):
        tap("Tab")  # from Start past the countdown slider and the Stackmat check box to "12 Solves"
    tap("Down")  # "5 Solves"; the focus goes back to Start
    wait_for("the program to wait for a key", lambda: still(main))
    tap("Tab")
    tap("Tab")
    tap("space")  # the Stackmat input on; the focus goes back to Start
    wait_for("one capture stream", lambda: len(capture_streams()) == 1)
    solve("I0:0.5,A0:0.3,run:3.2,S3200:1.0,I0:0.3")
    solve("I0:0.5,A0:0.3,run:5.432,S5432:1.0,I0:0.3", "--inverted")
    solve("I0:0.5,run:4.56,S4560:1.0,I0:0.3", "--digits", "5", "--stop-as-idle")
    solve("I0:0.5,C0:0.3,run:2.71,S2710:1.0,I0:0.3", "--level", "-35", "--highpass", "20", "--noise-snr", "30")
    solve("I0:0.5,A0:0.3,run:7.777,S7777:1.0,I0:0.3")
    wait_for('"The session has ended!"', lambda: window("Information"))
    focus("Information")
    tap("Return")  # Yes: see the results
    focus("Session details")
    tap("Tab")  # from the report to "Copy to clipboard"
    tap("space")
    report = wait_for("the report on the clipboard", lambda: (text := clipboard()).startswith("##--") and text)
    rows = recorded_times(report)
    print(f"recorded (ms): {rows}")
    if rows != {1: 3200, 2: 5430, 3: 4560, 4: 2710, 5: 7780}:
        failures.append("the recorded times are not the timers' figures")
    close_details()
elif PART.startswith("dpi"):
    # The screen's dots per inch (the prefix's LogPixels): the window opens at
    # the form's size times their scale, nothing cut off at its edges; F11
    # zooms the form to the whole screen, a solve is timed there, and F11
    # returns the window to its size. (Wine's thin captions defeat OCR; the
    # edges tell a cut-off form: its lists and picture would run into them.)
    ratio = int(PART[3:]) / 96

    def size():
        geometry = x.create_resource_object("window", main).get_geometry()
        return geometry.width, geometry.height

    def whole(name, frame):
        """Whether the form's left, right and bottom edges, 6 px deep inside
        the window's frame of `frame` px (the title bar above), are bare ground."""
        subprocess.run(["import", "-window", str(main), f"{os.environ['WINE_E2E_SHOTS']}/{PART}-{name}.png"], check=True)
        width, height = size()
        # Read off the screen: a window over its edges cannot give its own pixels there.
        root = x.screen().root
        origin = root.translate_coords(x.create_resource_object("window", main), 0, 0)
        bands = {"left": (frame, height // 2, 6, height // 2 - frame - 6),
                 "right": (width - frame - 6, height // 2, 6, height // 2 - frame - 6),
                 "bottom": (frame, height - frame - 6, width - 2 * frame, 6)}
        colours = {}
        for edge, (left, top, w, h) in bands.items():
            data = root.get_image(origin.x + left, origin.y + top, w, h, X.ZPixmap, 0xFFFFFFFF).data
            colours[edge] = {bytes(data[i:i + 3]) for i in range(0, len(data), 4)}
        print(f"{name}: {width}x{height}, colours along the edges: {[len(c) for c in colours.values()]}")
        return len(set.union(*colours.values())) == 1

    opened = size()
    # The window's own frame, which Wine draws, comes on top of the form.
    if not (938 * ratio <= opened[0] <= 938 * ratio + 40 and 490 * ratio <= opened[1] <= 490 * ratio + 80):
        failures.append(f"the window opened at {opened}, not the form's 938x490 times {ratio}")
    if not whole("opened", (opened[0] - round(938 * ratio)) // 2):
        failures.append("the form runs into the window's edges as it opened")
    focus(MAIN_TITLE)
    tap("F11")
    screen = x.screen()
    # Qt's full-screen window on Windows stands a pixel over the screen's edges.
    wait_for("full screen", lambda: size() >= (screen.width_in_pixels, screen.height_in_pixels))
    timed_solve(main, 0.5)
    if not whole("full-screen", 2):
        failures.append("the form runs into the screen's edges in full screen")
    tap("F11")
    wait_for("the window back at its size", lambda: size() == opened)

elif PART == "languages":
    # The window's icon is the exe's.
    difference = icon_difference(main, os.environ["WINE_E2E_ICON"])
    print(f"the window's icon against the exe's: {difference:.1f} of 255 apart per channel")
    if difference > 8:
        failures.append(f"the window's icon is not the exe's ({difference:.1f} of 255 apart)")
    close(main)
    # Each language's captions, and its decimal mark in the clock and the list.
    for lang, splash, mark in (("de_DE.UTF-8", "Quorvanta Rubik's Timer startet", ","),
                               ("ru_RU.UTF-8", "Запуск Quorvanta Rubik's Timer", ","),
                               ("zh_CN.UTF-8", "正在启动 Quorvanta Rubik's Timer", ".")):
        os.environ["LANG"] = lang
        main = launch(splash)
        timed_solve(main, 0.7)
        times = wait_for("two times shown", lambda: len(found := shown_times(main)) >= 2 and found, 30)
        print(f"{lang}: the splash said {splash!r}; shown after a solve: {times}")
        if any(t[5] != mark for t in times):
            failures.append(f"{lang}: the times shown are {times}, not with {mark!r}")
        close(main)
    main = None

if main:
    close(main)
for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)

"""The private sound server's null sink, recorded as a listener hears it: its
monitor at 48 kHz mono, each sample with the instant it was played. Beeps are
found by their onsets; a voice by the sound that is not the beep's tone."""
import array
import math
import subprocess
import threading
import time

from atspi_steps import PATIENCE

RATE = 48000
FRAME = RATE // 100  # 10 ms: a whole number of periods of the beep's 1500 Hz
BEEP_LEVEL = 5000  # RMS of the tone in a frame of a beep: the beep is a half-scale sine (11600)
BEEP_FRAMES = 10  # the beep lasts 150 ms


class Recorder:
    def __init__(self, source="quiet.monitor"):
        self.samples = array.array("h")
        self.anchor = None  # monotonic instant of sample 0: the least delayed chunk's
        self.proc = subprocess.Popen(["parec", "-d", source, "--raw", "--format=s16le",
                                      f"--rate={RATE}", "--channels=1", "--latency-msec=5"],
                                     stdout=subprocess.PIPE)
        self.thread = threading.Thread(target=self.read, daemon=True)
        self.thread.start()

    def read(self):
        while True:
            chunk = self.proc.stdout.read1(4096)
            if not chunk:
                return
            arrived = time.monotonic()
            self.samples.frombytes(chunk[: len(chunk) // 2 * 2])
            start = arrived - len(self.samples) / RATE
            self.anchor = start if self.anchor is None else min(self.anchor, start)

    def stop(self):
        self.proc.terminate()
        self.thread.join(timeout=PATIENCE)

    def onsets(self, level=1000, gap=0.3):
        """Sample indices where sound begins after at least `gap` of silence."""
        found, last_loud = [], None
        for i, v in enumerate(self.samples):
            if v > level or v < -level:
                if last_loud is None or i - last_loud > gap * RATE:
                    found.append(i)
                last_loud = i
        return found

    def instant(self, index):
        return self.anchor + index / RATE

    def pitch(self, index):
        """The frequency from the zero crossings of 40 ms, 20 ms into a sound."""
        part = self.samples[index + RATE // 50: index + 3 * RATE // 50]
        crossings = sum(1 for a, b in zip(part, part[1:]) if (a < 0) != (b < 0))
        return crossings / 2 / (len(part) / RATE)

    def frames(self, tone_hz, since=0.0):
        """Per 10 ms from monotonic instant `since` on: (instant, RMS of the
        tone of `tone_hz`, RMS of all the rest). The rest of a frame with the
        program's beep in it is what a voice said over the beep."""
        cos = [math.cos(2 * math.pi * tone_hz * i / RATE) for i in range(FRAME)]
        sin = [math.sin(2 * math.pi * tone_hz * i / RATE) for i in range(FRAME)]
        first = max(0, round((since - self.anchor) * RATE))
        samples = self.samples[first:]
        for at in range(0, len(samples) - FRAME + 1, FRAME):
            part = samples[at: at + FRAME]
            power = sum(v * v for v in part) / FRAME
            a = sum(map(float.__mul__, map(float, part), cos)) * 2 / FRAME
            b = sum(map(float.__mul__, map(float, part), sin)) * 2 / FRAME
            tone = (a * a + b * b) / 2
            yield self.instant(first + at), math.sqrt(tone), math.sqrt(max(0.0, power - tone))

    def voice(self, since=0.0, tone_hz=1500, level=300, pause=0.35):
        """The stretches of sound other than the beeps, [start, end] instants;
        a pause shorter than `pause` between words does not split one. The
        frames where a beep fades in or out are left out: there the tone fills
        only part of the frame, and the rest looks like another sound."""
        frames = list(self.frames(tone_hz, since))
        beep = [tone >= BEEP_LEVEL for _, tone, _ in frames]
        stretches = []
        for i, (at, _, rest) in enumerate(frames):
            near = beep[max(0, i - 1): i + 2]
            if rest < level or (any(near) and not all(near)):
                continue
            if stretches and at - stretches[-1][1] <= pause:
                stretches[-1][1] = at + FRAME / RATE
            else:
                stretches.append([at, at + FRAME / RATE])
        return stretches

    def beeps(self, since=0.0, tone_hz=1500):
        """Onset instants of the beep's tone: a voice can be loud at its pitch
        too, but not for as long as a beep."""
        found, run = [], []
        for at, tone, _ in list(self.frames(tone_hz, since)) + [(None, 0.0, 0.0)]:
            if tone >= BEEP_LEVEL:
                run.append(at)
                continue
            if len(run) >= BEEP_FRAMES:
                found.append(run[0])
            run = []
        return found

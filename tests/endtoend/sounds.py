"""What the audio server played: a recording of the null sink's monitor, cut
into stretches of sound, each told apart as the yes chime or the no buzz by
the notes it holds (yes: E5 and A5; no: a 110 Hz buzz of odd harmonics)."""

import array
import math
import os
import subprocess
import time

from stack import StackError, stop

RATE = 22050
FRAME = RATE // 100  # 10 ms
LOUD = 300           # frame RMS above this is sound; the monitor of a silent sink gives 0
YES_NOTES = (659.26, 880.0)
NO_NOTES = (110.0, 330.0)


class MonitorRecording:
    """parec on the null sink's monitor, into a file, from start() to stop()."""

    def __init__(self, stack, path):
        self.stack = stack
        self.path = path
        self.proc = None

    def start(self):
        with open(self.path, "wb") as out:
            self.proc = self.stack.own("parec", subprocess.Popen(
                ["parec", "--device=%s.monitor" % self.stack.SINK, "--raw", "--format=s16le",
                 "--rate=%d" % RATE, "--channels=1", "--latency-msec=20"],
                env=self.stack.env(), stdout=out, stderr=self.stack.log("parec")))
        deadline = time.monotonic() + 10
        while os.path.getsize(self.path) == 0:
            if time.monotonic() > deadline or self.proc.poll() is not None:
                raise StackError("the null sink's monitor delivers nothing to parec\n%s"
                                 % self.stack.read_log("parec"))
            time.sleep(0.02)

    def stop(self):
        time.sleep(0.2)  # what played last is through the monitor
        stop(self.proc)
        samples = array.array("h")
        with open(self.path, "rb") as f:
            data = f.read()
        samples.frombytes(data[:len(data) // 2 * 2])
        return samples


def power(samples, freq):
    """Goertzel: the power of one frequency in the samples, per sample."""
    coeff = 2.0 * math.cos(2.0 * math.pi * freq / RATE)
    s1 = s2 = 0.0
    for x in samples:
        s1, s2 = x + coeff * s1 - s2, s1
    return (s1 * s1 + s2 * s2 - coeff * s1 * s2) / max(1, len(samples)) ** 2


class Sound:
    def __init__(self, kind, first, last):
        self.kind, self.first, self.last = kind, first, last  # frames
        self.yes = self.no = 0.0

    @property
    def start(self):
        return self.first / 100.0

    @property
    def length(self):
        return (self.last + 1 - self.first) / 100.0

    def other_share(self):
        """How much of the other sound plays within this one, by power."""
        mine, other = (self.yes, self.no) if self.kind == "yes" else (self.no, self.yes)
        return other / mine if mine else 0.0

    def __repr__(self):
        return "%s at %.2f s for %.2f s" % (self.kind, self.start, self.length)


def sounds_heard(samples):
    """Every stretch of one sound, in order: frames of 10 ms told apart by the
    notes of the 40 ms around them; pauses under 50 ms within one sound
    bridged, pieces under 30 ms (the edges where one sound meets another) left
    out."""
    found = []
    for i in range(len(samples) // FRAME):
        frame = samples[i * FRAME:(i + 1) * FRAME]
        if math.sqrt(sum(x * x for x in frame) / FRAME) <= LOUD:
            continue
        window = samples[max(0, i - 1) * FRAME:(i + 3) * FRAME]
        yes = sum(power(window, f) for f in YES_NOTES)
        no = sum(power(window, f) for f in NO_NOTES)
        kind = "yes" if yes > no else "no"
        if found and found[-1].kind == kind and i - found[-1].last <= 5:
            found[-1].last = i
        else:
            found.append(Sound(kind, i, i))
        found[-1].yes += yes
        found[-1].no += no
    kept = []
    for sound in found:
        if sound.last + 1 - sound.first < 3:
            continue
        if kept and kept[-1].kind == sound.kind and sound.first - kept[-1].last <= 5:
            kept[-1].last = sound.last
            kept[-1].yes += sound.yes
            kept[-1].no += sound.no
        else:
            kept.append(sound)
    return kept

"""What the audio server played: a recording of the null sink's monitor, cut
into stretches of sound, each told apart as the yes chime or the no buzz by
the notes it holds (yes: E5 and A5; no: a 110 Hz buzz of odd harmonics)."""

import array
import math
import subprocess
import threading
import time

from stack import StackError, stop

RATE = 22050
FRAME = RATE // 100  # 10 ms
LOUD = 300           # frame RMS above this is sound; the monitor of a silent sink gives 0
YES_NOTES = (659.26, 880.0)
NO_NOTES = (110.0, 330.0)
BRIDGED = 5          # frames of quiet within one sound that still count as that sound
LONGEST = 33         # frames of sound in the longest answer sound (0.32 s), and a little
# Generous bounds, for a hang only: a recording that delivers nothing, or a
# sound that never comes, fails here rather than at ctest's timeout.
HANG = 60.0


class MonitorRecording:
    """parec on the null sink's monitor, read as it arrives: the samples, and
    when on the monotonic clock the first of them was taken. Chunks come late
    on a busy machine, never early, so the earliest arrival less the samples
    before it gives that time (within parec's 20 ms fragment)."""

    def __init__(self, stack):
        self.stack = stack
        self.proc = None
        self._data = bytearray()
        self._lock = threading.Lock()
        self._reader = None
        self.first_sample_at = None  # monotonic seconds
        self._loud = []              # per frame, computed once

    def start(self):
        self.proc = self.stack.own("parec", subprocess.Popen(
            ["parec", "--device=%s.monitor" % self.stack.SINK, "--raw", "--format=s16le",
             "--rate=%d" % RATE, "--channels=1", "--latency-msec=20"],
            env=self.stack.env(), stdout=subprocess.PIPE, stderr=self.stack.log("parec")))
        self._reader = threading.Thread(target=self._read, daemon=True)
        self._reader.start()
        self._wait(lambda: self.frames() > 0, HANG,
                   lambda: "the null sink's monitor delivers nothing to parec\n%s"
                   % self.stack.read_log("parec"))

    def _read(self):
        out = self.proc.stdout
        while True:
            chunk = out.read1(4096)
            now = time.monotonic()
            if not chunk:
                return
            with self._lock:
                self._data += chunk
                taken = now - (len(self._data) // 2) / RATE
                if self.first_sample_at is None or taken < self.first_sample_at:
                    self.first_sample_at = taken

    def frames(self):
        with self._lock:
            return len(self._data) // (2 * FRAME)

    def samples(self, first=0, end=None):
        """The samples of frames first to end (None: all so far)."""
        with self._lock:
            stop_at = len(self._data) // 2 * 2 if end is None else end * FRAME * 2
            data = bytes(self._data[first * FRAME * 2:stop_at])
        samples = array.array("h")
        samples.frombytes(data)
        return samples

    def time_of(self, frame):
        """The monotonic time at which a frame was played into the sink."""
        return self.first_sample_at + frame / 100.0

    def loud_frames(self):
        """For every whole frame so far, whether it holds sound."""
        with self._lock:
            begin = len(self._loud) * FRAME * 2
            end = len(self._data) // (2 * FRAME) * (2 * FRAME)
            data = bytes(self._data[begin:end])
        samples = array.array("h")
        samples.frombytes(data)
        for i in range(len(samples) // FRAME):
            frame = samples[i * FRAME:(i + 1) * FRAME]
            self._loud.append(math.sqrt(sum(x * x for x in frame) / FRAME) > LOUD)
        return self._loud

    def wait_for_sound(self, since, what, length=3):
        """Waits until a sound has played for `length` frames from frame
        `since` on; gives the frame where it began."""
        def began():
            loud = self.loud_frames()
            for i in range(since, len(loud) - length + 1):
                if all(loud[i:i + length]):
                    return i
            return None
        return self._wait(began, HANG, what)

    def wait_for_whole(self, since, kind, what, quiet=20):
        """Waits until a sound of the kind given (None: either), begun at
        frame `since` or later, has ended and `quiet` frames (0.2 s) have been
        silent after it; gives that sound, its frames counted from the start
        of the recording."""
        def ended():
            loud = self.loud_frames()
            samples = self.samples(since, len(loud))
            for sound in sounds_heard(samples):
                if kind in (None, sound.kind) and len(loud) - 1 - (since + sound.last) >= quiet:
                    sound.first += since
                    sound.last += since
                    return sound
            return None
        return self._wait(ended, HANG, what)

    def wait_for_quiet(self, since, what, quiet=20):
        """Waits until, after a sound from frame `since` on, `quiet` frames
        (0.2 s) have been silent: what played is through the monitor."""
        def ended():
            loud = self.loud_frames()
            heard = [i for i in range(since, len(loud)) if loud[i]]
            return bool(heard) and len(loud) - 1 - heard[-1] >= quiet
        return self._wait(ended, HANG, what)

    def stop(self):
        stop(self.proc)
        self._reader.join(timeout=HANG)
        return self.samples()

    def _wait(self, check, timeout, what):
        deadline = time.monotonic() + timeout
        while True:
            value = check()
            if value is not None and value is not False:
                return value  # a frame number, 0 among them, or True
            if time.monotonic() > deadline or (self.proc.poll() is not None and not check()):
                raise StackError(what() if callable(what) else what)
            time.sleep(0.02)


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
        self.heard = last + 1 - first  # frames that held sound
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

    def absorb(self, later):
        self.last = later.last
        self.heard += later.heard
        self.yes += later.yes
        self.no += later.no

    def __repr__(self):
        return "%s at %.2f s for %.2f s" % (self.kind, self.start, self.length)


def sounds_heard(samples):
    """Every stretch of one sound, in order: frames of 10 ms told apart by the
    notes of the 40 ms around them; pauses under 50 ms within one sound
    bridged, pieces under 30 ms (the edges where one sound meets another) left
    out. A busy machine can starve the audio stream for a moment: a piece of
    the same kind that follows within 120 ms, where the two together are no
    longer than one answer sound, is the rest of that sound, not another."""
    found = []
    for i in range(len(samples) // FRAME):
        frame = samples[i * FRAME:(i + 1) * FRAME]
        if math.sqrt(sum(x * x for x in frame) / FRAME) <= LOUD:
            continue
        window = samples[max(0, i - 1) * FRAME:(i + 3) * FRAME]
        yes = sum(power(window, f) for f in YES_NOTES)
        no = sum(power(window, f) for f in NO_NOTES)
        kind = "yes" if yes > no else "no"
        if found and found[-1].kind == kind and i - found[-1].last <= BRIDGED:
            found[-1].last = i
            found[-1].heard = found[-1].last + 1 - found[-1].first
        else:
            found.append(Sound(kind, i, i))
        found[-1].yes += yes
        found[-1].no += no
    kept = []
    for sound in found:
        if sound.heard < 3:
            continue
        if kept and kept[-1].kind == sound.kind and (
                sound.first - kept[-1].last <= BRIDGED
                or (sound.first - kept[-1].last <= 12 and kept[-1].heard + sound.heard <= LONGEST)):
            kept[-1].absorb(sound)
        else:
            kept.append(sound)
    return kept

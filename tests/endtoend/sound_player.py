#!/usr/bin/env python3
"""QtSoundPlayer on a real audio server: what it plays is heard on the null
sink's monitor, what it cannot play stays silent, and a new sound cuts off
the one still playing.

    sound_player.py <sound_probe> <program folder>"""

import array
import math
import os
import subprocess
import sys
import wave

import sounds
from stack import Stack, StackError


def long_chime(path):
    """1.5 s of the yes sound's top note: long enough that a sound which is
    not cut off is told from one that is, whatever the server buffers."""
    tone = array.array("h", (int(12000 * math.sin(2 * math.pi * 880.0 * n / sounds.RATE))
                             for n in range(int(1.5 * sounds.RATE))))
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(sounds.RATE)
        w.writeframes(tone.tobytes())


def bad_yes_wav(folder, kind, good_yes):
    """A program folder whose wavs/yes.wav is missing, a folder, cut short
    inside its header, or no wave at all."""
    wavs = os.path.join(folder, kind, "wavs")
    os.makedirs(wavs)
    path = os.path.join(wavs, "yes.wav")
    if kind == "folder":
        os.mkdir(path)
    elif kind == "truncated":
        with open(good_yes, "rb") as f:
            head = f.read(30)
        with open(path, "wb") as f:
            f.write(head)
    elif kind == "not_a_wave":
        with open(path, "w") as f:
            f.write("RIFF but not a sound, only text\n" * 40)
    return path


def main(argv):
    if len(argv) != 3:
        sys.stderr.write(__doc__)
        return 2
    probe, bin_dir = argv[1:]
    yes = os.path.join(bin_dir, "wavs", "yes.wav")
    no = os.path.join(bin_dir, "wavs", "no.wav")
    failures = []
    try:
        with Stack("sound_player") as stack:
            stack.start_audio()
            chime = os.path.join(stack.dir, "chime.wav")
            long_chime(chime)

            def heard(*script):
                recording = sounds.MonitorRecording(stack, os.path.join(stack.dir, "monitor.raw"))
                recording.start()
                try:
                    run = subprocess.run([probe] + [str(s) for s in script], env=stack.env(),
                                         capture_output=True, text=True, timeout=20)
                except subprocess.TimeoutExpired:
                    recording.stop()
                    return None, "hung"
                samples = recording.stop()
                if run.returncode != 0:
                    return None, "ended with status %d: %s" % (run.returncode, run.stderr.strip()[-300:])
                return sounds.sounds_heard(samples), None

            def check(name, script, expect):
                played, error = heard(*script)
                problem = error or expect(played)
                print("%-40s %s" % (name, "ok" if not problem else "FAILED"))
                if problem:
                    failures.append("%s: %s (heard %s)" % (name, problem, played))

            check("yes.wav plays into the server", [yes],
                  lambda s: None if [x.kind for x in s] == ["yes"] and s[0].length >= 0.15
                  else "expected the whole yes sound")
            for kind in ("missing", "folder", "truncated", "not_a_wave"):
                bad = bad_yes_wav(os.path.join(stack.dir, "bad"), kind, yes)
                check("yes.wav %s: silent, then no.wav plays" % kind, [bad, 400, no],
                      lambda s: None if [x.kind for x in s] == ["no"] else "expected only the no sound")
            # One sound again and again: each is heard near its time (a
            # reused effect on PulseAudio started each repeat a little later,
            # until the fifth came 0.3 s late or not at all).
            check("six wrong answers and a right one", [no, 400, no, 400, no, 400, no, 400, no, 400, no, 400, yes],
                  lambda s: None if [x.kind for x in s] == ["no"] * 6 + ["yes"]
                  and all(abs(x.start - s[0].start - 0.4 * k) < 0.2 for k, x in enumerate(s))
                  else "expected six no and a yes, each within 0.2 s of its time, 0.4 s apart")
            # The no sound comes 0.4 s into the chime: the chime ends there,
            # not when the server has played out what it had buffered.
            check("a new sound cuts off one still playing", [chime, 400, no],
                  lambda s: None if [x.kind for x in s] == ["yes", "no"] and s[0].length < 0.55
                  and s[1].other_share() < 0.05 else "expected the chime cut off by the no sound")
    except StackError as e:
        sys.stderr.write("FAILED: %s\n" % e)
        return 1
    for failure in failures:
        sys.stderr.write("FAILED %s\n" % failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

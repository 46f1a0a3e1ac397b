#!/usr/bin/env python3
"""QtSoundPlayer on a real audio server: what it plays is heard on the null
sink's monitor, what it cannot play stays silent, and a new sound, playable
or not, cuts off the one still playing.

    sound_player.py <sound_probe> <program folder>

Each check runs the probe on its own and tells it what to play when the
state it needs is reached (a sound heard, a sound ended), not after a set
time, so that a busy machine only makes a check slower."""

import array
import math
import os
import queue
import subprocess
import sys
import threading
import time
import wave

import sounds
from stack import Stack, StackError, stop

CHIME_SECONDS = 3.0
# A cut-off chime has sounded at most this long. It is cut as soon as it has
# been heard, by a call that may come late on a busy machine; one that is not
# cut off sounds for its whole length.
CUT_CHIME_AT_MOST = 2.0
# How late a sound may start after its play call. The audio server, the
# program and this script share a busy machine, so this is wide; what it
# guards is that each sound is its own call's, and not one held back behind
# the one before (a reused effect on PulseAudio started each repeat later).
LATEST_START = 0.35
# How far apart the repeated answer sounds are asked for, as fast as a user
# answers: longer than one answer sound, so each is heard on its own.
REPEAT_APART = 0.4


def long_chime(path):
    """The yes sound's top note, long enough that a sound which is not cut
    off is told from one that is, whatever the server buffers."""
    tone = array.array("h", (int(12000 * math.sin(2 * math.pi * 880.0 * n / sounds.RATE))
                             for n in range(int(CHIME_SECONDS * sounds.RATE))))
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


class ProbeRun:
    """One run of the probe on the stack, with the monitor recorded from
    before its start to after its last sound."""

    def __init__(self, stack, probe):
        self.recording = sounds.MonitorRecording(stack)
        self.recording.start()
        self.proc = stack.own("sound_probe", subprocess.Popen(
            [probe], env=stack.env(), stdin=subprocess.PIPE, stdout=subprocess.PIPE,
            stderr=subprocess.PIPE, text=True))
        self.calls = 0
        # The probe's output, read as it comes: each "played" line also goes
        # to the queue that play_logged waits on.
        self.logged = queue.Queue()
        self.calls_seen = 0
        self.out, self.err = [], []
        self._readers = [threading.Thread(target=self._read, args=(self.proc.stdout, self.out),
                                          daemon=True),
                         threading.Thread(target=self._read, args=(self.proc.stderr, self.err),
                                          daemon=True)]
        for reader in self._readers:
            reader.start()

    def _read(self, stream, lines):
        for line in stream:
            lines.append(line)
            if stream is self.proc.stdout and line.startswith("played "):
                self.logged.put(float(line.split()[2]))

    def play(self, *paths):
        """Asks for sounds, several in one write, which the probe reads at once
        and plays with no event loop between them; gives the frame of the
        recording they were asked at. It is read before the write: read after
        it, on a busy machine, it can fall after a short sound, or after the
        end of one the call cut off, and the wait for that sound never ends."""
        asked = self.recording.frames()
        self.proc.stdin.write("".join(path + "\n" for path in paths))
        self.proc.stdin.flush()
        self.calls += len(paths)
        return asked

    def play_logged(self, path):
        """As play, and waits until the probe has logged the call; gives the
        frame and the monotonic time of the call."""
        asked = self.play(path)
        try:
            while self.calls_seen < self.calls:  # the lines of earlier calls first
                at = self.logged.get(timeout=sounds.HANG)
                self.calls_seen += 1
        except queue.Empty:
            raise StackError("the probe did not log a play call within %d s" % sounds.HANG)
        return asked, at

    def heard(self, since, what):
        """Waits until a sound has begun from frame `since` on."""
        return self.recording.wait_for_sound(since, what)

    def heard_whole(self, since, kind, what):
        """Waits until a sound of the kind given has begun and ended from
        frame `since` on."""
        return self.recording.wait_for_whole(since, kind, what)

    def ended(self, since, what):
        """Waits until what sounded from frame `since` on has ended."""
        self.recording.wait_for_quiet(since, what)

    def finish(self):
        """Ends the probe; gives the sounds heard and the monotonic time of
        every play call as the probe logged it."""
        self.proc.stdin.close()  # the end of the list
        try:
            self.proc.wait(timeout=sounds.HANG)
        except subprocess.TimeoutExpired:
            stop(self.proc)
            raise StackError("the probe did not end within %d s of its last sound" % sounds.HANG)
        for reader in self._readers:
            reader.join(timeout=sounds.HANG)
        err = "".join(self.err)
        samples = self.recording.stop()
        if self.proc.returncode != 0:
            raise StackError("the probe ended with status %d: %s"
                             % (self.proc.returncode, err.strip()[-300:]))
        calls = [float(line.split()[2]) for line in self.out if line.startswith("played ")]
        if len(calls) != self.calls:
            raise StackError("the probe logged %d play calls, %d were asked for" % (len(calls), self.calls))
        heard = sounds.sounds_heard(samples)
        return heard, calls

    def start_time(self, sound):
        return self.recording.time_of(sound.first)


def collapsed(heard):
    """The kinds heard, a sound that came in pieces counted once."""
    kinds = []
    for sound in heard:
        if not kinds or kinds[-1] != sound.kind:
            kinds.append(sound.kind)
    return kinds


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
            missing = os.path.join(stack.dir, "no", "such.wav")

            def check(name, script, expect):
                run = ProbeRun(stack, probe)
                script(run)
                heard, calls = run.finish()
                problem = expect(heard, calls, run)
                print("%-48s %s" % (name, "ok" if not problem else "FAILED"))
                if problem:
                    failures.append("%s: %s (heard %s)" % (name, problem, heard))

            def one_sound(run, path):
                kind = "yes" if path == yes else "no"
                run.heard_whole(run.play(path), kind, "%s was played, and no whole %s sound came"
                                % (os.path.basename(path), kind))

            check("yes.wav plays into the server", lambda run: one_sound(run, yes),
                  lambda s, _c, _r: None if [x.kind for x in s] == ["yes"] and s[0].length >= 0.15
                  else "expected the whole yes sound")
            for kind in ("missing", "folder", "truncated", "not_a_wave"):
                bad = bad_yes_wav(os.path.join(stack.dir, "bad"), kind, yes)

                def silent_then_no(run, bad=bad):
                    run.play(bad)
                    one_sound(run, no)
                check("yes.wav %s: silent, then no.wav plays" % kind, silent_then_no,
                      lambda s, _c, _r: None if [x.kind for x in s] == ["no"]
                      else "expected only the no sound")

            # One sound again and again, as fast as a user answers: each is
            # heard, none lost or run into the next, each soon after its own
            # call. The first yes brings the module and the server connection
            # up, so that the repeats are held against calls alike.
            # The repeats are 0.4 s apart on the probe's own clock, from each
            # logged call, so that a probe slowed down by a busy machine does
            # not bunch two of them together.
            def repeats(run):
                one_sound(run, yes)
                for path in [no] * 6 + [yes]:
                    asked, at = run.play_logged(path)
                    time.sleep(max(0.0, at + REPEAT_APART - time.monotonic()))
                run.heard_whole(asked, "yes", "the last of the repeats, a yes, was not heard whole")

            def repeats_heard(s, calls, run):
                if [x.kind for x in s] != ["yes"] + ["no"] * 6 + ["yes"]:
                    return "expected a yes, six no and a yes, each once"
                late = [(k, run.start_time(x) - at) for k, (x, at) in enumerate(zip(s, calls)) if k]
                if os.environ.get("SOUND_TIMES"):
                    print("starts after their calls: %s" % " ".join("%.3f" % d for _k, d in late))
                wrong = [(k, round(d, 3)) for k, d in late if not -0.05 <= d <= LATEST_START]
                if wrong:
                    return ("sounds started (number, seconds after their call) %s; each should "
                            "start within %.2f s" % (wrong, LATEST_START))
                return None
            check("six wrong answers and a right one", repeats, repeats_heard)

            # A sound replaced before its file has loaded stays silent: only
            # the second is heard, never the first once its load has ended (it
            # would come late, after the answer that followed it). The probe
            # is a process of its own, so neither file is loaded yet, and the
            # two calls come with no event loop between them: the first load
            # is still in flight when the second sound is asked for.
            def replaced_while_loading(run):
                asked = run.play(yes, no)
                run.heard_whole(asked, "no", "the no sound, asked for while the yes sound still "
                                "loaded, was not heard whole")
                run.ended(asked, "the sounds after the two calls did not end")

            def only_the_second(s, _c, _r):
                if "yes" in collapsed(s):
                    return "the yes sound, replaced while it loaded, sounded once its load ended"
                if collapsed(s) != ["no"]:
                    return "expected the no sound once"
                if s[0].other_share() >= 0.05:
                    return "the yes sound, replaced while it loaded, sounded under the no sound"
                return None
            check("a sound replaced while it loads stays silent", replaced_while_loading,
                  only_the_second)

            # A sound still playing ends when the next is asked for, whether
            # that one plays or not.
            for name, second, after in (("a new sound", no, ["yes", "no"]),
                                        ("a missing sound", missing, ["yes"]),
                                        ("a sound that is no wave", bad_yes_wav(
                                            os.path.join(stack.dir, "cut"), "not_a_wave", yes), ["yes"])):
                def cut_chime(run, second=second):
                    asked = run.play(chime)
                    run.heard(asked, "the chime was not heard")
                    cut = run.play(second)
                    if second == no:
                        run.heard_whole(cut, "no", "the no sound after the chime was not heard whole")
                    else:
                        run.ended(cut, "the chime did not end")

                def chime_cut(s, _c, _r, after=after):
                    if collapsed(s) != after:
                        return "expected %s" % " then ".join(after)
                    chime_heard = [x for x in s if x.kind == "yes"][-1].last - s[0].first
                    if chime_heard / 100.0 > CUT_CHIME_AT_MOST:
                        return "the chime sounded %.2f s of its %.1f s" % (chime_heard / 100.0, CHIME_SECONDS)
                    if after == ["yes", "no"] and s[-1].other_share() >= 0.05:
                        return "the chime sounded on under the no sound"
                    return None
                check("%s cuts off one still playing" % name, cut_chime, chime_cut)
    except StackError as e:
        sys.stderr.write("FAILED: %s\n" % e)
        return 1
    for failure in failures:
        sys.stderr.write("FAILED %s\n" % failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

"""The desktop the end-to-end tests run the program on: an X display with a
window manager, a PulseAudio server with one null sink, and a recording
xdg-open. Everything is started here and stopped here, by process id, when
the stack closes, also after a failure or a signal."""

import os
import random
import shutil
import signal
import subprocess
import tempfile
import time


# How long a part of the desktop may take to come up: a bound for a hang only,
# since a busy machine starts each of them slowly.
STARTS_WITHIN = 60.0


class StackError(Exception):
    """A part of the desktop could not be started."""


class Stack:
    SCREEN = "1280x1024x24"
    SINK = "nullsink"

    def __init__(self, name):
        self.name = name
        self.dir = tempfile.mkdtemp(prefix="quillet-e2e-%s-" % name)
        self.runtime = os.path.join(self.dir, "runtime")
        os.mkdir(self.runtime, 0o700)
        self.display = None
        self.pulse_socket = None
        self.opened_file = os.path.join(self.dir, "opened.txt")
        self.bin_dir = None  # the recording xdg-open's folder, first on PATH
        self._processes = []  # (what, Popen), stopped last first
        self._old_handlers = {}

    # -- lifetime -----------------------------------------------------------

    def __enter__(self):
        for sig in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
            self._old_handlers[sig] = signal.signal(sig, self._on_signal)
        return self

    def __exit__(self, *exc):
        self.close()
        for sig, handler in self._old_handlers.items():
            signal.signal(sig, handler)
        return False

    def _on_signal(self, signum, _frame):
        # ctest's timeout sends SIGTERM: unwind through __exit__.
        raise SystemExit("stopped by signal %d" % signum)

    def close(self):
        while self._processes:
            _what, proc = self._processes.pop()
            stop(proc)
        shutil.rmtree(self.dir, ignore_errors=True)

    def own(self, what, proc):
        """Takes a process the test started into the stack's care."""
        self._processes.append((what, proc))
        return proc

    def log(self, name):
        return open(os.path.join(self.dir, name + ".log"), "wb")

    def read_log(self, name):
        try:
            with open(os.path.join(self.dir, name + ".log"), "rb") as f:
                return f.read().decode(errors="replace").strip()
        except OSError:
            return ""

    # -- the display ----------------------------------------------------------

    def start_display(self):
        """Xvfb on the first free display number from a random start (two
        tests at once each find their own), then openbox on it."""
        if not shutil.which("Xvfb"):
            raise StackError("cannot start the X display: Xvfb is not installed (scripts/setup-debian.sh)")
        first = random.randrange(200, 900)
        for number in range(first, first + 100):
            if os.path.exists("/tmp/.X%d-lock" % number):
                continue
            proc = self._try_xvfb(number)
            if proc:
                self.display = ":%d" % number
                self.own("Xvfb", proc)
                break
        else:
            raise StackError("cannot start the X display: Xvfb found no free display number "
                             "from :%d to :%d\n%s" % (first, first + 99, self.read_log("xvfb")))
        self._start_window_manager()

    def _try_xvfb(self, number):
        # -displayfd: Xvfb writes the number once it accepts connections, and
        # closes the pipe unwritten when the number is taken.
        read_end, write_end = os.pipe()
        proc = subprocess.Popen(
            ["Xvfb", ":%d" % number, "-displayfd", str(write_end), "-screen", "0", self.SCREEN,
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=self.log("xvfb"))
        os.close(write_end)
        answer = b""
        deadline = time.monotonic() + STARTS_WITHIN
        try:
            while not answer.endswith(b"\n") and time.monotonic() < deadline:
                chunk = os.read(read_end, 16)
                if not chunk:
                    break
                answer += chunk
        finally:
            os.close(read_end)
        if answer.strip() == str(number).encode():
            return proc
        stop(proc)
        return None

    def _start_window_manager(self):
        if not shutil.which("openbox"):
            raise StackError("cannot start the window manager: openbox is not installed (scripts/setup-debian.sh)")
        proc = self.own("openbox", subprocess.Popen(
            ["openbox", "--sm-disable"], env=self.env(), stdout=subprocess.DEVNULL,
            stderr=self.log("openbox")))
        # A window manager announces itself on the root window.
        deadline = time.monotonic() + STARTS_WITHIN
        while time.monotonic() < deadline:
            if proc.poll() is not None:
                break
            out = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env(),
                                 capture_output=True, text=True).stdout
            if "window id" in out:
                return
            time.sleep(0.05)
        raise StackError("cannot start the window manager openbox on %s\n%s"
                         % (self.display, self.read_log("openbox")))

    # -- the audio server -----------------------------------------------------

    def start_audio(self):
        """A PulseAudio server of our own, in our own runtime folder, with a
        null sink whose monitor a test can record."""
        if not shutil.which("pulseaudio") or not shutil.which("pactl"):
            raise StackError("cannot start the audio server: pulseaudio and pulseaudio-utils are "
                             "needed (scripts/setup-debian.sh)")
        self.pulse_socket = os.path.join(self.runtime, "pulse", "native")
        home = os.path.join(self.dir, "home")
        os.mkdir(home)
        env = dict(self.env(), HOME=home)  # its cookie goes there, not into the user's home
        proc = self.own("pulseaudio", subprocess.Popen(
            ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
             "--realtime=no", "--high-priority=no", "--log-target=stderr",
             "--load=module-null-sink sink_name=%s" % self.SINK,
             "--load=module-native-protocol-unix auth-anonymous=1 socket=%s" % self.pulse_socket],
            env=env, stdout=subprocess.DEVNULL, stderr=self.log("pulseaudio")))
        deadline = time.monotonic() + STARTS_WITHIN
        while time.monotonic() < deadline:
            if proc.poll() is not None:
                break
            info = subprocess.run(["pactl", "info"], env=self.env(), capture_output=True, text=True)
            if info.returncode == 0 and ("Default Sink: %s" % self.SINK) in info.stdout:
                break
            time.sleep(0.05)
        else:
            raise StackError("cannot start the audio server (pulseaudio)\n%s" % self.read_log("pulseaudio"))
        if proc.poll() is not None:
            raise StackError("the audio server (pulseaudio) ended at start\n%s" % self.read_log("pulseaudio"))
        # An idle null sink renders in blocks of two seconds; a stream of
        # silence keeps it running in small ones, so that what a program plays
        # reaches the sink's monitor at once.
        self.own("pacat", subprocess.Popen(
            ["pacat", "--playback", "--raw", "--format=s16le", "--rate=22050", "--channels=1",
             "--latency-msec=20", "/dev/zero"],
            env=self.env(), stdout=subprocess.DEVNULL, stderr=self.log("pacat")))

    # -- the address opener ---------------------------------------------------

    def install_url_recorder(self):
        """An xdg-open first on PATH that only appends its argument to a file."""
        bin_dir = os.path.join(self.dir, "bin")
        os.mkdir(bin_dir)
        script = os.path.join(bin_dir, "xdg-open")
        with open(script, "w") as f:
            f.write('#!/bin/sh\nprintf \'%%s\\n\' "$*" >> "%s"\n' % self.opened_file)
        os.chmod(script, 0o755)
        self.bin_dir = bin_dir

    def opened_addresses(self):
        try:
            with open(self.opened_file) as f:
                return [line.rstrip("\n") for line in f]
        except OSError:
            return []

    # -- what a program started on the stack sees ----------------------------

    def env(self):
        env = {k: v for k, v in os.environ.items()
               if not k.startswith(("QT_", "PULSE_")) and k not in ("DISPLAY", "WAYLAND_DISPLAY", "BROWSER")}
        env["XDG_RUNTIME_DIR"] = self.runtime
        if self.display:
            env["DISPLAY"] = self.display
        if self.pulse_socket:
            env["PULSE_SERVER"] = "unix:" + self.pulse_socket
        if self.bin_dir:
            env["PATH"] = self.bin_dir + os.pathsep + env.get("PATH", "/usr/bin:/bin")
        return env


def stop(proc, grace=3.0):
    """Ends one process by its id: politely, then for good."""
    if proc.poll() is not None:
        return
    try:
        proc.terminate()
        proc.wait(timeout=grace)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()
    except ProcessLookupError:
        pass

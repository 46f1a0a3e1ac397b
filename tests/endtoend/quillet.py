"""The shipped program on the test's desktop: started from the build's program
folder, driven with X events through xdotool, read through screenshots.

The windows are laid out in twips (15 to the pixel at 96 dpi) from the sizes
the window manager gave them, so the places of the controls are worked out
the way the program works them out, from the two measures the screen shows:
the height of the lesson tree (the page pane and the lesson panels are as
high) and the middle of the lesson panel (where the hand window ends)."""

import os
import re
import shutil
import subprocess
import sys
import time

import pictures
from stack import Stack, StackError

MAIN_CAPTION = "Quillet.."
PROMOTION_CAPTION = "Play Poker Online for FREE ... Real People Real Fun"
TWIPS_PER_PIXEL = 15.0
# Every wait is for a state of the program or the screen; this bound is for a
# hang only. A busy machine makes the program slow, never this wrong.
HANG = 60.0
LESSON_TREE_SOURCE = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                  "..", "..", "mainwindow", "LessonTree.cpp")


def tree_row(caption):
    """The row of a node in the lesson tree, every chapter expanded: its
    number in the program's node table less one."""
    with open(LESSON_TREE_SOURCE) as f:
        for number, text in re.findall(r'\{(\d+), "([^"]+)"', f.read()):
            if text == caption:
                return int(number) - 1
    raise TestFailure("no node %r in %s" % (caption, LESSON_TREE_SOURCE))


def px(twips):
    """Twips to whole pixels, rounded half away from zero as the program does."""
    return int(twips / TWIPS_PER_PIXEL + 0.5)


def is_selection_blue(r, g, b):
    return b > 150 and b - r > 80


def is_black(r, g, b):
    return r < 40 and g < 40 and b < 40


def is_hand_window_green(r, g, b):
    return r == 0 and g == 128 and b == 0


def is_link_green(r, g, b):
    return r < 60 and g > 150 and b < 60


class TestFailure(Exception):
    pass


def run_reported(name, run):
    """Runs run(stack) on a desktop of its own (Xvfb and openbox) and reports
    "passed <name> in <s> s" on stdout, or "FAILED <name>: <reason>" on
    stderr. Gives the exit status: 0 passed, 1 failed."""
    began = time.monotonic()
    try:
        with Stack(name) as stack:
            stack.start_display()
            run(stack)
    except (StackError, TestFailure) as e:
        sys.stderr.write("FAILED %s: %s\n" % (name, e))
        return 1
    print("passed %s in %.1f s" % (name, time.monotonic() - began))
    return 0


class Quillet:
    # Main window, in twips: the tree, and the place layOutLessonArea gives
    # the page pane and both panels (right of the tree by a twentieth of its
    # width, level with its top).
    TREE = (135, 165, 3015)
    PANEL_LEFT = 3015 + 135 + 3015 * 0.05
    PANEL_TOP = 165

    def __init__(self, stack, bin_dir, failures_dir, name):
        self.stack = stack
        self.bin_dir = bin_dir
        self.failures_dir = failures_dir
        self.name = name
        self.proc = None
        self.main = None
        self.first_row = None  # the selection on the tree's first node, as first shown
        self.stdout_path = os.path.join(stack.dir, "quillet.stdout")
        self.stderr_path = os.path.join(stack.dir, "quillet.stderr")

    # -- the process ----------------------------------------------------------

    def start(self, extra_env=None):
        """extra_env: variables set for the program beside the stack's."""
        program = os.path.join(self.bin_dir, "quillet")
        if not os.access(program, os.X_OK):
            raise TestFailure("no program at %s: build the target quillet first" % program)
        env = dict(self.stack.env(), **(extra_env or {}))
        with open(self.stdout_path, "wb") as out, open(self.stderr_path, "wb") as err:
            self.proc = self.stack.own("quillet", subprocess.Popen(
                [program], cwd=self.stack.dir, env=env, stdout=out, stderr=err))
        self.main = self.wait_for_window(MAIN_CAPTION, HANG)
        self.activate(self.main)
        # Start-up selects the first node.
        self.first_row = self.poll("the lesson tree showed no selected node", self.selection, HANG)

    def wait_for_exit(self, timeout):
        """The exit status, or None while it still runs after timeout seconds."""
        try:
            return self.proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None

    def end_through_promotion(self):
        """Ends the program the user's way: closes the main window, then the
        promotion window it brings. Returns the exit status."""
        self.close_through_window_manager(self.main)
        self.close_through_window_manager(self.wait_for_window(PROMOTION_CAPTION, HANG))
        status = self.wait_for_exit(HANG)
        if status is None:
            self.fail("closing the promotion window did not end the program")
        return status

    def require_status_zero(self, status):
        """Fails unless the program ended with status 0, showing the leak
        report that the sanitizer build prints on its way out, if any."""
        if status != 0:
            self.fail(("the program ended with status %d\n%s" % (status, self.leak_report())).strip())

    def stdout_text(self):
        with open(self.stdout_path, "rb") as f:
            return f.read().decode(errors="replace")

    def stderr_text(self):
        with open(self.stderr_path, "rb") as f:
            return f.read().decode(errors="replace")

    def leak_report(self):
        """LeakSanitizer's report among what the program wrote to stderr
        (the sanitizer build checks for leaks on its way out), or ""."""
        text = self.stderr_text()
        begins = text.find("ERROR: LeakSanitizer")
        return text[text.rfind("\n", 0, begins) + 1:] if begins >= 0 else ""

    # -- windows --------------------------------------------------------------

    def xdotool(self, *args, check=True, timeout=60):
        out = subprocess.run(["xdotool"] + [str(a) for a in args], env=self.stack.env(),
                             capture_output=True, text=True, timeout=timeout)
        if check and out.returncode != 0:
            raise TestFailure("xdotool %s failed: %s" % (" ".join(map(str, args)), out.stderr.strip()))
        return out.stdout

    def visible_windows(self, caption):
        pattern = "^%s$" % re.escape(caption)
        return self.xdotool("search", "--onlyvisible", "--name", pattern, check=False).split()

    def wait_for_window(self, caption, timeout):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            found = self.visible_windows(caption)
            if found:
                return found[0]
            if self.proc.poll() is not None:
                self.fail("the program ended (status %s) before its window %r showed"
                          % (self.proc.returncode, caption))
            time.sleep(0.05)
        self.fail("no window %r within %d s" % (caption, timeout))

    def activate(self, window):
        self.xdotool("windowactivate", "--sync", window)

    def close_through_window_manager(self, window):
        """Alt+F4: openbox asks the window to close (WM_DELETE_WINDOW)."""
        self.activate(window)
        self.xdotool("key", "--clearmodifiers", "alt+F4")

    def click(self, x, y, window=None):
        self.xdotool("mousemove", "--window", window or self.main, int(x), int(y), "click", "1")

    def grab(self, window=None):
        return pictures.grab(window or self.main, self.stack.env())

    def poll(self, what, check, timeout, interval=0.1):
        """Calls check() until it gives a true value, which it returns; what
        says what went wrong, or gives it when called at the end."""
        deadline = time.monotonic() + timeout
        while True:
            value = check()
            if value:
                return value
            if time.monotonic() > deadline:
                self.fail(what() if callable(what) else what)
            time.sleep(interval)

    def fail(self, message):
        """Keeps a picture of the screen and the program's messages in the
        build folder, then fails."""
        os.makedirs(self.failures_dir, exist_ok=True)
        shot = os.path.join(self.failures_dir, self.name + ".png")
        pictures.save_screen(shot, self.stack.env())
        if os.path.exists(self.stderr_path):
            shutil.copy(self.stderr_path, os.path.join(self.failures_dir, self.name + ".stderr"))
        raise TestFailure("%s\n(screen: %s)" % (message, shot))

    # -- the lesson tree ------------------------------------------------------

    def tree_rect(self):
        left, top, width = self.TREE
        return (px(left), px(top), px(width), self.tree_height())

    def tree_height(self):
        """The tree's height in pixels, read from where its frame ends."""
        pic = self.grab()
        x = px(self.TREE[0] + self.TREE[2] / 2)
        background = pic.pixel(x, pic.height - 1)
        y = pic.height - 1
        while y > 0 and pic.pixel(x, y) == background:
            y -= 1
        return y + 1 - px(self.TREE[1])

    def selection(self, tree=None):
        """The selected node's highlight in the tree, (x, y, w, h), or None;
        tree: the tree's rectangle, when the caller has it already."""
        box = self.grab().bounding_box(is_selection_blue, tree or self.tree_rect())
        return box if box and box[3] < 40 else None

    def open_node(self, caption):
        """Opens the node the way a user does without a mouse: Home, then
        Down to its row. Each node the keys reach is shown as it is reached,
        the caption's last; what it shows is for the caller to wait for. Each
        key moves one row whenever it is handled, so the row reached does not
        depend on how fast the keys come."""
        row = tree_row(caption)
        first = self.first_row
        tree = self.tree_rect()
        self.activate(self.main)
        self.xdotool("key", "--clearmodifiers", "Home")
        self.poll("Home did not select the tree's first node", lambda: self.selection(tree) == first, HANG)
        if row > 0:
            self.xdotool("key", "--clearmodifiers", "Down")

            def moved():
                b = self.selection(tree)
                return b if b and b != first else None
            pitch = self.poll("Down did not move the tree's selection", moved, HANG)[1] - first[1]
            if row > 1:
                self.xdotool("key", "--clearmodifiers", *["Down"] * (row - 1))

            def reached():
                b = self.selection(tree)
                return b if b and abs(b[1] - (first[1] + row * pitch)) <= 1 else None
            self.poll(lambda: "the tree's selection did not reach %r (row %d, %d px a row): "
                      "it is at %s" % (caption, row, pitch, self.selection(tree)), reached, HANG)

    def wait_for_change(self, window, what):
        """Waits until the window's picture changes: it is being drawn anew."""
        before = self.grab(window)
        self.poll(what, lambda: self.grab(window).rgb != before.rgb, HANG)

    # -- the lesson panel -----------------------------------------------------

    def lesson_layout(self):
        """Waits for the lesson panel and reads its size off the screen."""
        panel_left = px(self.PANEL_LEFT)

        def hand_window():
            return self.grab().bounding_box(is_hand_window_green, (panel_left, 0, 2000, 2000))

        green = self.poll("the lesson panel's hand window did not show", hand_window, HANG)
        height_twips = self.tree_height() * TWIPS_PER_PIXEL
        half_width_twips = (green[0] + green[2] - panel_left) * TWIPS_PER_PIXEL
        layout = LessonLayout(panel_left, px(self.PANEL_TOP), half_width_twips, height_twips)
        if abs(layout.labels_top() - green[1]) > 2:
            self.fail("the lesson panel is not laid out as this test expects: hand window top at "
                      "%d, expected %d" % (green[1], layout.labels_top()))
        return layout

    def inverted_labels(self, layout):
        """The name labels shown inverted (black behind the caption)."""
        pic = self.grab()
        return [i for i in range(9) if pic.share(layout.name_label(i), is_black) > 0.5]

    # -- the sample game panel ------------------------------------------------

    def sample_game(self):
        return SampleGameLayout(px(self.PANEL_LEFT), px(self.PANEL_TOP))


class LessonLayout:
    """Pixel rectangles of the lesson panel's controls, in the main window."""

    LABEL_TOPS = (60, 375, 690, 990, 1290, 1575, 1875, 2175, 2475)
    KEY_W, KEY_H = 465, 435
    SUITS_W = 1335
    FRAME_W, FRAME_H = 3135, 1890

    def __init__(self, left, top, half_width_twips, height_twips):
        self.left, self.top = left, top
        self.half_w = half_width_twips
        self.h = height_twips

    def labels_top(self):
        return self.top + px(self.h / 9)

    def name_label(self, index):
        x = self.left + px(self.half_w) + px(165)
        y = self.labels_top() + px(self.LABEL_TOPS[index])
        return (x, y, px(2850), px(270))

    def key_centre(self, index):
        """Key 13 * row + column: rows clubs, diamonds, spades, hearts; columns 2 .. A."""
        row, column = divmod(index, 13)
        keys_left = self.half_w - 13 * self.KEY_W / 2 + self.SUITS_W / 2
        x = self.left + px(keys_left) + px(column * self.KEY_W) + px(self.KEY_W) // 2
        y = self.top + px(self.h / 2) + px(row * self.KEY_H) + px(self.KEY_H) // 2
        return x, y

    def start_centre(self, exercise):
        """The Start button of the frame "Exercise #1" or "Exercise #2"."""
        frame_left = self.half_w - self.FRAME_W * 1.3 if exercise == 1 else self.half_w + self.FRAME_W * 0.3
        frame_top = self.h - self.FRAME_H * 1.2
        x = self.left + px(frame_left) + px(1380) + px(735) // 2
        y = self.top + px(frame_top) + px(1275) + px(420) // 2
        return x, y


class SampleGameLayout:
    """The sample game panel keeps its design places whatever the window's size."""

    def __init__(self, left, top):
        self.left, self.top = left, top

    def next_centre(self):
        return self.left + px(4410) + px(1050) // 2, self.top + px(7740) + px(315) // 2

    def link_rect(self):
        return (self.left + px(2520), self.top + px(8280), px(4845), px(270))

    def comments_rect(self):
        """txtComments, inside its frame Picture1."""
        return (self.left + px(2970) + px(105), self.top + px(5925) + px(75), px(3570), px(1590))

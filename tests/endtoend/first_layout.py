#!/usr/bin/env python3
"""The main window's first layout under a window manager that frames the
window only after its first show (openbox does).

    first_layout.py <program folder> <failures folder>

The page pane and the tree are as high as the window's outer height, frame
included, less 850 twips. After start, once openbox has framed the window,
they must have that height, the same as after the user resizes the window
away and back to the size it started with.

The heights are read from the screen: the bottom edges of the tree and of
the page pane in a screenshot of the program's window. The outer height is
the window's inner height plus the frame that openbox announces in
_NET_FRAME_EXTENTS.

Exit status 0: passed; 1: failed, with the reason on stderr and a screenshot
in the failures folder."""

import re
import subprocess
import sys

from quillet import HANG, TWIPS_PER_PIXEL, Quillet, px, run_reported

NAME = "first_layout"
# Only a hang takes this long: each wait ends as soon as its state is there.
BOUND = HANG
# Columns through the tree and through the page pane, in twips of the
# window; the page pane lies where the lesson area layout places it.
TREE_COLUMN = Quillet.TREE[0] + Quillet.TREE[2] / 2
PAGE_COLUMN = Quillet.PANEL_LEFT + 1500
PANES_TOP = Quillet.PANEL_TOP  # the tree's top, and the page pane's


def frame_extents(app):
    """(left, right, top, bottom) of the window's frame in pixels, or None
    while the window manager has not framed the window."""
    out = subprocess.run(["xprop", "-id", str(app.main), "_NET_FRAME_EXTENTS"],
                         env=app.stack.env(), capture_output=True, text=True, timeout=HANG).stdout
    numbers = [int(n) for n in re.findall(r"\d+", out.partition("=")[2])]
    if len(numbers) != 4 or not any(numbers):
        return None
    return tuple(numbers)


def bottom_edge_height(pic, column_twips):
    """Height in pixels, from the panes' top, of the control under the
    column: the window's background runs up from the window's bottom edge
    to the control's bottom edge."""
    x = px(column_twips)
    background = pic.pixel(x, pic.height - 1)
    y = pic.height - 1
    while y > 0 and pic.pixel(x, y) == background:
        y -= 1
    return y + 1 - px(PANES_TOP)


class Layout:
    """What one screenshot shows: the window's sizes and the two panes."""

    def __init__(self, app, extents):
        pic = app.grab()
        left, right, top, bottom = extents
        self.inner = (pic.width, pic.height)
        self.outer_height = pic.height + top + bottom
        self.tree = bottom_edge_height(pic, TREE_COLUMN)
        self.page = bottom_edge_height(pic, PAGE_COLUMN)

    def expected(self):
        """The panes' height in pixels that the resize rule gives."""
        return px(self.outer_height * TWIPS_PER_PIXEL - 850)

    def as_laid_out(self):
        return self.tree == self.page == self.expected()

    def __str__(self):
        return ("inner %dx%d px, outer height %d px (%d twips): tree %d px (%d twips), "
                "page pane %d px (%d twips); the rule gives %d px (%d twips)"
                % (self.inner[0], self.inner[1], self.outer_height,
                   self.outer_height * TWIPS_PER_PIXEL, self.tree, self.tree * TWIPS_PER_PIXEL,
                   self.page, self.page * TWIPS_PER_PIXEL, self.expected(),
                   self.outer_height * TWIPS_PER_PIXEL - 850))


def wait_until_laid_out(app, extents, when, inner=None):
    """The layout once the panes have the height the rule gives (and the
    window the inner size asked for); the state at the bound in the failure."""
    seen = []

    def laid_out():
        layout = Layout(app, extents)
        seen[:] = [layout]
        return layout if layout.as_laid_out() and inner in (None, layout.inner) else None

    return app.poll(lambda: "%s: the panes do not fit the framed window: %s" % (when, seen[0]),
                    laid_out, BOUND)


def first_layout(app):
    app.start()
    extents = app.poll("openbox did not frame the main window", lambda: frame_extents(app), BOUND)
    after_start = wait_until_laid_out(app, extents, "after start")

    # Qt reports no resize to the size a window has already: resize it away
    # and back, as a user would.
    width, height = after_start.inner
    for inner in ((width, height - 40), (width, height)):
        app.xdotool("windowsize", app.main, *inner)
        after_resize = wait_until_laid_out(app, extents, "after a resize to %dx%d" % inner, inner)
    if (after_resize.tree, after_resize.page) != (after_start.tree, after_start.page):
        app.fail("after start: %s\nafter a resize to the same inner size: %s"
                 % (after_start, after_resize))
    print("after start: %s" % after_start)
    print("after a resize to the same inner size: %s" % after_resize)


def main(argv):
    if len(argv) != 3:
        sys.stderr.write(__doc__)
        return 2
    bin_dir, failures = argv[1:]
    return run_reported(NAME, lambda stack: first_layout(Quillet(stack, bin_dir, failures, NAME)))


if __name__ == "__main__":
    sys.exit(main(sys.argv))

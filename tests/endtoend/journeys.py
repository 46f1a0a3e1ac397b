#!/usr/bin/env python3
"""The shipped program on a real desktop, the way a user goes through it.

    journeys.py <program folder> <source folder> <failures folder> <journey>

Each journey starts its own X display, window manager and (where it listens)
audio server, runs build/bin/quillet on them and stops everything it started
when it ends. Exit status 0: the journey passed; 1: it failed, with the reason
on stderr and a screenshot in the failures folder."""

import os
import re
import signal
import subprocess
import sys
import time

import sounds
from quillet import (HANG, MAIN_CAPTION, PROMOTION_CAPTION, Quillet, TestFailure, is_black,
                     is_link_green, run_reported)
from stack import StackError

FULL_HOUSE = 2  # name label of a full house


def close_shows_promotion(app, _stack, _source):
    """Names a picked hand, then closes: the promotion window, then a clean end."""
    app.start()
    app.open_node("Poker Hand Names")
    layout = app.lesson_layout()
    # The program handles the clicks in the order they come, however late.
    app.click(*layout.start_centre(1))
    # Twos of clubs, diamonds and spades, threes of clubs and diamonds.
    for key in (0, 13, 26, 1, 14):
        app.click(*layout.key_centre(key))
    app.poll(lambda: "the picked full house was not named: inverted labels %s" % app.inverted_labels(layout),
             lambda: app.inverted_labels(layout) == [FULL_HOUSE], HANG)

    app.close_through_window_manager(app.main)
    promotion = app.wait_for_window(PROMOTION_CAPTION, HANG)
    if app.visible_windows(MAIN_CAPTION):
        app.fail("the main window stayed on screen beside the promotion window")
    # The close comes in the middle of the animation.
    app.wait_for_change(promotion, "the promotion window's animation did not run")
    app.close_through_window_manager(promotion)
    status = app.wait_for_exit(HANG)
    if status is None:
        app.fail("closing the promotion window did not end the program")
    app.require_status_zero(status)
    if app.stdout_text():
        app.fail("the program wrote to stdout: %r" % app.stdout_text()[:200])


def real_game_link(app, stack, source):
    """The sample game to its end, then the real-game link: the play-online
    page opens and the program ends, without the promotion."""
    expected = play_online_address(source)
    app.start()
    game = play_sample_game_to_its_end(app)
    if app.visible_windows(PROMOTION_CAPTION):
        app.fail("a promotion window showed before the link was clicked")

    link = game.link_rect()
    app.click(link[0] + 40, link[1] + link[3] // 2)
    require_end_without_promotion(app)
    opened = poll_opened(stack)
    if opened != [expected]:
        app.fail("addresses opened: %r, expected only %r" % (opened, expected))


def play_sample_game_to_its_end(app):
    """Opens the sample game and plays it to step 34, where the real-game
    link shows; gives the game's layout."""
    app.open_node("Sample Poker Game")
    game = app.sample_game()
    # The node opened the game at step 1; Next takes it through step 34. A
    # click in the middle of an animation is handled inside it and counts.
    for _ in range(33):
        app.click(*game.next_centre())
    app.poll("the real-game link did not show after step 34",
             lambda: app.grab().share(game.link_rect(), is_link_green) > 0.03, HANG)
    return game


def require_end_without_promotion(app):
    """Watches the program after a click on the real-game link: it must end,
    with status 0, and show no promotion window on the way."""
    deadline = time.monotonic() + HANG
    while app.proc.poll() is None and time.monotonic() < deadline:
        if app.visible_windows(PROMOTION_CAPTION):
            app.fail("the real-game link showed the promotion window")
        time.sleep(0.02)
    status = app.wait_for_exit(0)
    if status is None:
        app.fail("the real-game link did not end the program")
    app.require_status_zero(status)


def answer_sounds(app, stack, _source):
    """A dealt hand named wrongly, then rightly: the no sound, then the yes
    sound, heard on the audio server. Each answer waits for the sound of the
    last to have been heard to its end, so that none cuts off another."""
    recording = sounds.MonitorRecording(stack)
    app.start()
    app.open_node("Poker Hand Names")
    layout = app.lesson_layout()
    recording.start()
    wrong = []
    right = None
    late = []  # seconds from each click to its sound
    while right is None:
        app.click(*layout.start_centre(2))
        for label in range(9):
            x, y, w, h = layout.name_label(label)
            since = recording.frames()
            clicked = time.monotonic()
            app.click(x + w // 3, y + h // 2)
            try:
                sound = recording.wait_for_whole(since, None, "label %d gave no answer sound" % label)
            except StackError as e:
                app.fail(str(e))
            late.append(recording.time_of(sound.first) - clicked)
            if sound.kind == "yes":
                app.poll(lambda: "the yes sound came for label %d, but the labels inverted are %s"
                         % (label, app.inverted_labels(layout)),
                         lambda: app.inverted_labels(layout) == [label], HANG)
                right = label
                break
            inverted = app.inverted_labels(layout)
            if inverted:
                app.fail("a wrong answer (label %d) changed the labels: inverted %s" % (label, inverted))
            wrong.append(label)
        else:
            app.fail("no name label was taken as the right answer")
        if not wrong:
            right = None  # right at the first try: deal again, to hear a wrong one first
    heard = sounds.sounds_heard(recording.stop())
    kinds = [sound.kind for sound in heard]
    print("answer sounds began %s s after their clicks" % " ".join("%.2f" % d for d in late))
    if kinds != ["no"] * len(wrong) + ["yes"]:
        app.fail("after %d wrong answers and a right one the audio server played %s"
                 % (len(wrong), heard or "nothing"))
    # The sanitizer build checks for leaks on the way out, the sound module's too.
    app.require_status_zero(app.end_through_promotion())


# Presses for held_space_on_next, 2 ms apart: well past the nesting bound.
HELD_PRESSES = 10000
STACK_LIMIT_KB = 2048


def held_space_on_next(app, _stack, _source):
    """Space held on the sample game's Next button, then the user's way out.
    Next keeps the focus after its click and each Space press clicks it; a
    press during a table animation's wait performs the next step inside that
    wait, so the steps nest, and the program bounds that nesting. After the
    presses the program must still run, on a stack that never grew to 2 MB,
    and the promotion window must still end it with status 0."""
    app.start()
    app.open_node("Sample Poker Game")
    game = app.sample_game()
    box = game.comments_rect()

    def commentary():
        return app.grab().crop(box)

    app.poll("the sample game showed no commentary",
             lambda: app.grab().share(box, is_black) > 0.002, HANG)
    step1 = commentary()
    app.click(*game.next_centre())
    app.poll("the click on Next did not change the commentary", lambda: commentary() != step1, HANG)
    step2 = commentary()

    keys = app.stack.own("xdotool", subprocess.Popen(
        ["xdotool", "key", "--delay", "2", "--repeat", str(HELD_PRESSES), "space"],
        env=app.stack.env(), stdout=subprocess.DEVNULL, stderr=subprocess.PIPE))
    app.poll("Space on the focused Next button changed nothing", lambda: commentary() != step2, HANG)
    # The presses take 2 ms each at the least; a busy machine sends them more
    # slowly, which this bound allows many times over.
    try:
        keys.wait(timeout=HANG + HELD_PRESSES * 0.02)
    except subprocess.TimeoutExpired:
        app.fail("xdotool did not send its %d presses" % HELD_PRESSES)
    if keys.returncode != 0:
        app.fail("xdotool failed: %s" % keys.stderr.read().decode(errors="replace").strip())
    if app.proc.poll() is not None:
        app.fail("the program ended (status %d) while Space was held on Next" % app.proc.returncode)

    # The close request comes after every press in the program's event queue:
    # once the promotion window shows, all of them have been handled.
    app.close_through_window_manager(app.main)
    promotion = app.wait_for_window(PROMOTION_CAPTION, HANG)
    if app.visible_windows(MAIN_CAPTION):
        app.fail("the main window stayed on screen beside the promotion window")
    peak = stack_kb(app.proc.pid)
    print("stack after %d presses: %d kB" % (HELD_PRESSES, peak))
    if peak >= STACK_LIMIT_KB:
        app.fail("the program's stack grew to %d kB with Space held on Next; the limit is %d kB"
                 % (peak, STACK_LIMIT_KB))
    app.close_through_window_manager(promotion)
    status = app.wait_for_exit(HANG)
    if status is None:
        app.fail("closing the promotion window did not end the program")
    app.require_status_zero(status)


# The floods on the two ways out to the web: presses sent while the program
# is held busy, so that all of them are waiting when it handles the first.
# That many nest an unguarded handler, entered again by every press queued
# during its event pass, past the end of its stack.
# They are 2 ms apart, as in held_space_on_next: sent with no delay, Qt took
# most presses for a key's own repeat, which a button does not click on.
FLOOD_PRESSES = 5000
FLOOD_DELAY_MS = 2


def flooded_web_page_button(app, stack, source):
    """Space pressed on the promotion window's button many times over: the
    play-online page opens once and the program ends with status 0."""
    expected = play_online_address(source)
    app.start()
    app.close_through_window_manager(app.main)
    promotion = app.wait_for_window(PROMOTION_CAPTION, HANG)
    # The button has the focus when the window comes up.
    app.activate(promotion)
    flood_while_held(app, "key", "space")
    status = app.wait_for_exit(HANG)
    if status is None:
        app.fail("%d presses of Space on the web-page button did not end the program" % FLOOD_PRESSES)
    app.require_status_zero(status)
    require_opened_once(app, stack, expected)


def flooded_real_game_link(app, stack, source):
    """The sample game to its end, then the real-game link clicked many times
    over: the play-online page opens once, no promotion window shows and the
    program ends with status 0."""
    expected = play_online_address(source)
    app.start()
    game = play_sample_game_to_its_end(app)
    link = game.link_rect()
    app.xdotool("mousemove", "--window", app.main, link[0] + 40, link[1] + link[3] // 2)
    flood_while_held(app, "click", "1")
    require_end_without_promotion(app)
    require_opened_once(app, stack, expected)


def flood_while_held(app, command, what):
    """Holds the program still, sends FLOOD_PRESSES of what (a key or a mouse
    button) with xdotool, then lets the program go on."""
    os.kill(app.proc.pid, signal.SIGSTOP)
    try:
        app.xdotool(command, "--delay", FLOOD_DELAY_MS, "--repeat", FLOOD_PRESSES, what,
                    timeout=HANG + FLOOD_PRESSES * 0.02)
    finally:
        os.kill(app.proc.pid, signal.SIGCONT)


def require_opened_once(app, stack, expected):
    # Each opener runs detached: wait for the first, then until no more come.
    opened = poll_opened(stack)
    settled = time.monotonic() + 1.0
    while time.monotonic() < settled:
        time.sleep(0.1)
        if stack.opened_addresses() != opened:
            opened = stack.opened_addresses()
            settled = time.monotonic() + 1.0
    if opened != [expected]:
        app.fail("%d addresses opened (%r ...), expected only %r once"
                 % (len(opened), opened[:3], expected))


def stack_kb(pid):
    """VmStk: the size the main thread's stack has grown to; it never shrinks."""
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            if line.startswith("VmStk:"):
                return int(line.split()[1])
    raise TestFailure("no VmStk in /proc/%d/status" % pid)


JOURNEYS = {
    "close_shows_promotion": (close_shows_promotion, False),
    "real_game_link": (real_game_link, False),
    "answer_sounds": (answer_sounds, True),
    "held_space_on_next": (held_space_on_next, False),
    "flooded_web_page_button": (flooded_web_page_button, False),
    "flooded_real_game_link": (flooded_real_game_link, False),
}


def play_online_address(source):
    with open(os.path.join(source, "common", "mDefs.h")) as f:
        match = re.search(r'playOnlineUrl\s*=\s*QStringLiteral\("([^"]+)"\)', f.read())
    if not match:
        raise TestFailure("no playOnlineUrl in common/mDefs.h")
    return match.group(1)


def poll_opened(stack):
    # The opener runs detached and may write after the program has ended.
    deadline = time.monotonic() + HANG
    while not stack.opened_addresses() and time.monotonic() < deadline:
        time.sleep(0.05)
    return stack.opened_addresses()


def main(argv):
    if len(argv) != 5 or argv[4] not in JOURNEYS:
        sys.stderr.write(__doc__ + "\njourneys: %s\n" % ", ".join(JOURNEYS))
        return 2
    bin_dir, source, failures, name = argv[1:]
    journey, listens = JOURNEYS[name]

    def run(stack):
        if listens:
            stack.start_audio()
        stack.install_url_recorder()
        journey(Quillet(stack, bin_dir, failures, name), stack, source)
    return run_reported(name, run)


if __name__ == "__main__":
    sys.exit(main(sys.argv))

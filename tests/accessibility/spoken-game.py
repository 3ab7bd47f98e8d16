#!/usr/bin/env python3
"""The player's side of spoken-game.sh, run under Orca: starts the game, plays it from the
keyboard as a blind player would, and waits after each step for the game to be ready again.
   spoken-game.py PROBE [STOPS...]
Each step waits for what the game tells screen readers (a notification shown), or for the
machine to take input again, never for a fixed time alone."""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

NOTICES = []
MACHINE = "Varnholt Slots"


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    pyatspi.Registry.stop()
    sys.exit(1)


def find(node, test, depth=0):
    if node is None or depth > 14:
        return None
    try:
        if test(node):
            return node
        for index in range(node.childCount):
            found = find(node.getChildAtIndex(index), test, depth + 1)
            if found is not None:
                return found
    except Exception:  # an object gone while walking
        return None
    return None


def game_app():
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        app = desktop.getChildAtIndex(index)
        if app is not None and app.name == "Varnholt Slots":
            return app
    return None


def on_showing(event):
    if event.detail1 and event.source.getRoleName() == "notification":
        NOTICES.append(event.source.name)


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "150"] + list(keys), check=True)


def machine_ready(app):
    """The menus are enabled again once a play is over."""
    bar = find(app, lambda n: n.getRoleName() == "menu bar")
    borrow = find(bar, lambda n: n.name == "Borrow") if bar is not None else None
    return borrow is not None and borrow.getState().contains(pyatspi.STATE_ENABLED)


def focused_name(app):
    focused = find(app, lambda n: n.getState().contains(pyatspi.STATE_FOCUSED)
                   and n.getRoleName() not in ("frame", "dialog", "filler"))
    return focused.name if focused is not None else None


def active_window_title():
    out = subprocess.run(["xdotool", "getactivewindow", "getwindowname"], capture_output=True, text=True)
    return out.stdout.strip()


def activate(title):
    """Asks the window manager to activate the window; false while there is none such."""
    subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title, "windowactivate"],
                   capture_output=True)
    return False


class Until:
    """A step's wait: the test holds, within `seconds`, then `settle` seconds more."""

    def __init__(self, test, seconds, what, settle=0.5):
        self.test, self.what, self.settle = test, what, settle
        self.deadline = time.monotonic() + seconds


def orca_busy_ticks():
    """Orca's processor time so far, in clock ticks."""
    with open("/proc/{}/stat".format(os.environ["ORCA_PID"])) as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])


def run(steps):
    """Runs a generator of Until waits inside the accessibility event loop."""
    state = {"wait": None, "settled": None, "orca": (-1, 0)}

    def orca_idle(now):
        """Orca has used no processor time for half a second: it has spoken what it was told."""
        ticks, since = state["orca"]
        current = orca_busy_ticks()
        if current != ticks:
            state["orca"] = (current, now)
            return False
        return now - since >= 0.5

    def tick():
        wait = state["wait"]
        now = time.monotonic()
        if wait is not None:
            if state["settled"] is None:
                if wait.test():
                    state["settled"] = now + wait.settle
                elif now > wait.deadline:
                    fail("gave up waiting for {} (active window: {!r})".format(wait.what, active_window_title()))
                return True
            if now < state["settled"] or not orca_idle(now):
                return True
        try:
            state["wait"], state["settled"] = next(steps), None
        except StopIteration:
            pyatspi.Registry.stop()
            return False
        return True

    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
    GLib.timeout_add(50, tick)
    pyatspi.Registry.start()


def script():
    yield Until(lambda: game_app() is not None, 60, "the game on the accessibility bus")
    app = game_app()
    yield Until(lambda: active_window_title() == MACHINE or activate("^" + MACHINE + "$"), 60,
                "the machine's window", 0.5)
    # The start-up sound holds the keys a moment after the menus are enabled.
    yield Until(lambda: machine_ready(app), 30, "the machine to start", 2)

    def notices(*keys, count=1, settle=0.5):
        before = len(NOTICES)
        key(*keys)
        yield Until(lambda: len(NOTICES) >= before + count, 40,
                    "{} notification(s) after {}".format(count, " ".join(keys)), settle)

    def play(*keys, count=1):
        yield from notices(*keys, count=count, settle=4)  # the win counts up after it is told
        yield Until(lambda: machine_ready(app), 40, "the machine after " + " ".join(keys), 0.8)

    def window(keys, title):
        key(*keys)
        yield Until(lambda: active_window_title().startswith(title), 20, "the window " + title, 1.5)

    def pause(seconds):
        yield Until(lambda: True, 1, "", seconds)

    def one_by_one(*keys):
        """Each key once Orca has spoken the last: it skips a focus that has already moved on."""
        for each in keys:
            key(each)
            yield from pause(0.3)

    yield from play("b", "space")  # a win that gives nudges
    yield from play("b", "space")  # a losing spin: the nudges are offered
    yield from play("1")  # a nudge that wins
    # The machine's parts read out, play unchanged.
    yield from one_by_one("Tab", "Tab", "Tab", "Tab", "Tab", "shift+Tab")

    if "--vault" in sys.argv:
        yield from notices("b", "space")  # the vault opens
        yield Until(lambda: active_window_title() == "The vault", 30, "the vault", 1.5)
        yield from notices("3")  # the chest and its prize
        yield Until(lambda: active_window_title() == MACHINE, 30, "the vault to close", 0)
        yield Until(lambda: machine_ready(app), 40, "the machine after the vault", 2)

    yield from window(["alt+b"], "Use this form to borrow or pay back credits")
    yield from one_by_one("Tab", "Tab")  # from OK past Help to the first chip
    yield Until(lambda: focused_name(app) == "Borrow 1000 credits", 20, "the first chip", 1)
    yield from notices("space", settle=0.8)
    yield from window(["Escape"], MACHINE)

    yield from window(["alt+s"], "Your Game Statistics")
    yield from one_by_one(*["Tab"] * 7)  # every figure once: the first has the focus as the window opens
    yield from window(["Escape"], MACHINE)

    if "--more" in sys.argv:
        yield from window(["ctrl+s"], "Save a Game")
        yield from window(["Return"], "Name for this saved game")  # the first slot's button
        yield from notices("Return", settle=1)  # the name as offered
        yield Until(lambda: active_window_title() == MACHINE, 20, "the machine after the save", 1)
        yield from window(["ctrl+h"], "Play History")
        yield from pause(2)
        yield from one_by_one(*["Tab"] * 8)  # the chart, then every figure
        yield from window(["Escape"], MACHINE)
        yield from window(["F1"], "Varnholt Slots Help")
        yield from one_by_one("ctrl+Home", "Down", "Down", "Down")
        yield from window(["Escape"], MACHINE)


def main():
    game = subprocess.Popen([sys.argv[1]] + [a for a in sys.argv[2:] if not a.startswith("--")])
    with open(os.environ["GAME_PID_FILE"], "w") as pid_file:
        pid_file.write(str(game.pid))
    run(script())
    print("notifications: {}".format(NOTICES))
    return 0


if __name__ == "__main__":
    sys.exit(main())

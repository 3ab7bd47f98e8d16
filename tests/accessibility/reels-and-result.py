#!/usr/bin/env python3
"""The screen reader's side of reels-and-result.sh: finds the running game on the accessibility
bus, puts a coin in and presses Spin through the bus, picks a chest if the vault opens, and checks that the reels
read as symbols and the result is announced once, as a notification that shows."""
import re
import sys
import time

import pyatspi
from gi.repository import GLib

SYMBOL = r"(gold bars|knight|horse|gold shield|cross shield|scrolls|swords|skull|Bonus|Wild)"
REEL = re.compile(r"^Reel [123]: {0}, {0}, {0}$".format(SYMBOL))
RESULT = re.compile(r"^(No win\.|Won \d+ credits? .+\.|The vault gave .+\.)( \d+ nudges? to use: press 1, 2 or 3\.)?$")


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def find(node, test, depth=0):
    if node is None or depth > 12:
        return None
    if test(node):
        return node
    for index in range(node.childCount):
        found = find(node.getChildAtIndex(index), test, depth + 1)
        if found is not None:
            return found
    return None


def wait_for_game(seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            if app is not None and app.name == "Varnholt Slots":
                face = find(app, lambda n: n.name == "Slot machine")
                if face is not None and face.childCount > 0:
                    return app, face
        time.sleep(0.5)
    fail("the game did not appear on the accessibility bus")


def main():
    app, face = wait_for_game()
    time.sleep(1)  # start-up unlocks the machine a moment after the face shows
    children = [face.getChildAtIndex(i) for i in range(face.childCount)]
    bet = next((c for c in children if c.name == "Bet 1"), None)
    spin = next((c for c in children if c.name == "Spin"), None)
    result = next((c for c in children if c.description == "The result of the last spin or nudge"), None)
    if bet is None or spin is None or result is None:
        fail("no Spin button or result line among the face's children: {}".format([c.name for c in children]))

    spoken = []
    state = {"vault": False, "deadline": time.monotonic() + 40}

    def on_showing(event):
        if event.detail1 and event.source.getRoleName() == "notification" and event.source.name:
            spoken.append(event.source.name)

    def check():
        vault = find(app, lambda n: n.name == "The vault")
        if vault is not None and not state["vault"]:
            chests = find(vault, lambda n: n.getRoleName() == "list")
            if chests is not None and chests.childCount == 5:
                state["vault"] = True
                chests.getChildAtIndex(0).queryAction().doAction(0)
        announced = [s for s in spoken if s != "The vault opens." and not s.startswith("Chest ")]
        if announced or time.monotonic() > state["deadline"]:
            GLib.timeout_add(1500, pyatspi.Registry.stop)  # any second announcement arrives by then
            return False
        return True

    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
    bet.queryAction().doAction(0)
    spin.queryAction().doAction(0)
    GLib.timeout_add(200, check)
    pyatspi.Registry.start()

    reels = [c.name for c in children if c.name.startswith("Reel ")]
    print("reels: {}".format(reels))
    print("result: {!r}; spoken: {}".format(result.name, spoken))
    if len(reels) != 3 or not all(REEL.match(r) for r in reels):
        fail("the reels do not read as three symbols each: {}".format(reels))
    if not RESULT.match(result.name):
        fail("the result line reads {!r}".format(result.name))
    # The vault also says the prize of the chest picked, as it opens.
    spoken = [s for s in spoken if not s.startswith("Chest ")]
    expected = (["The vault opens."] if state["vault"] else []) + [result.name]
    if spoken != expected:
        fail("announced {} rather than {} once".format(spoken, expected))
    return 0


if __name__ == "__main__":
    sys.exit(main())

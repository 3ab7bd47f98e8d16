#!/usr/bin/env python3
"""Lists what a screen reader sees of a running Varnholt Slots: the accessible tree of the
application on the desktop's accessibility bus (AT-SPI), one node a line with its role, name,
value, description and states (focused, selected, checked, unavailable).

    python3 tools/accessibility/list-tree.py ["Varnholt Slots"]

The program must run with accessibility on (QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 when no screen
reader has switched it on) and on the same session bus as this script.
"""
import sys

import pyatspi


def value_of(node):
    try:
        return str(node.queryValue().currentValue)
    except NotImplementedError:
        return ""


# States worth a screen reader's mention, by the name the tree shows them with.
SHOWN_STATES = [(pyatspi.STATE_FOCUSED, "focused"), (pyatspi.STATE_SELECTED, "selected"),
                (pyatspi.STATE_CHECKED, "checked")]


def states_of(node):
    states = node.getState()
    shown = [name for state, name in SHOWN_STATES if states.contains(state)]
    if not states.contains(pyatspi.STATE_ENABLED):
        shown.append("unavailable")
    return " [{}]".format(", ".join(shown)) if shown else ""


def walk(node, depth, out):
    out.append("{}{} '{}' value={} '{}'{}".format(
        "  " * depth, node.getRoleName(), node.name, value_of(node), node.description, states_of(node)))
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            walk(child, depth + 1, out)


def main():
    wanted = sys.argv[1] if len(sys.argv) > 1 else "Varnholt Slots"
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        app = desktop.getChildAtIndex(index)
        if app is not None and app.name == wanted:
            lines = []
            walk(app, 0, lines)
            print("\n".join(lines))
            return 0
    names = [desktop.getChildAtIndex(i).name for i in range(desktop.childCount)]
    print("no application named {!r} on the accessibility bus, only {}".format(wanted, names), file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())

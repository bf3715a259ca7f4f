#!/usr/bin/python3
"""What assistive technology sees of the running game. Given the game's name
alone, prints one line per accessible object, "depth|role|name", names with
their line breaks as \\n and "|modal" after a modal one. Given a control's
name too, presses that control as a screen reader does, and fails if it
cannot, or if the press keeps the caller waiting."""
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402
import pyatspi  # noqa: E402


def walk(accessible, depth):
    yield depth, accessible
    for index in range(accessible.childCount):
        yield from walk(accessible.getChildAtIndex(index), depth + 1)


def main():
    desktop = pyatspi.Registry.getDesktop(0)
    applications = [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
    found = [a for a in applications if a is not None and a.name == sys.argv[1]]
    if not found:
        print(f"no application named {sys.argv[1]}", file=sys.stderr)
        return 1
    if len(sys.argv) == 2:
        for depth, accessible in walk(found[0], 0):
            name = (accessible.name or "").replace("\n", "\\n")
            modal = "|modal" if accessible.getState().contains(pyatspi.STATE_MODAL) else ""
            print(f"{depth}|{accessible.getRoleName()}|{name}{modal}")
        return 0
    # A press that waited for the box it opens would run into this.
    Atspi.set_timeout(2000, 2000)
    for _, accessible in walk(found[0], 0):
        if accessible.name == sys.argv[2]:
            action = accessible.queryAction()
            if action.nActions > 0 and action.doAction(0):
                return 0
            print(f"{sys.argv[2]} cannot be pressed", file=sys.stderr)
            return 1
    print(f"nothing named {sys.argv[2]} to press", file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())

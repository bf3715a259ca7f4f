#!/usr/bin/python3
"""accessible_tree.py APPLICATION [CONTROL]: prints the application's accessible
objects, "depth|role|name"; or presses CONTROL as a screen reader does, failing
if it cannot or if the press keeps the caller waiting."""
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402
import pyatspi  # noqa: E402


def walk(accessible, depth=0):
    yield depth, accessible
    for child in accessible:
        yield from walk(child, depth + 1)


def named(objects, name):
    found = next((o for o in objects if o is not None and o.name == name), None)
    return sys.exit(f"nothing named {name}") if found is None else found


tree = list(walk(named(pyatspi.Registry.getDesktop(0), sys.argv[1])))
if len(sys.argv) == 2:
    print("\n".join(f"{depth}|{o.getRoleName()}|{o.name}" for depth, o in tree))
    sys.exit()
# A press that waited for the box it opens would run into this.
Atspi.set_timeout(2000, 2000)
action = named((o for _, o in tree), sys.argv[2]).queryAction()
sys.exit(action.nActions == 0 or not action.doAction(0))

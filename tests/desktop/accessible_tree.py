#!/usr/bin/python3
"""Prints what assistive technology sees of the running game: one line per
accessible object, "depth|role|name", names with their line breaks as \\n."""
import sys

import pyatspi


def walk(accessible, depth):
    name = (accessible.name or "").replace("\n", "\\n")
    print(f"{depth}|{accessible.getRoleName()}|{name}")
    for index in range(accessible.childCount):
        walk(accessible.getChildAtIndex(index), depth + 1)


def main():
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        application = desktop.getChildAtIndex(index)
        if application is not None and application.name == sys.argv[1]:
            walk(application, 0)
            return 0
    print(f"no application named {sys.argv[1]}", file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/python3
"""Uses the running player's bar as a screen reader would, over AT-SPI.

    atspi_bar.py press NAME   does the action of the push button NAME
    atspi_bar.py value NAME   prints the value of the slider NAME
    atspi_bar.py label TEXT   succeeds when a label reads TEXT

Exit status 1 when no such control is there (yet).
"""
import sys

import pyatspi

ROLES = {
    "press": pyatspi.ROLE_PUSH_BUTTON,
    "value": pyatspi.ROLE_SLIDER,
    "label": pyatspi.ROLE_LABEL,
}


def find(role, name):
    for app in pyatspi.Registry.getDesktop(0):
        if app is None:
            continue
        found = pyatspi.findDescendant(
            app, lambda o: o is not None and o.getRole() == role and o.name == name)
        if found is not None:
            return found
    return None


def main(command, name):
    control = find(ROLES[command], name)
    if control is None:
        return 1
    if command == "press":
        action = control.queryAction()
        names = [action.getName(i).lower() for i in range(action.nActions)]
        if "press" not in names:
            return 1
        action.doAction(names.index("press"))
    elif command == "value":
        print(control.queryValue().currentValue)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))

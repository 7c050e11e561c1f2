#!/usr/bin/python3
"""Reads the running game's windows through AT-SPI, as a screen reader does, and
prints each accessible with its role, name, value, state and actions. Exits 1
when the board lacks one of its parts (menu button, sound switch, score 0000,
time 30, abort button) or the window has no name.

Run by tools/atspi-board.sh, which starts the game on a private accessibility bus."""
import sys
import time

import pyatspi

APP_NAME = "Pie Vorb Quarn"


def find_app(timeout):
    deadline = time.time() + timeout
    while time.time() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name in (APP_NAME, "pievorbquarn"):
                return app
        time.sleep(0.2)
    return None


def value_of(acc):
    try:
        text = acc.queryText()
        return text.getText(0, -1)
    except NotImplementedError:
        return ""


def actions_of(acc):
    try:
        action = acc.queryAction()
        return [action.getName(i) for i in range(action.nActions)]
    except NotImplementedError:
        return []


def walk(acc, depth, found):
    states = acc.getState().getStates()
    shown = ",".join(pyatspi.stateToString(s) for s in states if s in (
        pyatspi.STATE_CHECKED, pyatspi.STATE_PRESSED, pyatspi.STATE_SENSITIVE, pyatspi.STATE_VISIBLE))
    value = value_of(acc)
    print("%s%s %r%s [%s]%s" % ("  " * depth, acc.getRoleName(), acc.name,
                                " value=%r" % value if value else "", shown,
                                " actions=%s" % actions_of(acc) if actions_of(acc) else ""))
    found.append((acc.getRoleName(), acc.name, value, actions_of(acc), acc.description))
    if depth < 6:
        for child in acc:
            if child is not None:
                walk(child, depth + 1, found)


def main():
    app = find_app(20)
    if app is None:
        print("FAIL  the game did not appear on the accessibility bus")
        return 1
    time.sleep(1.0)  # the start-up set and the sound device
    found = []
    walk(app, 0, found)
    expected = [
        ("push button", "Menu", "", "Press"),
        ("check box", "Sound", None, None),
        ("label", "Score", "0000", None),
        ("label", "Time", "30", None),
        ("push button", "Abort game", "", "Press"),
    ]
    failures = 0
    frames = [f for f in found if f[0] == "frame"]
    if not frames or not frames[0][1]:
        print("FAIL  the main window has no name")
        failures += 1
    else:
        print("PASS  main window %r" % frames[0][1])
    for role, name, value, action in expected:
        match = [f for f in found if f[0] == role and f[1] == name and
                 (value is None or f[2] == value) and (action is None or action in f[3])]
        if match:
            print("PASS  %s %r%s" % (role, name, " = %r" % value if value else ""))
        else:
            print("FAIL  %s %r%s" % (role, name, " = %r" % value if value else ""))
            failures += 1
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

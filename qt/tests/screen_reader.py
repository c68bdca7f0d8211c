# What a screen reader finds of the running program through AT-SPI: every
# label of the today panel reads its own text, and a search in each direction
# is heard as a change of its result label's text. Driven through what a
# screen reader's user has: actions and editable text.
import re
import subprocess
import time

import pyatspi
from gi.repository import GLib


def nodes(node):
    yield node
    for child in filter(None, node):
        yield from nodes(child)


def find(role, description=None, name=None):
    for _ in range(150):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Halvora":
                for node in nodes(app):
                    if node.getRole() == role and description in (None, node.description) \
                            and name in (None, node.name):
                        return node
        time.sleep(0.1)
    raise LookupError(f"no {role} described as {description!r} named {name!r}")


def press(name, role=pyatspi.ROLE_PUSH_BUTTON):
    find(role, name=name).queryAction().doAction(0)


def type_into(description, text):
    box = find(pyatspi.ROLE_COMBO_BOX, description)
    edit = next(n for n in nodes(box) if n.getRole() == pyatspi.ROLE_TEXT)
    edit.queryEditableText().setTextContents(text)


for description, pattern in (("Év", r"\d{4}\. $"), ("Hónap", r"\w+$"), ("Nap", r" \d{1,2}\.$"),
                             ("A hét napja", r"\w+$"), ("Idõ", r"\d\d:\d\d$"),
                             ("Mai névnapok", r".* napja$")):
    text = find(pyatspi.ROLE_LABEL, description).name
    assert re.match(pattern, text), f"{description} reads {text!r}"

# The whole window, from the keyboard: the menu key, then Keresés. Each step a
# second after the last, so each change is heard before the next.
subprocess.run(["xdotool", "key", "Menu", "Down", "Down", "Down", "Return"], check=True)
for _ in range(50):
    if find(pyatspi.ROLE_PUSH_BUTTON, name="Keresés").getState().contains(pyatspi.STATE_SHOWING):
        break
    time.sleep(0.1)
# The keyboard lands where the focus order begins.
option1 = find(pyatspi.ROLE_RADIO_BUTTON, name="Névnap keresése dátum alapján")
for _ in range(50):
    if option1.getState().contains(pyatspi.STATE_FOCUSED):
        break
    time.sleep(0.1)
else:
    raise AssertionError("after Keresés no control has the focus")
heard = []
pyatspi.Registry.registerEventListener(
    lambda event: heard.append((event.source.description, event.source.name)),
    "object:property-change:accessible-name")
steps = [lambda: press("Dátum keresése keresztnév alapján", pyatspi.ROLE_RADIO_BUTTON),
         lambda: type_into("Keresztnév", "Ábel"), lambda: press("Keresés"),
         lambda: press("Névnap keresése dátum alapján", pyatspi.ROLE_RADIO_BUTTON),
         lambda: type_into("Hónap", "március"), lambda: type_into("Nap", "15"),
         lambda: press("Keresés")]
expected = [("Dátum", "január 2."), ("Névnapok", "Kristóf")]
# A loaded machine may tell the last change late: it is waited for, not timed.
give_up = time.monotonic() + 60


def step():
    if steps:
        try:
            steps.pop(0)()
        except Exception as error:  # ends the steps; the checks below tell
            print(error)
            steps.clear()
        return True
    if all(change in heard for change in expected) or time.monotonic() > give_up:
        pyatspi.Registry.stop()
        return False
    return True


GLib.timeout_add(1000, step)
pyatspi.Registry.start()
for change in expected:
    assert change in heard, f"no screen reader heard {change[0]} become {change[1]!r}: {heard}"

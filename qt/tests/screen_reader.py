# What a screen reader finds of the running program through AT-SPI: every
# label of the today panel reads its own text, and a search in each direction
# is heard as a change of its result label's text. Driven through the same
# interfaces a screen reader's user has: actions and editable text.
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib


def fail(why):
    sys.exit(f"FAIL: {why}")


def program():
    for _ in range(150):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Halvora":
                return app
        time.sleep(0.1)
    fail("the program is not on the accessibility bus")


def nodes(node):
    yield node
    for child in node:
        if child is not None:
            yield from nodes(child)


def find(description=None, name=None, role=None):
    for node in nodes(program()):
        if (description is None or node.description == description) and \
                (name is None or node.name == name) and (role is None or node.getRole() == role):
            return node
    fail(f"nothing described as {description!r} named {name!r}")


def press(name, role=pyatspi.ROLE_PUSH_BUTTON):
    find(name=name, role=role).queryAction().doAction(0)


def type_into(description, text):
    box = find(description=description, role=pyatspi.ROLE_COMBO_BOX)
    edit = next(n for n in nodes(box) if n.getRole() == pyatspi.ROLE_TEXT)
    edit.queryEditableText().setTextContents(text)


# Start-up: each label of the today panel reads its text; what it is, is its
# description.
panel = {d: find(description=d, role=pyatspi.ROLE_LABEL).name for d in
         ("Év", "Hónap", "Nap", "A hét napja", "Idõ", "Mai névnapok")}
for description, pattern in (("Év", r"\d{4}\. $"), ("Nap", r" \d{1,2}\.$"),
                             ("Idõ", r"\d\d:\d\d$"), ("Mai névnapok", r".* napja$"),
                             ("Hónap", r"\w+$"), ("A hét napja", r"\w+$")):
    if not re.match(pattern, panel[description]):
        fail(f"{description} reads {panel[description]!r}")
print("today panel:", panel)

# The whole window, from the keyboard: the menu key, then Keresés.
subprocess.run(["xdotool", "key", "Menu", "Down", "Down", "Down", "Return"], check=True)
time.sleep(1)

heard = []
pyatspi.Registry.registerEventListener(
    lambda event: heard.append((event.source.description, event.source.name)),
    "object:property-change:accessible-name")


def steps(*actions):
    # One at a time, a second apart, so each change is heard before the next.
    def run(remaining):
        try:
            remaining[0]()
        except Exception as error:  # ends the loop; the checks below report
            print(error)
            remaining = [pyatspi.Registry.stop]
        if len(remaining) > 1:
            GLib.timeout_add(1000, run, remaining[1:])
        return False
    GLib.timeout_add(500, run, list(actions) + [pyatspi.Registry.stop])


def search_by_name():
    press("Dátum keresése keresztnév alapján", pyatspi.ROLE_RADIO_BUTTON)
    type_into("Keresztnév", "Ábel")
    press("Keresés")


def search_by_date():
    press("Névnap keresése dátum alapján", pyatspi.ROLE_RADIO_BUTTON)
    type_into("Hónap", "március")
    type_into("Nap", "15")
    press("Keresés")


steps(search_by_name, search_by_date)
pyatspi.Registry.start()
# The name search's answer is gone again once the date search is chosen:
# what a screen reader heard of it counts.
if find(description="Névnapok", role=pyatspi.ROLE_LABEL).name != "Kristóf":
    fail("the date search's result does not read Kristóf")
for change in (("Dátum", "január 2."), ("Névnapok", "Kristóf")):
    if change not in heard:
        fail(f"no screen reader heard {change[0]} become {change[1]!r}: {heard}")
print("heard:", heard)

# A person's hand on a GNOME desktop: pointer and keys through mutter's own
# remote desktop interface on the session bus, which reaches mutter's window
# frames too (an X client's made-up input does not). One command a line on
# standard input, each answered with "ok" once mutter has answered its calls:
#
#   move X Y            the pointer to X, Y on the screen
#   press B, release B  mouse button B (1 left, 3 right)
#   key K...            each key pressed and released in turn; "shift+F10"
#                       holds Shift around F10
import sys
import time

from gi.repository import Gio, GLib

KEYSYMS = {"Shift_L": 0xFFE1, "F10": 0xFFC7, "Menu": 0xFF67, "Up": 0xFF52, "Down": 0xFF54,
           "Return": 0xFF0D, "Escape": 0xFF1B}
MODIFIERS = {"shift": "Shift_L"}
BUTTONS = {1: 0x110, 3: 0x111}  # the kernel's BTN_LEFT and BTN_RIGHT

bus = Gio.bus_get_sync(Gio.BusType.SESSION)


def call(path, interface, method, arguments=None, name="org.gnome.Mutter.RemoteDesktop"):
    return bus.call_sync(name, path, interface, method, arguments, None,
                         Gio.DBusCallFlags.NONE, 5000, None)


session = call("/org/gnome/Mutter/RemoteDesktop", "org.gnome.Mutter.RemoteDesktop",
               "CreateSession").unpack()[0]


SIGNATURES = {"Start": None, "Stop": None, "NotifyPointerMotionRelative": "(dd)",
              "NotifyPointerButton": "(ib)", "NotifyKeyboardKeysym": "(ub)"}


# Each call returns once mutter has answered it.
def session_call(method, *arguments):
    signature = SIGNATURES[method]
    call(session, "org.gnome.Mutter.RemoteDesktop.Session", method,
         GLib.Variant(signature, arguments) if signature else None)


def key(name, down):
    session_call("NotifyKeyboardKeysym", KEYSYMS[name], down)


session_call("Start")
# A new session's devices come up a moment after it starts, and it loses its
# first key even then; a lone Shift is harmless.
time.sleep(0.5)
key("Shift_L", True)
key("Shift_L", False)
# Relative motion only (absolute needs a screen cast): from the top left
# corner, where a long move up and left ends, the pointer's place is known.
session_call("NotifyPointerMotionRelative", -100000.0, -100000.0)
x, y = 0.0, 0.0

for line in sys.stdin:
    words = line.split()
    if not words:
        continue
    if words[0] == "move":
        to_x, to_y = float(words[1]), float(words[2])
        session_call("NotifyPointerMotionRelative", to_x - x, to_y - y)
        x, y = to_x, to_y
    elif words[0] in ("press", "release"):
        session_call("NotifyPointerButton", BUTTONS[int(words[1])], words[0] == "press")
    elif words[0] == "key":
        for combination in words[1:]:
            *held, last = combination.split("+")
            names = [MODIFIERS[h] for h in held] + [last]
            for name in names:
                key(name, True)
            for name in reversed(names):
                key(name, False)
    else:
        print(f"unknown command: {line.strip()}", flush=True)
        continue
    print("ok", flush=True)
session_call("Stop")

# Reads the first word box over the accessibility bus as a screen reader does, presses it with its
# accessible action and waits (15 s at most) for the description-changed event.
import sys
import time

import pyatspi
from gi.repository import GLib


def walk(node):
    yield node
    for i in range(node.childCount):
        if node[i] is not None:
            yield from walk(node[i])


# The program joins the bus in its own time: look for the box until it shows, 30 s at most.
box, deadline = None, time.time() + 30
while True:
    apps = [a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "Glosandas"]
    box = next((n for a in apps for n in walk(a) if n.description.startswith("Palabra 1 ")), None)
    if box is not None or time.time() > deadline:
        break
    time.sleep(0.1)
if box is None or not box.name or box.description != "Palabra 1 de 4, libre":
    sys.exit(f"heard: {box and (box.name, box.description)}")

heard = []


def changed(event):
    heard.append(event.source.description)
    if event.source.description.endswith("seleccionada"):
        pyatspi.Registry.stop()


pyatspi.Registry.registerEventListener(changed, "object:property-change:accessible-description")
action = box.queryAction()
press = [action.getName(i) for i in range(action.nActions)].index("Press")
# The registry tells the program of the listener before it answers the registration, and the
# program answered the calls above after that: it announces the press without a pause.
GLib.idle_add(lambda: action.doAction(press) and False)
GLib.timeout_add(15000, lambda: pyatspi.Registry.stop() or False)
pyatspi.Registry.start()
print("heard:", box.name, "|", heard)
if "Palabra 1 de 4, seleccionada" not in heard:
    sys.exit("the press was not announced")

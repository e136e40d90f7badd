# Reads the first word box through the accessibility bus as a screen reader does, presses it with
# its accessible action and waits for the description-changed event. Exits non-zero on failure.
import sys
import time

import pyatspi
from gi.repository import GLib


def find(deadline):
    while time.time() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is None or app.name != "Glosandas":
                continue
            stack = [app]
            while stack:
                node = stack.pop()
                if node is None:
                    continue
                if node.description.startswith("Palabra 1 de "):
                    return node
                stack.extend(node[i] for i in range(node.childCount))
        time.sleep(0.2)
    return None


box = find(time.time() + 30)
if box is None:
    sys.exit("no word box on the accessibility bus")
print("heard:", box.name, "|", box.description)
if box.description != "Palabra 1 de 4, libre" or not box.name:
    sys.exit("unexpected description")

heard = []


def changed(event):
    heard.append(event.source.description)
    if "seleccionada" in event.source.description:
        pyatspi.Registry.stop()


pyatspi.Registry.registerEventListener(changed, "object:property-change:accessible-description")
action = box.queryAction()
names = [action.getName(i) for i in range(action.nActions)]
GLib.timeout_add(100, lambda: action.doAction(names.index("Press")) and False)
GLib.timeout_add(15000, lambda: pyatspi.Registry.stop() or False)
pyatspi.Registry.start()
print("announced:", heard)
if "Palabra 1 de 4, seleccionada" not in heard:
    sys.exit("the press was not announced")

#!/usr/bin/python3
"""A screen reader's view of a browser, for the browser tests: reads the page's
accessibility tree over AT-SPI with pyatspi (the library Orca is built on),
sets values as assistive tools do, and collects what live regions announce.

Started with the browser's process id or application name; reads one JSON command a line on stdin
and answers each with one JSON line on stdout:
  {"do": "tree"}                        the page's document as nested nodes
  {"do": "set", "name": N, "value": V}  sets the value of the node named N
  {"do": "announcements"}               live regions' insertions since the last ask
"""

import json
import sys

try:
    import pyatspi
    from gi.repository import GLib
except ImportError:
    sys.exit("FAIL: pyatspi is missing (Debian package python3-pyatspi)")

PAGE_TITLE = "Tarvel Demo"
STATES = {"focused": pyatspi.STATE_FOCUSED, "focusable": pyatspi.STATE_FOCUSABLE,
          "pressed": pyatspi.STATE_PRESSED, "checked": pyatspi.STATE_CHECKED,
          "selected": pyatspi.STATE_SELECTED, "showing": pyatspi.STATE_SHOWING}

# The browser by its process id, or by its application's name where its
# driver starts it (MiniBrowser).
browser = sys.argv[1]
announcements = []


def is_browser(app):
    if browser.isdigit():
        return app.get_process_id() == int(browser)
    return app.name == browser


def document():
    """The page's document in the browser's tree (Firefox has an empty one
    besides it)."""
    for app in pyatspi.Registry.getDesktop(0):
        try:
            if app is None or not is_browser(app):
                continue
        except Exception:  # an application that went away meanwhile
            continue
        # The tree as it is now: the client's cache may hold a closed tab's.
        app.clear_cache()
        found = pyatspi.findDescendant(
            app, lambda a: a is not None and a.getRoleName() == "document web"
            and a.name == PAGE_TITLE and a.childCount > 0
            and a.getState().contains(pyatspi.STATE_SHOWING))
        if found is not None:
            return found
    return None


def node(acc):
    acc.clear_cache()  # an engine may change a text without saying so
    out = {"role": acc.getRoleName(), "name": acc.name or "", "description": acc.description or ""}
    states = acc.getState()
    out["states"] = [name for name, state in STATES.items() if states.contains(state)]
    try:
        out["text"] = acc.queryText().getText(0, -1)
    except NotImplementedError:
        pass
    try:
        value = acc.queryValue()
        out["value"] = {"now": value.currentValue, "min": value.minimumValue,
                        "max": value.maximumValue, "step": value.minimumIncrement}
    except (NotImplementedError, GLib.GError):
        pass
    attributes = dict(a.split(":", 1) for a in acc.getAttributes() if ":" in a)
    if "id" in attributes:
        out["id"] = attributes["id"]
    out["children"] = [node(child) for child in acc if child is not None]
    return out


def set_value(name, value):
    found = pyatspi.findDescendant(document(), lambda a: a is not None and a.name == name
                                   and "Value" in pyatspi.listInterfaces(a))
    if found is None:
        return {"error": f"nothing named {name!r} has a value"}
    return {"done": bool(found.queryValue().set_currentValue(float(value)))}


def answer(command):
    what = command.get("do")
    if what == "tree":
        doc = document()
        return {"tree": node(doc)} if doc is not None else {"error": "no page on the bus"}
    if what == "set":
        return set_value(command["name"], command["value"])
    if what == "announcements":
        taken = list(announcements)
        announcements.clear()
        return {"announcements": taken}
    return {"error": f"no command {what!r}"}


def on_command(source, condition):
    line = sys.stdin.readline()
    if not line:
        pyatspi.Registry.stop()
        return False
    try:
        reply = answer(json.loads(line))
    except Exception as error:  # answered, so that the test says what failed
        reply = {"error": repr(error)}
    sys.stdout.write(json.dumps(reply) + "\n")
    sys.stdout.flush()
    return True


def live(acc):
    """The politeness of the live region that holds acc, or None."""
    while acc is not None:
        attributes = dict(a.split(":", 1) for a in acc.getAttributes() if ":" in a)
        if "container-live" in attributes:
            return attributes["container-live"]
        acc = acc.parent
    return None


def on_insert(event):
    try:
        if event.host_application is None or not is_browser(event.host_application):
            return
        politeness = live(event.source)
        if politeness and politeness != "off":
            announcements.append({"text": str(event.any_data), "live": politeness,
                                  "role": event.source.getRoleName()})
    except Exception:  # an object that went away meanwhile
        pass


pyatspi.Registry.registerEventListener(on_insert, "object:text-changed:insert")
GLib.io_add_watch(sys.stdin, GLib.IO_IN | GLib.IO_HUP, on_command)
sys.stdout.write(json.dumps({"ready": True}) + "\n")
sys.stdout.flush()
pyatspi.Registry.start()

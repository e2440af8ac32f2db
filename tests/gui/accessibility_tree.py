#!/usr/bin/python3
"""What a screen reader hears from the real program: starts it under Xvfb on
Qt's xcb platform, reads its accessibility tree over AT-SPI with pyatspi (the
client library Orca is built on) and checks the names, values and boxes; then
acts on it (Random, paths switched on by real clicks, the plot range set over
AT-SPI) and checks the words that follow, one change event per change.

Run on a private session bus:  dbus-run-session -- /usr/bin/python3 THIS PROGRAM
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

try:
    import pyatspi
    from gi.repository import GLib
except ImportError:
    sys.exit("FAIL: pyatspi is missing (Debian package python3-pyatspi)")

START_TIMEOUT_S = 20
PARKED = "off, delay 0.00 \u00b5s, relative power 0.00. A click selects it, a second click " \
    "switches it on; keys u, d, l, r move it up, down, left, right; drag with the right button " \
    "to move it, into the bottom-left corner to park it switched off."
CLEARS = " A click, Enter or Space clears it."
EYE_WORDS = re.compile(r"^(Empty since it was last cleared\.|Eye closed at the sampling instant\.|"
                       r"Eye open [1-9]\d* % of a single path's opening at the sampling instant\.)"
                       + re.escape(CLEARS) + "$")
EYES = ["Single-path eye diagram", "Eye diagrams of each path", "Eye diagram of the received sum"]
# What the reading keys meet in the window, area by area as the layout has
# them: statistics rows as title, then figure; no tick number or unit label.
READING_ORDER = [f"Path {i}" for i in range(1, 9)] + ["Random"] + \
    [name for row in ("Mean Delay", "Delay Spread", "Coherence Bandwidth (1/Delay Spread)",
                      "Coherence Bandwidth (0.2/Delay Spread)",
                      "Coherence Bandwidth (0.02/Delay Spread)") for name in (row, row)] + \
    EYES + ["Symbol Time", "Frequency response", "Log Plot", "Memory", "Plot range",
            "Fading speed", "Start", "Reset", "Tarvel Demo logo"]
STATISTICS = {"Mean Delay": "\u00b5s", "Delay Spread": "\u00b5s",
              "Coherence Bandwidth (1/Delay Spread)": "MHz",
              "Coherence Bandwidth (0.2/Delay Spread)": "MHz",
              "Coherence Bandwidth (0.02/Delay Spread)": "MHz"}


def start_xvfb():
    if shutil.which("Xvfb") is None:
        sys.exit("FAIL: Xvfb is missing (Debian package xvfb)")
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
        pass_fds=(write_end,), stderr=subprocess.DEVNULL)
    os.close(write_end)
    # Xvfb writes its display number once it accepts clients.
    with os.fdopen(read_end) as pipe:
        number = pipe.readline().strip()
    if not number:
        xvfb.kill()
        sys.exit("FAIL: Xvfb did not start")
    return xvfb, ":" + number


def find_application(pid):
    """The program's application object, once its window is on the bus."""
    deadline = time.monotonic() + START_TIMEOUT_S
    while time.monotonic() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            try:
                if app is not None and app.get_process_id() == pid and app.childCount > 0 \
                        and app[0].childCount > 0:
                    return app
            except Exception:  # an application that went away meanwhile
                pass
        time.sleep(0.05)
    return None


class Node:
    def __init__(self, acc, parent):
        self.parent = parent
        self.role = acc.getRoleName()
        self.name = acc.name or ""
        self.description = acc.description or ""
        states = acc.getState()
        self.focusable = states.contains(pyatspi.STATE_FOCUSABLE)
        self.showing = states.contains(pyatspi.STATE_SHOWING)
        try:
            box = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            self.size = (box.width, box.height)
        except NotImplementedError:  # the application object has no box
            self.size = None
        try:
            self.text = acc.queryText().getText(0, -1)
        except NotImplementedError:
            self.text = None
        self.labelled_by = [
            relation.getTarget(i).name for relation in acc.getRelationSet()
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
            for i in range(relation.getNTargets())]
        self.children = [Node(child, self) for child in acc]

    def walk(self):
        yield self
        for child in self.children:
            yield from child.walk()

    def inside(self, role):
        node = self.parent
        while node is not None and node.role != role:
            node = node.parent
        return node is not None

    def __str__(self):
        return f"{self.role} {self.name!r} {self.description!r} {self.size}" + \
            (" focusable" if self.focusable else "") + (" showing" if self.showing else "") + \
            (f" text {self.text!r}" if self.text is not None else "")


def check(app):
    failures = []

    def expect(condition, message):
        if not condition:
            failures.append(message)

    windows = app.children
    expect([(w.role, w.name) for w in windows] == [("frame", "Tarvel Demo")],
           f"one window, a frame named 'Tarvel Demo': {[str(w) for w in windows]}")
    nodes = [node for window in windows for node in window.walk()]
    read = [child.name for window in windows for child in window.children]
    expect(read == READING_ORDER, f"the window reads in the layout's order: {read}")

    def named(role, name):
        return [n for n in nodes if n.role == role and n.name == name]

    for i in range(1, 9):
        markers = named("push button", f"Path {i}")
        expect(len(markers) == 1, f"one marker 'Path {i}': {len(markers)}")
        for marker in markers:
            expect(marker.description == PARKED, f"Path {i} reads {marker.description!r}")
            expect(marker.showing and marker.size == (25, 25), f"Path {i}'s box: {marker}")

    combos = [n for n in nodes if n.role == "combo box"]
    expect(len(combos) == 1, f"one combo box: {[str(c) for c in combos]}")
    for combo in combos:
        expect(combo.name == "Symbol Time", f"the combo box is named {combo.name!r}")
        expect(combo.text == "1.0", f"the combo box's value reads {combo.text!r}")
        expect(combo.description == "in \u00b5s", f"the combo box's unit: {combo.description!r}")
        expect(combo.labelled_by == ["Symbol Time"], f"labelled by {combo.labelled_by}")

    for name, description in [("Fading speed", "0 is no fading, 5 the fastest"),
                              ("Plot range", "Range of the frequency response's vertical axis")]:
        bars = named("scroll bar", name)
        expect(len(bars) == 1, f"one scroll bar {name!r}: {len(bars)}")
        expect(all(b.description == description for b in bars), f"{name!r} describes itself")

    for node in nodes:
        if node.focusable:
            expect(node.name != "", f"a focusable element without a name: {node}")
        if node.showing:
            expect(node.size[0] > 0 and node.size[1] > 0, f"a shown element with no box: {node}")
        else:
            # Only the symbol list, closed until it is opened, may be absent.
            expect(node.inside("combo box"), f"an element that is not shown: {node}")
        expect(node.name != "Drop place", f"a drop place while nothing is dragged: {node}")

    expect([w.description for w in windows] == ["No path is on."],
           f"the window reads as its empty diagram: {[w.description for w in windows]}")
    for eye in EYES:
        boxes = [n for n in nodes if n.name == eye]
        expect(len(boxes) == 1 and EYE_WORDS.match(boxes[0].description),
               f"the eye {eye!r} in words: {[b.description for b in boxes]}")
    spectra = [n for n in nodes if n.name == "Frequency response"]
    expect([s.description for s in spectra] ==
           ["Log plot, -15.6 to 15.6 dB shown. No response: no path is on."],
           f"the frequency response in words: {[s.description for s in spectra]}")
    check_statistics(nodes, expect)
    return failures, nodes


def check_statistics(nodes, expect):
    """Each value field is named by its row and reads its figure with its unit."""
    for title, unit in STATISTICS.items():
        fields = [n for n in nodes if n.name == title and n.description]
        expect(len(fields) == 1, f"one value field named {title!r}: {[str(f) for f in fields]}")
        for field in fields:
            figure = r"(-?\d*\.?\d+|Inf)" if unit == "MHz" else r"-?\d*\.?\d+"
            expect(re.fullmatch(figure + " " + unit, field.description),
                   f"{title!r} reads {field.description!r}")


class DescriptionEvents:
    """The description changes the program announces, as (source name, its
    description when heard); Qt's bridge sends the source, not the text."""

    def __init__(self):
        self.seen = []
        pyatspi.Registry.registerEventListener(
            self.heard, "object:property-change:accessible-description")

    def heard(self, event):
        try:
            self.seen.append((event.source.name, event.source.description))
        except Exception:  # a source that went away meanwhile
            pass

    def of(self, name):
        return [text for source, text in self.seen if source == name]

    def pump(self, seconds):
        """Lets the program act and its events arrive."""
        context = GLib.MainContext.default()
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            while context.iteration(False):
                pass
            time.sleep(0.01)


def find(acc, role, name):
    found = []

    def visit(node):
        if node.getRoleName() == role and node.name == name:
            found.append(node)
        for child in node:
            visit(child)
    visit(acc)
    return found[0] if len(found) == 1 else None


def press(acc, events):
    action = acc.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    action.doAction(names.index("Press") if "Press" in names else 0)
    events.pump(0.4)


def act(app):
    """Random, two paths switched on, the plot range set from outside: the
    words follow, and every change is announced once."""
    failures = []

    def expect(condition, message):
        if not condition:
            failures.append(message)

    events = DescriptionEvents()
    window = app[0]
    press(find(window, "push button", "Random"), events)
    expect(window.description == "No path is on.", f"Random moves, switches nothing on: "
           f"{window.description!r}")
    for path in ("Path 1", "Path 2"):
        marker = find(window, "push button", path)
        press(marker, events)  # the first click selects it, the second switches it on
        press(marker, events)
    events.pump(0.5)
    places = []
    for i, path in ((1, "Path 1"), (2, "Path 2")):
        match = re.match(r"on, delay (\d\.\d\d) \u00b5s, relative power (\d\.\d\d)\. ",
                         find(window, "push button", path).description)
        expect(match is not None, f"{path} switched on and read")
        if match:
            places.append(f"path {i} at {match[1]} \u00b5s, power {match[2]}")
    expect(window.description == "2 paths on: " + "; ".join(places) + ".",
           f"the window reads its two paths: {window.description!r}")
    expect(events.of("Tarvel Demo") == ["1 path on: " + places[0] + ".", window.description],
           f"the window announced each change once: {events.of('Tarvel Demo')}")
    # No tick ran: the pictures' words stand as they were, unannounced.
    for name in EYES + ["Frequency response"]:
        expect(events.of(name) == [], f"{name!r} announced no change: {events.of(name)}")
    check_statistics(list(Node(window, None).walk()), expect)

    for name in ("Fading speed", "Plot range"):
        value = find(window, "scroll bar", name).queryValue()
        expect(value.minimumIncrement == 1, f"{name!r} steps by {value.minimumIncrement}")
    plot_range = find(window, "scroll bar", "Plot range").queryValue()
    events.seen.clear()
    plot_range.currentValue = 10
    events.pump(0.5)
    expect(plot_range.currentValue == 10, f"the plot range set over AT-SPI reads "
           f"{plot_range.currentValue}")
    spectrum = find_any(window, "Frequency response").description
    expect(spectrum.startswith("Log plot, -1.4 to 1.4 dB shown. "),
           f"the plot follows the range set over AT-SPI: {spectrum!r}")
    expect(events.of("Frequency response") == [spectrum],
           f"the new range announced once: {events.of('Frequency response')}")
    return failures


def find_any(acc, name):
    """The one element of that name, whatever its role."""
    found = [n for n in Node(acc, None).walk() if n.name == name]
    return found[0] if len(found) == 1 else None


def main():
    if len(sys.argv) != 2:
        sys.exit(f"usage: dbus-run-session -- {sys.argv[0]} PROGRAM")
    if "DBUS_SESSION_BUS_ADDRESS" not in os.environ:
        sys.exit("FAIL: no session bus; run under dbus-run-session")
    began = time.monotonic()
    xvfb, display = start_xvfb()
    runtime = tempfile.mkdtemp()
    environment = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb",
                       QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", XDG_RUNTIME_DIR=runtime)
    environment.pop("WAYLAND_DISPLAY", None)
    environment.pop("QT_SCALE_FACTOR", None)
    program = subprocess.Popen([sys.argv[1]], env=environment)
    try:
        acc = find_application(program.pid)
        if acc is None:
            return f"FAIL: the program did not show on the accessibility bus in {START_TIMEOUT_S} s"
        failures, nodes = check(Node(acc, None))
        if not failures:
            failures = act(acc)
        if failures:
            print("What the tree holds:")
            for node in nodes:
                print("  ", node)
            return "FAIL:\n  " + "\n  ".join(failures)
        print(f"{len(nodes)} elements read in {time.monotonic() - began:.1f} s")
        return 0
    finally:
        for process in (program, xvfb):
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        shutil.rmtree(runtime, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())

# SPDX-License-Identifier: GPL-3.0-or-later
# Pellorin used from outside on a private X11 desktop (Xvfb, openbox, Orca): xdotool at the
# places AT-SPI gives, what AT-SPI reads, what Orca says (its debug log, speech itself off).
# Usage (see run_e2e.sh): pellorin_e2e.py PROGRAM [TEST]
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

import pyatspi

HERE = os.path.dirname(os.path.abspath(__file__))
READY = sorted(["Automatic", "Exit", "Init", "Graph display", "Help", "Throw the dice"])
FACE_1 = ["Large die, face 1", "Small die, face 1"]


def wait_for(what, predicate, timeout=30.0):
    deadline = time.monotonic() + timeout
    while True:
        try:
            value = predicate()
        except Exception:  # the accessibility tree changes under our feet
            value = None
        if value or time.monotonic() > deadline:
            assert value, f"timed out waiting for {what}"
            return value
        time.sleep(0.1)


def has(accessible, state):
    accessible.clearCache()  # the cache follows events, which this script does not see
    return accessible.getState().contains(state)


def descendants(root, role=None, depth=6):
    found = []
    for child in (root.getChildAtIndex(i) for i in range(root.childCount if depth else 0)):
        if child is not None:
            found += [child] * (role in (None, child.getRoleName()))
            found += descendants(child, role, depth - 1)
    return found


class EndToEnd(unittest.TestCase):
    def setUp(self):
        self.processes, self.workdir = [], tempfile.mkdtemp(prefix="pellorin-e2e-")
        self.addCleanup(self.close)
        number = next(n for n in range(100 + os.getpid() % 400, 1000)
                      if not os.path.exists(f"/tmp/.X{n}-lock"))
        self.start("Xvfb", f":{number}", "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                   "-noreset")  # without -noreset Xvfb ends when its first client leaves
        wait_for("the X server", lambda: os.path.exists(f"/tmp/.X11-unix/X{number}"), 15)
        os.environ.update(DISPLAY=f":{number}", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                          QT_ACCESSIBILITY="1")
        os.environ.pop("QT_QPA_PLATFORM", None)
        self.start("openbox", "--sm-disable")  # without one X11 windows are never activated
        wait_for("the window manager", lambda: "window id" in self.output(
            "xprop", "-root", "_NET_SUPPORTING_WM_CHECK"))
        # A broken chime where chimes are looked up first: "Init" stays silent, and the
        # program must still end at once after "Exit".
        open(os.path.join(self.workdir, "pinpon.wav"), "wb").close()
        self.program = self.start(sys.argv[1], cwd=self.workdir)
        bus = pyatspi.Registry.getDesktop(0)
        self.app = wait_for("the program on the accessibility bus", lambda: next(
            app for app in descendants(bus, depth=1) if app.get_process_id() == self.program.pid))
        # Orca refuses to start beside another of this user's; its log says what it would speak.
        self.assertFalse(self.output("pgrep", "-u", str(os.getuid()), "-x", "orca", check=False))
        self.log, home = os.path.join(self.workdir, "orca.out"), os.path.join(self.workdir, "h")
        os.makedirs(home)
        self.start("/usr/bin/python3", os.path.join(HERE, "orca_line_by_line.py"), "--disable",
                   "speech", "--disable", "braille", "--debug-file", self.log, "--user-prefs",
                   home, env=dict(os.environ, HOME=home))
        self.heard = 0
        self.listen("the window's title", r"^Pellorin \(C\)")
        self.listen("the first focus", r"^Exit push button\.$")

    def start(self, *command, **options):
        self.processes.append(subprocess.Popen(command, stdout=subprocess.DEVNULL,
                                               stderr=subprocess.DEVNULL, **options))
        return self.processes[-1]

    def close(self):
        for process in reversed(self.processes):
            process.kill()
            process.wait()
        shutil.rmtree(self.workdir, ignore_errors=True)

    def output(self, *command, check=True):
        return subprocess.run(command, capture_output=True, text=True, timeout=10,
                              check=check).stdout

    def spoken(self):
        with open(self.log, encoding="utf-8", errors="replace") as log:
            return re.findall(r"SPEECH OUTPUT: '([^']*)'", log.read())

    def listen(self, what, pattern):
        """Waits until Orca says something that matches, and returns all it said meanwhile."""
        lines = wait_for(f"Orca to say {what}", lambda: (lambda said: next(
            said[:i + 1] for i in range(len(said)) if re.search(pattern, said[i])))(
                self.spoken()[self.heard:]))
        self.heard += len(lines)
        return lines

    def press(self, key, what, pattern):
        self.output("xdotool", "key", key)
        return self.listen(what, pattern)

    def window(self, title, exact=False):
        return next((w for w in descendants(self.app, depth=1) if has(w, pyatspi.STATE_SHOWING)
                     and (w.name == title or not exact and w.name.startswith(title))), None)

    def find(self, window, role, name):
        return next(a for a in descendants(window, role) if a.name == name)

    def labels(self):
        """What a screen reader's review reads of the values and cells: description -> value."""
        return {a.description: a.name.rpartition(": ")[2] for a in
                descendants(self.window("Pellorin ("), "label") if a.description}

    def usable(self, window=None):
        return sorted(b.name for b in descendants(window or self.window("Pellorin ("),
                                                  "push button")
                      if has(b, pyatspi.STATE_ENABLED))

    def faces(self):
        return sorted(a.description for a in descendants(self.window("Pellorin ("), "image")
                      if has(a, pyatspi.STATE_SHOWING))

    def click(self, caption, effect, title="Pellorin (", patience=15.0):
        # On a loaded machine a click can come to nothing: like a person, click again.
        for _ in range(4):
            button = wait_for(f'"{caption}"', lambda: self.find(
                self.window(title, exact=title == "Pellorin"), "push button", caption))
            box = button.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            self.output("xdotool", "mousemove", str(box.x + box.width // 2),
                        str(box.y + box.height // 2), "click", "1")
            try:
                return wait_for(f'the effect of "{caption}"', effect, patience)
            except AssertionError:
                pass
        self.fail(f'"{caption}" had no effect')

    def test_tour(self):
        box = wait_for("the window", lambda: self.window("Pellorin (")).queryComponent()
        self.assertEqual(tuple(box.getExtents(pyatspi.DESKTOP_COORDS)), (257, 124, 521, 480))
        # The window belongs to the desktop entry that starts it: docks match its class.
        with open(f"{HERE}/../../assets/desktop/net.pellorin.Pellorin.desktop") as entry:
            wm_class = re.search(r"^StartupWMClass=(.*)$", entry.read(), re.M).group(1)
        window_id = self.output("xdotool", "search", "--pid", str(self.program.pid), "--name",
                                r"^Pellorin \(").split()[0]
        self.assertIn(f', "{wm_class}"', self.output("xprop", "-id", window_id, "WM_CLASS"))
        wait_for("the ready buttons", lambda: self.usable() == READY)
        self.assertEqual(self.faces(), FACE_1)

        # A blind pupil, keyboard only: Space throws and stops, the result is spoken once as
        # the window shows it, and the focus is back on "Throw the dice", so that Space throws
        # again; a run is heard every hundred experiments and when it is stopped.
        while "Throw the dice push button." not in self.press("Tab", "a button", "push button"):
            pass
        self.press("space", "the dice spinning", r"^Stop the dice push button\.$")
        said, values = self.press("space", "the result", "^notification ")[-2:], self.labels()
        (pair,) = [cell for cell, count in values.items() if cell[:6] == "Large " and count == "1"]
        large, small = (int(face) for face in re.findall(r"\d", pair))
        self.assertEqual(said, [
            "Throw the dice push button.", f"notification {pair}: "
            f"{'odd' if large % 2 and small % 2 else 'even'} product. 1 experiment, "
            f"{values['Number of odd products']} odd, ratio {values['Percentage of odd products']}."])
        self.assertEqual(self.faces(), [f"Large die, face {large}", f"Small die, face {small}"])
        self.press("space", "the dice spinning again", r"^Stop the dice push button\.$")
        self.press("space", "the second result", r"^notification .* 2 experiments, ")
        self.press("Tab", "Automatic", r"^Automatic push button\.$")
        self.press("space", "the run going", r"^Stop push button\.$")
        self.listen("the run's progress", r"^notification 100 experiments, ratio \d\.\d{3}\.$")
        said = self.press("space", "the run stopped", "^notification ")[-2:]
        self.assertEqual(said[0], "Automatic push button.")
        self.assertRegex(said[1], r"^notification Large \d, small \d: (odd|even) product\. "
                         r"\d{3} experiments, \d+ odd, ratio \d\.\d{3}\. Stopped\.$")
        with open(self.log, encoding="utf-8", errors="replace") as log:
            self.assertNotIn("ERROR", log.read())

        # Ctrl+C puts the table on the desktop's clipboard, as the window shows it.
        self.output("xdotool", "key", "ctrl+c")
        rows = wait_for("the table on the clipboard", lambda: [line.split("\t") for line in
                        self.output("xclip", "-o", "-selection", "clipboard", "-t",
                                    "UTF8_STRING").splitlines()])
        values = self.labels()
        self.assertEqual([row[1:] for row in rows[1:7]], [
            [values[f"Large {large}, small {small}"] for small in range(1, 7)]
            for large in range(1, 7)])
        self.assertEqual(rows[-1], ["Percentage of odd products",
                                    values["Percentage of odd products"]])

        # The graph replaces the experiment window, and its picture goes to the clipboard; the
        # window manager's close (Alt+F4) brings the window back activated: face 1 again.
        graph = self.click("Graph display", lambda: self.window(" Graph "))
        wait_for("the experiment window hidden", lambda: self.window("Pellorin (") is None)
        self.assertIn(f"after {values['Number of experiments']} experiments",
                      descendants(graph, "image")[0].name)
        self.output("xdotool", "key", "ctrl+c")
        wait_for("the picture on the clipboard", lambda: "image/png" in self.output(
            "xclip", "-o", "-selection", "clipboard", "-t", "TARGETS"))
        self.output("xdotool", "key", "alt+F4")
        wait_for("face 1", lambda: not self.window(" Graph ") and self.faces() == FACE_1)

        # Help opens beside the experiment window, read line by line; Alt+F4 only hides it.
        text = descendants(self.click("Help", lambda: self.window("Pellorin＿Help")), "label")[0]
        self.assertIsNotNone(self.window("Pellorin ("))
        self.assertEqual(text.queryText().getTextAtOffset(2, pyatspi.TEXT_BOUNDARY_LINE_START)[0]
                         .strip(), "【Problem】")
        self.output("xdotool", "key", "alt+F4")
        wait_for("the help window hidden", lambda: self.window("Pellorin＿Help") is None)

        # Init, with the broken chime, clears the tally and disables "Graph display"; Exit's
        # notice ends the program at once when it is answered.
        self.click("Init", lambda: self.labels()["Number of experiments"] == "0")
        self.assertEqual(self.usable(), [b for b in READY if b != "Graph display"])
        notice = self.click("Exit", lambda: self.window("Pellorin", exact=True))
        self.find(notice, "label", "This software will exit.")
        self.assertEqual(self.usable(notice), ["OK"])
        self.click("OK", lambda: self.program.poll() is not None, "Pellorin", patience=2.0)
        self.assertEqual(self.program.returncode, 0)
        print("Orca said:\n" + "\n".join(self.spoken()), file=sys.stderr)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1] + sys.argv[2:], verbosity=2)

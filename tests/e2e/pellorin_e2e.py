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


def wait_for(what, predicate, timeout=30.0):
    deadline = time.monotonic() + timeout
    while True:
        try:
            value = predicate()
        except Exception:  # the accessibility tree changes under our feet
            value = None
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out waiting for {what}")
        time.sleep(0.1)


def state(accessible, which):
    # The client cache follows events, which a script without a main loop may not have seen.
    accessible.clearCache()
    return accessible.getState().contains(which)


def descendants(root, predicate, depth=6):
    found = []
    for index in range(root.childCount if depth else 0):
        child = root.getChildAtIndex(index)
        if child is not None:
            found += ([child] if predicate(child) else []) + descendants(child, predicate,
                                                                         depth - 1)
    return found


def extents(accessible):
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


class EndToEnd(unittest.TestCase):
    def setUp(self):
        self.processes = []
        self.workdir = tempfile.mkdtemp(prefix="pellorin-e2e-")
        self.addCleanup(self.close)
        number = next(n for n in range(100 + os.getpid() % 400, 1000)
                      if not os.path.exists(f"/tmp/.X{n}-lock"))
        # Without -noreset Xvfb ends when its first client leaves.
        self._start(["Xvfb", f":{number}", "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                     "-noreset"])
        wait_for("the X server", lambda: os.path.exists(f"/tmp/.X11-unix/X{number}"), 15)
        self.env = dict(os.environ, DISPLAY=f":{number}", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                        QT_ACCESSIBILITY="1")
        self.env.pop("QT_QPA_PLATFORM", None)
        os.environ["DISPLAY"] = self.env["DISPLAY"]
        # Without a window manager X11 windows are never activated.
        self._start(["openbox", "--sm-disable"], env=self.env)
        wait_for("the window manager", lambda: "window id" in subprocess.run(
            ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env,
            capture_output=True, text=True).stdout)
        # A broken chime in the working directory, where chimes are looked up first: "Init"
        # stays silent, and the program must still end at once after "Exit".
        open(os.path.join(self.workdir, "pinpon.wav"), "wb").close()
        self.program = self._start([sys.argv[1]], env=self.env, cwd=self.workdir)
        # Our own program on the accessibility bus, told apart by its process id.
        bus = pyatspi.Registry.getDesktop(0)
        self.app = wait_for("the program on the accessibility bus", lambda: next(
            (app for app in (bus.getChildAtIndex(i) for i in range(bus.childCount))
             if app is not None and app.get_process_id() == self.program.pid), None))
        # Orca, which refuses to start beside another of this user's, with its debug log
        # written a line at a time and speech off: the log says what it would speak.
        self.assertEqual(subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"],
                                        capture_output=True).stdout, b"", "another Orca runs")
        self.log = os.path.join(self.workdir, "orca.out")
        home = os.path.join(self.workdir, "home")
        os.makedirs(home)
        self._start(["/usr/bin/python3", os.path.join(HERE, "orca_line_by_line.py"),
                     "--disable", "speech", "--disable", "braille", "--debug-file", self.log,
                     "--user-prefs", home], env=dict(self.env, HOME=home))
        self.heard = 0
        self.listen("the window's title", r"^Pellorin \(C\)")
        self.listen("the first focus", r"^Exit push button\.$")

    def _start(self, command, **options):
        self.processes.append(subprocess.Popen(command, stdout=subprocess.DEVNULL,
                                               stderr=subprocess.DEVNULL, **options))
        return self.processes[-1]

    def close(self):
        for process in reversed(self.processes):
            process.kill()
            process.wait()
        shutil.rmtree(self.workdir, ignore_errors=True)

    def output(self, *command):
        return subprocess.run(command, env=self.env, capture_output=True, text=True,
                              timeout=10, check=True).stdout

    def xdotool(self, *arguments):
        self.output("xdotool", *arguments)

    def orca_log(self):
        with open(self.log, encoding="utf-8", errors="replace") as log:
            return log.read()

    def spoken(self):
        return re.findall(r"SPEECH OUTPUT: '([^']*)'", self.orca_log())

    def listen(self, what, pattern):
        """Waits until Orca says something that matches, and returns all it said meanwhile."""
        def said():
            lines = self.spoken()
            match = next((i for i in range(self.heard, len(lines))
                          if re.search(pattern, lines[i])), None)
            return lines[self.heard:match + 1] if match is not None else None
        lines = wait_for(f"Orca to say {what}", said)
        self.heard += len(lines)
        return lines

    def press(self, key, what, pattern):
        self.xdotool("key", key)
        return self.listen(what, pattern)

    def window(self, title, exact=False):
        return next((w for w in descendants(self.app, lambda a: True, 1)
                     if state(w, pyatspi.STATE_SHOWING) and
                     (w.name == title or not exact and w.name.startswith(title))), None)

    def find(self, window, role, name=None, description=None):
        return next(iter(descendants(window, lambda a: a.getRoleName() == role and
                                     name in (None, a.name) and
                                     description in (None, a.description))), None)

    def labels(self):
        # What a screen reader's review reads of the values and cells: description -> value.
        return {a.description: a.name.rpartition(": ")[2] for a in descendants(
            self.window("Pellorin ("), lambda a: a.getRoleName() == "label" and a.description)}

    def usable(self, window=None):
        return sorted(b.name for b in descendants(window or self.window("Pellorin ("),
                                                  lambda a: a.getRoleName() == "push button")
                      if state(b, pyatspi.STATE_ENABLED))

    def click(self, caption, effect, window_title="Pellorin (", patience=15.0):
        # On a loaded machine a click can come to nothing: like a person, click again.
        for _ in range(4):
            button = wait_for(f'"{caption}" usable', lambda: (lambda b: b if b and state(
                b, pyatspi.STATE_ENABLED) else None)(self.find(self.window(
                    window_title, exact=window_title == "Pellorin"), "push button", caption)))
            x, y, width, height = extents(button)
            self.xdotool("mousemove", str(x + width // 2), str(y + height // 2), "click", "1")
            try:
                return wait_for(f'the effect of "{caption}"', effect, patience)
            except AssertionError:
                pass
        raise AssertionError(f'"{caption}" had no effect')

    def faces(self):
        shown = descendants(self.window("Pellorin ("), lambda a: a.getRoleName() == "image" and
                            state(a, pyatspi.STATE_SHOWING))
        return sorted(a.description for a in shown)

    def test_tour(self):
        main = wait_for("the experiment window", lambda: self.window("Pellorin ("))
        self.assertEqual(extents(main), (257, 124, 521, 480))
        # The window belongs to the desktop entry that starts it: docks match its class.
        with open(os.path.join(HERE, "../../assets/desktop/net.pellorin.Pellorin.desktop"),
                  encoding="utf-8") as entry:
            wm_class = re.search(r"^StartupWMClass=(.*)$", entry.read(), re.M).group(1)
        window_id = self.output("xdotool", "search", "--pid", str(self.program.pid), "--name",
                                r"^Pellorin \(").split()[0]
        self.assertIn(f', "{wm_class}"', self.output("xprop", "-id", window_id, "WM_CLASS"))
        wait_for("the ready buttons", lambda: self.usable() == READY)
        self.assertEqual(self.faces(), ["Large die, face 1", "Small die, face 1"])

        # A blind pupil, keyboard only: Space throws and stops, the result is spoken once as
        # the window shows it, and the focus is back on "Throw the dice", so that Space throws
        # again; a run is heard every hundred experiments and when it is stopped.
        while "Throw the dice push button." not in self.press("Tab", "a button", "push button"):
            pass
        self.press("space", "the dice spinning", r"^Stop the dice push button\.$")
        said = self.press("space", "the result", "^notification ")[-2:]
        self.assertEqual(said[0], "Throw the dice push button.")
        values = self.labels()
        (pair,) = [cell for cell, count in values.items() if cell.startswith("Large ") and count == "1"]
        large, small = (int(face) for face in re.findall(r"\d", pair))
        self.assertEqual(said[1], f"notification {pair}: "
                         f"{'odd' if large % 2 and small % 2 else 'even'} product. 1 experiment, "
                         f"{values['Number of odd products']} odd, "
                         f"ratio {values['Percentage of odd products']}.")
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
        self.assertEqual(re.findall(r".*ERROR.*", self.orca_log()), [])

        # Ctrl+C puts the table on the desktop's clipboard, as the window shows it.
        self.xdotool("key", "ctrl+c")
        rows = wait_for("the table on the clipboard", lambda: [
            line.split("\t") for line in self.output(
                "xclip", "-o", "-selection", "clipboard", "-t", "UTF8_STRING").splitlines()])
        values = self.labels()
        self.assertEqual([row[1:] for row in rows[1:7]], [
            [values[f"Large {row}, small {column}"] for column in range(1, 7)]
            for row in range(1, 7)])
        self.assertEqual(rows[-1], ["Percentage of odd products",
                                    values["Percentage of odd products"]])

        # The graph replaces the experiment window; the window manager's close (Alt+F4) brings
        # it back, activated: both dice show face 1 again.
        graph = self.click("Graph display", lambda: self.window(" Graph "))
        wait_for("the experiment window hidden", lambda: self.window("Pellorin (") is None)
        self.assertIn(f"after {values['Number of experiments']} experiments",
                      self.find(graph, "image").name)
        self.xdotool("key", "ctrl+c")
        wait_for("the picture on the clipboard", lambda: "image/png" in self.output(
            "xclip", "-o", "-selection", "clipboard", "-t", "TARGETS"))
        self.xdotool("key", "alt+F4")
        wait_for("face 1 after the return", lambda: self.window(" Graph ") is None and
                 self.faces() == ["Large die, face 1", "Small die, face 1"])

        # Help opens beside the experiment window, its text read line by line; Alt+F4 only
        # hides it.
        help_window = self.click("Help", lambda: self.window("Pellorin＿Help"))
        self.assertIsNotNone(self.window("Pellorin ("))
        text = self.find(help_window, "label").queryText()
        self.assertEqual(text.getTextAtOffset(2, pyatspi.TEXT_BOUNDARY_LINE_START)[0].strip(),
                         "【Problem】")
        self.xdotool("key", "alt+F4")
        wait_for("the help window hidden", lambda: self.window("Pellorin＿Help") is None)

        # Init, with the broken chime, clears the tally and disables "Graph display".
        self.click("Init", lambda: self.labels()["Number of experiments"] == "0")
        self.assertEqual(self.usable(), [b for b in READY if b != "Graph display"])

        # Exit shows its notice, and the program ends at once when it is answered.
        notice = self.click("Exit", lambda: self.window("Pellorin", exact=True))
        self.assertIsNotNone(self.find(notice, "label", "This software will exit."))
        self.assertEqual(self.usable(notice), ["OK"])
        self.click("OK", lambda: self.program.poll() is not None, "Pellorin", patience=2.0)
        self.assertEqual(self.program.returncode, 0)
        print("Orca said:\n" + "\n".join(self.spoken()), file=sys.stderr)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1] + sys.argv[2:], verbosity=2)

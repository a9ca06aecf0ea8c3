# SPDX-License-Identifier: GPL-3.0-or-later
# Pellorin used from outside on a private X11 desktop (Xvfb, openbox): xdotool at the places
# AT-SPI gives, the screen's pixels, what a screen reader reads. Usage (see run_e2e.sh):
# pellorin_e2e.py PROGRAM

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

import pyatspi


def wait_for(what, predicate, timeout=45.0):
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


READY = sorted(["Automatic", "Exit", "Init", "Graph display", "Help", "Throw the dice"])


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
             if app is not None and app.get_process_id() == self.program.pid), None), 30)

    def _start(self, command, **options):
        self.processes.append(subprocess.Popen(command, stdout=subprocess.DEVNULL,
                                               stderr=subprocess.DEVNULL, **options))
        return self.processes[-1]

    def close(self):
        for process in reversed(self.processes):
            process.kill()
            process.wait()
        shutil.rmtree(self.workdir, ignore_errors=True)

    def xdotool(self, *arguments):
        subprocess.run(["xdotool", *arguments], env=self.env, check=True)

    def clipboard(self, target="UTF8_STRING"):
        return subprocess.run(["xclip", "-o", "-selection", "clipboard", "-t", target],
                              env=self.env, capture_output=True, text=True, timeout=10).stdout

    def window(self, title, exact=False):
        return next((w for w in descendants(self.app, lambda a: True, 1)
                     if state(w, pyatspi.STATE_SHOWING) and
                     (w.name == title or not exact and w.name.startswith(title))), None)

    def find(self, window, role, name=None, description=None):
        return next(iter(descendants(window, lambda a: a.getRoleName() == role and
                                     name in (None, a.name) and
                                     description in (None, a.description))), None)

    def value(self, description):
        # The value a screen reader hears, as in "Number of experiments: 38".
        label = self.find(self.window("Pellorin ("), "label", description=description)
        return label.name.rpartition(": ")[2]

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
        entry = os.path.join(os.path.dirname(__file__), "../../assets/desktop",
                             "net.pellorin.Pellorin.desktop")
        with open(entry, encoding="utf-8") as desktop_entry:
            wm_class = next(line.split("=", 1)[1].strip() for line in desktop_entry
                            if line.startswith("StartupWMClass="))
        window_id = subprocess.run(["xdotool", "search", "--pid", str(self.program.pid),
                                    "--name", "^Pellorin \\("], env=self.env,
                                   capture_output=True, text=True).stdout.split()[0]
        self.assertIn(f'"{wm_class}"', subprocess.run(
            ["xprop", "-id", window_id, "WM_CLASS"], env=self.env, capture_output=True,
            text=True).stdout.split("=", 1)[1].split(",")[1])
        wait_for("the ready buttons", lambda: self.usable() == READY)
        self.assertEqual(self.faces(), ["Large die, face 1", "Small die, face 1"])

        # Keyboard: Return throws from the focused button, Space stops the dice, and the
        # screen reader reads the record.
        throw = self.find(main, "push button", "Throw the dice")
        wait_for("the focus on Throw the dice", lambda: throw.queryComponent().grabFocus() and
                 state(throw, pyatspi.STATE_FOCUSED))
        self.xdotool("key", "Return")
        wait_for("the dice to spin", lambda: self.usable() == ["Stop the dice"])
        self.xdotool("key", "space")
        wait_for("the record", lambda: self.value("Number of experiments") == "1")
        large, small = (int(face[-1]) for face in self.faces())
        self.assertEqual(self.value(f"Large {large}, small {small}"), "1")
        self.assertEqual(self.value("Percentage of odd products"),
                         "1.000" if large % 2 and small % 2 else "0.000")

        # Ctrl+C puts the table on the desktop's clipboard, as the window shows it.
        self.xdotool("key", "ctrl+c")
        row = wait_for("the table on the clipboard", lambda: [line.split("\t") for line in
                                                             self.clipboard().splitlines()])
        self.assertEqual(row[large][small], "1")
        self.assertEqual(row[-1], ["Percentage of odd products",
                                   self.value("Percentage of odd products")])

        # The graph replaces the experiment window; the window manager's close (Alt+F4) brings
        # it back, activated: both dice show face 1 again.
        graph = self.click("Graph display", lambda: self.window(" Graph "))
        wait_for("the experiment window hidden", lambda: self.window("Pellorin (") is None)
        canvas = self.find(graph, "image")
        self.assertIn("after 1 experiments", canvas.name)
        self.xdotool("key", "ctrl+c")
        wait_for("the picture on the clipboard", lambda: "image/png" in self.clipboard("TARGETS"))
        self.xdotool("key", "alt+F4")
        wait_for("face 1 after the return", lambda: self.window(" Graph ") is None and
                 self.faces() == ["Large die, face 1", "Small die, face 1"])

        # Help opens beside the experiment window; Alt+F4 only hides it.
        help_window = self.click("Help", lambda: self.window("Pellorin＿Help"))
        self.assertIsNotNone(self.window("Pellorin ("))
        # A screen reader reads the help as text, line by line.
        text = self.find(help_window, "label").queryText()
        self.assertEqual(text.getTextAtOffset(2, pyatspi.TEXT_BOUNDARY_LINE_START)[0].strip(),
                         "【Problem】")
        self.xdotool("key", "alt+F4")
        wait_for("the help window hidden", lambda: self.window("Pellorin＿Help") is None)

        # Init, with the broken chime, clears the tally and disables "Graph display".
        self.click("Init", lambda: self.value("Number of experiments") == "0")
        self.assertEqual(self.usable(), [b for b in READY if b != "Graph display"])

        # Exit shows its notice, and the program ends at once when it is answered.
        notice = self.click("Exit", lambda: self.window("Pellorin", exact=True))
        self.assertIsNotNone(self.find(notice, "label", "This software will exit."))
        self.assertEqual(self.usable(notice), ["OK"])
        self.click("OK", lambda: self.program.poll() is not None, "Pellorin", patience=2.0)
        self.assertEqual(self.program.returncode, 0)


class ScreenReader(EndToEnd):
    """A blind pupil with Orca and the keyboard only: what Orca's debug log says it spoke."""

    def setUp(self):
        super().setUp()
        # Orca refuses to start beside another of this user's.
        self.assertEqual(subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"],
                                        capture_output=True).stdout, b"", "another Orca runs")
        self.log = os.path.join(self.workdir, "orca.out")
        home = os.path.join(self.workdir, "home")
        os.makedirs(home)
        # Speech itself is off: Orca logs what it would say.
        self._start(["/usr/bin/python3", os.path.join(os.path.dirname(__file__),
                                                      "orca_line_by_line.py"),
                     "--disable", "speech", "--disable", "braille", "--debug-file", self.log,
                     "--user-prefs", home], env=dict(self.env, HOME=home))
        self.heard = 0
        self.listen("the window's title", r"Pellorin \(C\)")
        self.listen("the first focus", r"^Exit push button\.$")

    def spoken(self):
        with open(self.log, encoding="utf-8", errors="replace") as log:
            return re.findall(r"SPEECH OUTPUT: '([^']*)'", log.read())

    def listen(self, what, pattern):
        """Waits until Orca says something that matches, and returns all it said meanwhile."""
        def said():
            lines = self.spoken()
            match = next((i for i in range(self.heard, len(lines))
                          if re.search(pattern, lines[i])), None)
            return lines[self.heard:match + 1] if match is not None else None
        lines = wait_for(f"Orca to say {what}", said, 20)
        self.heard += len(lines)
        return lines

    def press(self, key, what, pattern):
        self.xdotool("key", key)
        return self.listen(what, pattern)

    def test_results_are_spoken_once(self):
        while "Throw the dice push button." not in self.press("Tab", "a button", "push button"):
            pass
        self.press("space", "the dice spinning", "Stop the dice push button")
        result = self.press("space", "the result", "^notification ")[-2:]
        # Back on "Throw the dice", then the result as the window shows it.
        self.assertEqual(result[0], "Throw the dice push button.")
        large, small = (int(face[-1]) for face in self.faces())
        self.assertEqual(result[1], f"notification Large {large}, small {small}: "
                         f"{'odd' if large % 2 and small % 2 else 'even'} product. 1 experiment, "
                         f"{self.value('Number of odd products')} odd, "
                         f"ratio {self.value('Percentage of odd products')}.")
        # Space again throws: it is not a run.
        self.press("space", "the dice spinning", "Stop the dice push button")
        self.press("space", "the second result", "^notification .* 2 experiments, ")
        self.press("Tab", "Automatic", "Automatic push button")
        self.press("space", "the run going", "Stop push button")
        self.listen("the run's progress", r"^notification 100 experiments, ratio \d\.\d{3}\.$")
        stopped = self.press("space", "the run stopped", "^notification ")
        self.assertEqual(stopped[-2], "Automatic push button.")
        self.assertRegex(stopped[-1], r"^notification Large \d, small \d: (odd|even) product\. "
                         r"\d{3} experiments, \d+ odd, ratio \d\.\d{3}\. Stopped\.$")
        with open(self.log, encoding="utf-8", errors="replace") as log:
            self.assertNotIn("ERROR", log.read())
        print("\n".join(self.spoken()), file=sys.stderr)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1] + sys.argv[2:], verbosity=2)

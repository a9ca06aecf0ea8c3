# SPDX-License-Identifier: GPL-3.0-or-later
# A blind pupil's tour of Pellorin on a private X11 desktop (openbox, Orca): keys sent
# with xdotool, what Orca says read from its debug log (speech itself off), the clipboard read
# with xclip, the dice's pictures through AT-SPI. Usage (see run_e2e.sh): pellorin_e2e.py PROGRAM
import builtins
import os
import re
import runpy
import subprocess
import sys
import tempfile
import time
import unittest

import pyatspi

HERE = os.path.dirname(os.path.abspath(__file__))


def wait_for(what, predicate, timeout=30.0, what_else=lambda: ""):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        try:
            if value := predicate():
                return value
        except Exception:  # the accessibility tree changes under our feet
            pass
        time.sleep(0.1)
    raise AssertionError(f"timed out waiting for {what}; instead: {what_else()}")


def descendants(root, depth=6):
    children = [root.getChildAtIndex(i) for i in range(root.childCount if depth else 0)]
    return [c for c in children if c] + sum((descendants(c, depth - 1) for c in children if c), [])


class EndToEnd(unittest.TestCase):
    def setUp(self):
        self.workdir = self.enterContext(tempfile.TemporaryDirectory())
        self.start("openbox", "--sm-disable")  # without one X11 windows are never activated
        wait_for("the window manager", lambda: "window id" in self.output(
            "xprop", "-root", "_NET_SUPPORTING_WM_CHECK"))
        # A broken chime where chimes are looked up first: "Init" stays silent, and the
        # program must still end at once after "Exit".
        open(os.path.join(self.workdir, "pinpon.wav"), "wb").close()
        self.program = self.start(sys.argv[1], cwd=self.workdir)
        self.app = wait_for("the program on the accessibility bus", lambda: next(
            app for app in descendants(pyatspi.Registry.getDesktop(0), 1)
            if app.get_process_id() == self.program.pid))
        # Orca refuses to start beside another of this user's; its log says what it would speak.
        self.assertFalse(self.output("pgrep", "-u", str(os.getuid()), "-x", "orca", check=False))
        self.log = os.path.join(self.workdir, "orca.out")
        self.start("/usr/bin/python3", __file__, "--orca", "--disable", "speech", "--disable",
                   "braille", "--debug-file", self.log, "--user-prefs", self.workdir,
                   env=dict(os.environ, HOME=self.workdir))
        self.heard = 0
        self.events_file = os.path.join(self.workdir, "events")
        self.start("/usr/bin/python3", __file__, "--listen", str(self.program.pid),
                   self.events_file)
        wait_for("the listener", lambda: os.path.exists(self.events_file))

    def start(self, *command, **options):
        process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                   **options)
        self.addCleanup(process.wait)
        self.addCleanup(process.kill)
        return process

    def output(self, *command, check=True):
        return subprocess.run(command, capture_output=True, text=True, timeout=10,
                              check=check).stdout

    def spoken(self):
        with open(self.log, encoding="utf-8", errors="replace") as log:
            return re.findall(r"SPEECH OUTPUT: '([^']*)'", log.read())

    def press(self, keys, pattern):
        """Presses the keys, then waits until Orca says something that matches, and returns
        that match."""
        for key in keys.split():
            self.output("xdotool", "key", key)
        lines = wait_for(f"Orca to say {pattern} after {keys}", lambda: (lambda said: next(
            said[:i + 1] for i in range(len(said)) if re.search(pattern, said[i])))(
                self.spoken()[self.heard:]), what_else=lambda: self.spoken()[self.heard:])
        self.heard += len(lines)
        return re.search(pattern, lines[-1])

    def faces(self):
        return sorted(a.description for a in descendants(self.app) if a.getRoleName() == "image"
                      and a.getState().contains(pyatspi.STATE_SHOWING) and "die" in a.description)

    def events(self):
        with open(self.events_file, encoding="utf-8") as events:
            return events.read().splitlines()

    def activate(self, window):
        self.output("xdotool", "windowactivate", "--sync", window)

    def copied_table(self):
        self.output("xdotool", "key", "ctrl+c")
        return [row.split("\t") for row in wait_for("the table", lambda: self.output(
            "xclip", "-o", "-selection", "clipboard", "-t", "UTF8_STRING")).splitlines()]

    def test_tour(self):
        self.press("", r"^Pellorin \(C\)")
        self.press("", r"^Throw the dice push button\.$")  # the first key throws
        window = self.output("xdotool", "search", "--pid", str(self.program.pid), "--name",
                             r"^Pellorin \(").split()[0]
        self.assertRegex(self.output("xwininfo", "-id", window), r"X:  257\n.*Y:  124\n(.*\n)*"
                         r".*Width: 521\n.*Height: 480")
        # The window belongs to the desktop entry that starts it: docks match its class.
        with open(f"{HERE}/../../assets/desktop/net.pellorin.Pellorin.desktop") as entry:
            wm_class = re.search(r"^StartupWMClass=(.*)$", entry.read(), re.M).group(1)
        self.assertIn(f', "{wm_class}"', self.output("xprop", "-id", window, "WM_CLASS"))
        self.assertEqual(self.faces(), ["Large die, face 1", "Small die, face 1"])

        # A throw, its dice rolling for a second, tells the screen reader a few things, not
        # every face; the result is said once, and the focus is back on "Throw the dice".
        # (The bridge to AT-SPI reports one change twice: a button's state as "enabled" and
        # "sensitive", a focus move as "focus:" and "focused"; each change counts once.)
        before = len(self.events())
        self.output("xdotool", "key", "space")
        time.sleep(1.0)
        rolled = self.events()[before:]
        changes = [e for e in rolled if not e.startswith(("object:state-changed:sensitive",
                                                          "focus:"))]
        self.assertLessEqual(len(changes), 12, rolled)
        self.press("space", r"^Throw the dice push button\.$")
        # Nineteen more at 0.35 s between keys, on a computer busy with other programs: every
        # result is said, once, with the faces the table counts.
        busy = [self.start("yes") for _ in range(3)]
        for key in ["space"] * 38:
            self.output("xdotool", "key", key)
            time.sleep(0.35)
        said = self.press("", r"^notification .* 20 experiments, ")
        for loop in busy:
            loop.kill()
        results = re.findall(r"^notification Large (\d), small (\d): (odd|even) product\. "
                             r"(\d+) experiments?, (\d+) odd, ratio (\d\.\d{3})\.$",
                             "\n".join(self.spoken()), re.M)
        self.assertEqual([int(r[3]) for r in results], list(range(1, 21)))
        for large, small, product, *_ in results:
            self.assertEqual(product == "odd", int(large) * int(small) % 2 == 1)
        self.assertEqual(self.faces(), [f"Large die, face {results[-1][0]}",
                                        f"Small die, face {results[-1][1]}"])
        rows = self.copied_table()
        self.assertEqual([[str(sum(r[:2] == (str(large), str(small)) for r in results))
                           for small in range(1, 7)] for large in range(1, 7)],
                         [row[1:7] for row in rows[1:7]])
        self.assertEqual([row[1] for row in rows[-3:]], list(results[-1][3:]))
        with open(self.log, encoding="utf-8", errors="replace") as log:
            self.assertEqual([line for line in log if "FLOOD" in line], [])

        # The table and the values below it are one stop after the buttons; the arrow keys
        # read them cell by cell.
        self.press("Tab Tab", rf"Large 1, small 1: {rows[1][1]}")
        self.press("Down", rf"^Large 2, small 1: {rows[2][1]}")
        self.press("ctrl+End", rf"^Percentage of odd products: {rows[-1][1]}")

        # A run is heard every hundred experiments and when it is stopped.
        self.press("shift+Tab", r"^Automatic push button\.$")
        self.press("space", r"^Stop push button\.$")
        self.press("", r"^notification 100 experiments, ratio \d\.\d{3}\.$")
        self.press("space", r"^Automatic push button\.$")
        count, ratio = self.press("", r"^notification Large \d, small \d: (?:odd|even) product\. "
                                      r"(\d{3}) experiments, \d+ odd, ratio (\d\.\d{3})\. "
                                      r"Stopped\.$").groups()

        # The graph replaces the window and tells the ratio; its picture goes to the clipboard.
        # The window manager's close (Alt+F4) brings the window back activated: face 1 again.
        self.press("Tab Tab Tab Tab", r"^Graph display push button\.$")
        self.press("space", f"^Ratio of odd products after {count} experiments: {ratio}; ")
        self.output("xdotool", "key", "ctrl+c")
        wait_for("the picture", lambda: "image/png" in self.output(
            "xclip", "-o", "-selection", "clipboard", "-t", "TARGETS"))
        said = self.heard
        self.press("alt+F4", r"^Pellorin \(C\)")
        self.assertNotIn("notification", " ".join(self.spoken()[said:self.heard]))  # said once
        wait_for("face 1", lambda: self.faces() == ["Large die, face 1", "Small die, face 1"])
        # Help opens beside; its text is read line by line; Alt+F4 hides it.
        self.press("Tab", r"^Help push button\.$")
        self.press("space", r"^Pellorin＿Help")
        with open(f"{HERE}/../help_window/help_text.txt", encoding="utf-8") as text:
            lines = text.read().splitlines()
        self.press("", r"^read only text\.$")  # the text has the focus
        self.press("Down", "^\u3000" + re.escape(lines[1].strip("　")[:8]))
        self.press("Down", "^\u3000+" + re.escape(lines[2].strip("　")[:30]))
        self.press("alt+F4", r"^Pellorin \(C\)")
        # (Qt's file dialog, next, leaves events of its own closed lists that Orca logs as errors.)
        with open(self.log, encoding="utf-8", errors="replace") as log:
            self.assertEqual([line for line in log if "ERROR" in line], [])

        # Throws opened from a file are told after the window and its focus are, not cut off.
        throws = os.path.join(self.workdir, "throws.csv")
        with open(throws, "w", encoding="utf-8") as csv:
            csv.write("experiment,large,small,odd,odd_so_far,ratio\n")
            csv.writelines(f"{n},1,1,1,{n},1.000\n" for n in range(1, 951))
        self.press("ctrl+o", r"^Open throws")
        self.output("xdotool", "type", "--delay", "20", throws)
        self.press("Return", r"^No push button\.$")  # the window's experiments stay unless...
        self.press("shift+Tab", r"^Yes push button\.$")
        self.press("space", r"^notification Throws opened\. Large 1, small 1: odd product\. "
                             r"950 experiments, 950 odd, ratio 1\.000\.$")
        self.assertEqual(self.spoken()[self.heard - 3:self.heard - 1],
                         ["Pellorin (C) 2022 The Pellorin developers.", "Help push button."])

        # A run that ends while another program is active leaves the focus on "Graph display":
        # back in the window, Return shows the graph.
        self.press("Tab Tab", r"^Automatic push button\.$")
        self.press("space", r"^Stop push button\.$")
        self.start("xmessage", "-center", "another program")
        self.activate(wait_for("another program", lambda: self.output(
            "xdotool", "search", "--name", "^xmessage$").split()[0]))
        wait_for("the run's end", lambda: any(
            a.name == "Number of experiments: 1000" for a in descendants(self.app)))
        self.activate(window)
        self.press("", r"^Graph display push button\.$")
        self.press("Return", r"^Ratio of odd products after 1000 experiments: ")
        self.press("alt+F4", r"^Pellorin \(C\)")

        # Init starts afresh (its chime broken); Exit's notice ends the program at once when it
        # is answered.
        self.press("shift+Tab", r"^Init push button\.$")
        self.press("space", r"^notification Started afresh\.$")
        self.press("shift+Tab", r"^Exit push button\.$")
        self.press("space", r"^This software will exit\.$")
        self.press("Return", r".")
        wait_for("the program's end", lambda: self.program.poll() is not None, 2.0)
        self.assertEqual(self.program.returncode, 0)
        print("Orca said:\n" + "\n".join(self.spoken()), file=sys.stderr)

    def test_frames(self):
        """Each window lies on a small screen (E2E_SCREEN) at a large scale, frame included."""
        width, height = map(int, os.environ["E2E_SCREEN"].split("x"))

        def frames():
            for window in self.output("xdotool", "search", "--onlyvisible", "--pid",
                                      str(self.program.pid), "--name", ".").split():
                frame = self.output("xwininfo", "-id", re.search(r"Parent window id: (\S+)",
                                    self.output("xwininfo", "-tree", "-id", window)).group(1))
                yield [int(re.search(rf"{key}:\s+(-?\d+)", frame).group(1)) for key in
                       ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height")]
        for keys, pattern in [("", r"^Throw the dice push button\.$"),
                              ("shift+Tab Return", r"^Pellorin＿Help"),
                              ("alt+F4 shift+Tab Return", r"^Ratio of odd products")]:
            self.press(keys, pattern)
            wait_for("every frame on the screen", lambda: all(
                x >= 0 and y >= 0 and x + w <= width and y + h <= height for x, y, w, h in frames()),
                5.0, lambda: list(frames()))


def listen(pid, path):
    """Writes each accessibility event of the program's, a line at a time."""
    with open(path, "w", buffering=1, encoding="utf-8") as out:
        def heard(event):
            try:
                if event.host_application.get_process_id() == pid:
                    out.write(f"{event.type} {event.source.getRoleName()} {event.source.name}\n")
            except Exception:  # an object gone before it was asked
                out.write(f"{event.type}\n")
        pyatspi.Registry.registerEventListener(heard, "object", "focus", "window")
        pyatspi.Registry.start()


def orca_line_by_line():
    """Runs Orca with its debug log written a line at a time, so that the test reads what Orca
    said as soon as it says it (Orca's own file is buffered)."""
    opened = builtins.open
    builtins.open = lambda file, mode="r", buffering=-1, *rest, **options: opened(
        file, mode, 1 if "w" in mode and "b" not in mode else buffering, *rest, **options)
    sys.argv = ["/usr/bin/orca"] + sys.argv[2:]
    runpy.run_path("/usr/bin/orca", run_name="__main__")


if __name__ == "__main__" and sys.argv[1] == "--orca":
    orca_line_by_line()
elif __name__ == "__main__" and sys.argv[1] == "--listen":
    listen(int(sys.argv[2]), sys.argv[3])
elif __name__ == "__main__":
    unittest.main(argv=sys.argv[:1] + sys.argv[2:], verbosity=2)

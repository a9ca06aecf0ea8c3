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


def wait_for(what, predicate, timeout=30.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        try:
            if value := predicate():
                return value
        except Exception:  # the accessibility tree changes under our feet
            pass
        time.sleep(0.1)
    raise AssertionError(f"timed out waiting for {what}")


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
                self.spoken()[self.heard:]))
        self.heard += len(lines)
        return re.search(pattern, lines[-1])

    def faces(self):
        return sorted(a.description for a in descendants(self.app) if a.getRoleName() == "image"
                      and a.getState().contains(pyatspi.STATE_SHOWING) and "die" in a.description)

    def test_tour(self):
        self.press("", r"^Pellorin \(C\)")
        self.press("", r"^Exit push button\.$")
        window = self.output("xdotool", "search", "--pid", str(self.program.pid), "--name",
                             r"^Pellorin \(").split()[0]
        self.assertRegex(self.output("xwininfo", "-id", window), r"X:  257\n.*Y:  124\n(.*\n)*"
                         r".*Width: 521\n.*Height: 480")
        # The window belongs to the desktop entry that starts it: docks match its class.
        with open(f"{HERE}/../../assets/desktop/net.pellorin.Pellorin.desktop") as entry:
            wm_class = re.search(r"^StartupWMClass=(.*)$", entry.read(), re.M).group(1)
        self.assertIn(f', "{wm_class}"', self.output("xprop", "-id", window, "WM_CLASS"))
        self.assertEqual(self.faces(), ["Large die, face 1", "Small die, face 1"])

        # Space throws and stops; the result is said once, as the window shows it, and the
        # focus is back on "Throw the dice", so that Space throws again.
        self.press("Tab Tab Tab Tab", r"^Throw the dice push button\.$")
        self.press("space", r"^Stop the dice push button\.$")
        self.press("space", r"^Throw the dice push button\.$")
        said = self.press("", r"^notification Large (\d), small (\d): (odd|even) product\. "
                              r"1 experiment, ([01]) odd, ratio ([01]\.000)\.$")
        large, small, product, odd, ratio = said.groups()
        self.assertEqual(product == "odd", int(large) * int(small) % 2 == 1)
        self.assertEqual(self.faces(), [f"Large die, face {large}", f"Small die, face {small}"])
        self.output("xdotool", "key", "ctrl+c")
        rows = [row.split("\t") for row in wait_for("the table", lambda: self.output(
            "xclip", "-o", "-selection", "clipboard", "-t", "UTF8_STRING")).splitlines()]
        self.assertEqual([rows[int(large)][int(small)]] + [row[1] for row in rows[-3:]],
                         ["1", "1", odd, ratio])

        # A run is heard every hundred experiments and when it is stopped.
        self.press("space", r"^Stop the dice push button\.$")
        self.press("space", r"^notification .* 2 experiments, ")
        self.press("Tab", r"^Automatic push button\.$")
        self.press("space", r"^Stop push button\.$")
        self.press("", r"^notification 100 experiments, ratio \d\.\d{3}\.$")
        self.press("space", r"^Automatic push button\.$")
        count, ratio = self.press("", r"^notification Large \d, small \d: (?:odd|even) product\. "
                                      r"(\d{3}) experiments, \d+ odd, ratio (\d\.\d{3})\. "
                                      r"Stopped\.$").groups()
        with open(self.log, encoding="utf-8", errors="replace") as log:
            self.assertNotIn("ERROR", log.read())

        # The graph replaces the window and tells the ratio; its picture goes to the clipboard.
        # The window manager's close (Alt+F4) brings the window back activated: face 1 again.
        self.press("Tab Tab Tab", r"^Graph display push button\.$")
        self.press("space", f"^Ratio of odd products after {count} experiments: {ratio}; ")
        self.output("xdotool", "key", "ctrl+c")
        wait_for("the picture", lambda: "image/png" in self.output(
            "xclip", "-o", "-selection", "clipboard", "-t", "TARGETS"))
        said = self.heard
        self.press("alt+F4", r"^Pellorin \(C\)")
        self.assertNotIn("notification", " ".join(self.spoken()[said:self.heard]))  # said once
        wait_for("face 1", lambda: self.faces() == ["Large die, face 1", "Small die, face 1"])
        # Help opens beside, and Alt+F4 hides it; Init starts afresh (its chime broken); Exit's
        # notice ends the program at once when it is answered.
        self.press("Tab", r"^Help push button\.$")
        self.press("space", r"^Pellorin＿Help")
        self.press("alt+F4", r"^Pellorin \(C\)")
        self.press("Tab Tab Tab Tab", r"^Init push button\.$")
        self.press("space", r"^notification Started afresh\.$")
        self.press("shift+Tab", r"^Exit push button\.$")
        self.press("space", r"^This software will exit\.$")
        self.press("Return", r".")
        wait_for("the program's end", lambda: self.program.poll() is not None, 2.0)
        self.assertEqual(self.program.returncode, 0)
        print("Orca said:\n" + "\n".join(self.spoken()), file=sys.stderr)


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
elif __name__ == "__main__":
    unittest.main(argv=sys.argv[:1] + sys.argv[2:], verbosity=2)

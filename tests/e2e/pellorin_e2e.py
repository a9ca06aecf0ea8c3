# SPDX-License-Identifier: GPL-3.0-or-later
"""Pellorin used from outside, as a person would: clicks at the controls' places on the
screen, screenshots, and what a screen reader reads through AT-SPI.

Usage: pellorin_e2e.py PROGRAM [--long]   (run inside dbus-run-session)"""

import math
import os
import sys
import time
import unittest

import pyatspi

from desktop import (Desktop, TimedOut, centre, count_colour, descendants, enabled, extents,
                     fresh, showing, wait_for)

PROGRAM = None
BLUE = (0, 0, 255)
BLACK = (0, 0, 0)


class Pellorin:
    """The program as a screen reader sees it. The experiment window's controls live as long
    as the program, so they are looked up once; their names and states are read afresh."""

    def __init__(self, desktop):
        self.desktop = desktop
        self.app = desktop.start_program()
        self.main_window = wait_for("the experiment window", lambda: self.window("Pellorin ("))
        self.known = {}

    def window(self, title_start, exact=False):
        for index in range(self.app.childCount):
            child = self.app.getChildAtIndex(index)
            if child is None or not showing(child):
                continue
            if child.name == title_start or (not exact and child.name.startswith(title_start)):
                return child
        return None

    def main(self):
        return self.main_window if showing(self.main_window) else None

    def control(self, window, role, name=None, description=None):
        matches = descendants(window, lambda a: a.getRoleName() == role and
                              (name is None or a.name == name) and
                              (description is None or a.description == description))
        return matches[0] if matches else None

    def main_control(self, role, name=None, description=None):
        key = (role, name, description)
        if key not in self.known:
            found = self.control(self.main_window, role, name, description)
            if found is None:
                # Names cached before the window was complete may be stale.
                self.main_window.clearCache()
                return None
            self.known[key] = found
        return self.known[key]

    def button(self, caption, window=None):
        if window is None:
            return self.main_control("push button", name=caption)
        return self.control(window, "push button", name=caption)

    def usable_button(self, caption, window=None):
        try:
            button = self.button(caption, window)
            return button if button is not None and enabled(button) and showing(button) else None
        except Exception:  # the window has gone
            return None

    def click(self, caption, effect, window=None, patience=15.0):
        """Clicks the button and waits for the effect. On a heavily loaded machine a click can
        come to nothing; like a person, click again while the button is still usable."""
        for _ in range(4):
            try:
                button = wait_for(f'"{caption}" enabled', lambda: self.usable_button(caption, window))
            except TimedOut:
                raise TimedOut(f'"{caption}" never usable; {self.describe(caption, window)}; '
                               f'{self.desktop.describe_screen()}') from None
            self.desktop.click(*centre(button))
            try:
                return wait_for(f'the effect of "{caption}"', effect, timeout=patience)
            except TimedOut:
                if self.usable_button(caption, window) is None:
                    return wait_for(f'the effect of "{caption}"', effect)
        raise TimedOut(f'"{caption}" had no effect; {self.describe(caption, window)}; '
                       f'{self.desktop.describe_screen()}')

    def describe(self, caption, window):
        try:
            button = self.button(caption, window)
            if button is None:
                return f'no "{caption}" among {[b.name for b in descendants(window or self.main_window, lambda a: a.getRoleName() == "push button")]}'
            return f'"{caption}" enabled {enabled(button)} showing {showing(button)} at {extents(button)}'
        except Exception as problem:  # the window has gone
            return f'"{caption}" unreadable: {problem}'


    def value(self, description):
        return fresh(self.main_control("label", description=description)).name

    def enabled_buttons(self):
        if "buttons" not in self.known:
            self.known["buttons"] = descendants(self.main_window,
                                                lambda a: a.getRoleName() == "push button")
        return sorted(b.name for b in self.known["buttons"] if enabled(b))

    def face(self, die):
        key = ("faces", die)
        if key not in self.known:
            self.known[key] = descendants(self.main_window, lambda a: a.getRoleName() == "image"
                                          and a.description.startswith(die))
        shown = [a for a in self.known[key] if showing(a)]
        return int(shown[0].description[-1]) if len(shown) == 1 else None

    def cells(self):
        return {(large, small): int(self.value(f"Large {large}, small {small}") or 0)
                for large in range(1, 7) for small in range(1, 7)}


READY = sorted(["Automatic", "Exit", "Init", "Graph display", "Help", "Throw the dice"])


class EndToEnd(unittest.TestCase):
    def setUp(self):
        self.desktop = Desktop(PROGRAM)
        self.addCleanup(self.desktop.close)
        # A broken chime in the working directory, where chimes are looked up first: "Init"
        # stays silent, and the program must still end at once after "Exit".
        open(os.path.join(self.desktop.workdir, "pinpon.wav"), "wb").close()
        self.app = Pellorin(self.desktop)

    def wait_until(self, what, predicate, timeout=45.0):
        return wait_for(what, predicate, timeout)

    def test_tour(self):
        app = self.app
        self.assertEqual(extents(app.main_window), (257, 124, 521, 480))
        self.wait_until("the ready buttons", lambda: app.enabled_buttons() == READY)
        self.assertEqual((app.face("Large"), app.face("Small")), (1, 1))
        self.assertEqual(app.value("Number of experiments"), "")

        # A manual experiment: the dice spin until stopped, and the faces showing are recorded.
        app.click("Throw the dice", lambda: app.enabled_buttons() == ["Stop the dice"])
        seen = set()
        self.wait_until("the large die to spin", lambda: seen.add(app.face("Large")) or
                        len(seen - {None}) >= 3, timeout=10)
        app.click("Stop the dice", lambda: app.value("Number of experiments") == "1")
        large, small = app.face("Large"), app.face("Small")
        time.sleep(0.3)
        self.assertEqual((app.face("Large"), app.face("Small")), (large, small))
        self.assertEqual(app.value(f"Large {large}, small {small}"), "1")
        odd = large % 2 == 1 and small % 2 == 1
        self.assertEqual(app.value("Percentage of odd products"), "1.000" if odd else "0.000")
        self.assertEqual(app.enabled_buttons(), READY)

        # Keyboard: Return throws from the focused button, and Space stops the dice.
        wait_for("focus on Throw the dice",
                 lambda: app.button("Throw the dice").queryComponent().grabFocus() or
                 app.button("Throw the dice").getState().contains(pyatspi.STATE_FOCUSED))
        self.desktop.key("Return")
        self.wait_until("the dice to spin", lambda: app.enabled_buttons() == ["Stop the dice"])
        self.wait_until("the focus on Stop the dice", lambda: app.button(
            "Stop the dice").getState().contains(pyatspi.STATE_FOCUSED))
        self.desktop.key("space")
        self.wait_until("the second record", lambda: app.value("Number of experiments") == "2")

        # An automatic run, interrupted after a few seconds.
        app.click("Automatic", lambda: app.enabled_buttons() == ["Stop"])
        self.wait_until("some experiments", lambda: int(app.value("Number of experiments")) > 20)
        app.click("Stop", lambda: app.enabled_buttons() == READY)
        count = int(app.value("Number of experiments"))
        self.assertLess(count, 1000)
        self.assertEqual(sum(app.cells().values()), count)

        # The graph replaces the experiment window, and its Close brings it back.
        graph = app.click("Graph display", lambda: app.window(" Graph "))
        self.wait_until("the experiment window to hide", lambda: app.window("Pellorin (") is None)
        canvas = self.wait_until("the graph canvas", lambda: app.control(
            graph, "image", None, None))
        self.wait_until("the graph description", lambda: f"{count} experiments drawn" in
                        canvas.description)
        x, y, width, height = extents(canvas)
        rgb = self.wait_until("the polyline", lambda: (
            lambda p: p if count_colour(p, BLUE) > count // 2 else None)(
                self.desktop.pixels(x, y, width, height)))
        self.assertGreater(count_colour(rgb, BLACK), 1000)
        app.click("Close", lambda: app.window("Pellorin ("), graph)
        self.wait_until("the graph window gone", lambda: app.window(" Graph ") is None)
        self.wait_until("face 1 after the return", lambda: app.face("Large") == 1)

        # Help opens beside the experiment window; its Close only hides it.
        help_window = app.click("Help", lambda: app.window("Pellorin＿Help"))
        self.assertIsNotNone(app.window("Pellorin ("))
        help_canvas = app.control(help_window, "image")
        self.assertIn("【Problem】", help_canvas.description)
        x, y, width, height = extents(help_canvas)
        self.wait_until("the printed help", lambda: count_colour(
            self.desktop.pixels(x, y, width, height // 4), BLACK) > 200)
        app.click("Close", lambda: app.window("Pellorin＿Help") is None, help_window)

        # Init clears the tally and leaves "Graph display" disabled.
        app.click("Init", lambda: app.value("Number of experiments") == "0")
        self.assertEqual(app.value("Percentage of odd products"), "0.000")
        self.assertEqual(sum(app.cells().values()), 0)
        self.assertEqual(app.enabled_buttons(),
                         sorted(["Automatic", "Exit", "Init", "Help", "Throw the dice"]))

        # Exit shows its notice and ends the program once it is answered.
        notice = app.click("Exit", lambda: app.window("Pellorin", exact=True))
        texts = [a.name for a in descendants(notice, lambda a: a.getRoleName() == "label")]
        self.assertIn("This software will exit.", texts)
        self.assertEqual([b.name for b in descendants(notice, lambda a: a.getRoleName() ==
                                                      "push button")], ["OK"])
        process = self.desktop.app_process
        app.click("OK", lambda: process.poll() is not None, notice, patience=2.0)
        self.assertEqual(process.returncode, 0)

    @unittest.skipUnless("--long" in sys.argv, "the full run takes 100 seconds")
    def test_full_automatic_run(self):
        app = self.app
        self.wait_until("the ready buttons", lambda: app.enabled_buttons() == READY)
        app.click("Automatic", lambda: app.enabled_buttons() == ["Stop"])
        finished = sorted(["Exit", "Init", "Graph display", "Help"])
        # 1001 ticks of 100 ms; a loaded machine delays ticks but never drops experiments.
        self.wait_until("the finished state", lambda: app.enabled_buttons() == finished,
                        timeout=400)
        self.assertEqual(app.value("Number of experiments"), "1000")
        cells = app.cells()
        self.assertEqual(sum(cells.values()), 1000)
        expected = 1000 / 36
        chi_square = sum((n - expected) ** 2 / expected for n in cells.values())
        # 35 degrees of freedom; 75.1 is exceeded by chance once in 10,000 runs.
        self.assertLess(chi_square, 75.1, cells)
        odd = sum(n for (large, small), n in cells.items() if large % 2 and small % 2)
        self.assertEqual(app.value("Number of odd products"), str(odd))
        self.assertEqual(app.value("Percentage of odd products"), f"{odd / 1000:.3f}")


if __name__ == "__main__":
    PROGRAM = sys.argv[1]
    arguments = [sys.argv[0]] + [a for a in sys.argv[2:] if a != "--long"]
    unittest.main(argv=arguments, verbosity=2)

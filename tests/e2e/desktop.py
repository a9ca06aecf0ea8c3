# SPDX-License-Identifier: GPL-3.0-or-later
"""A private X11 desktop for the end-to-end tests: Xvfb, a window manager, the accessibility
bus, and the program, all ended by their process ids when the session closes."""

import fcntl
import os
import shutil
import subprocess
import tempfile
import time

import pyatspi


class TimedOut(AssertionError):
    pass


def wait_for(what, predicate, timeout=45.0, interval=0.1):
    """Polls until predicate() gives a true value, which it returns."""
    deadline = time.monotonic() + timeout
    while True:
        try:
            value = predicate()
        except Exception:  # the accessibility tree changes under our feet
            value = None
        if value:
            return value
        if time.monotonic() > deadline:
            raise TimedOut(f"timed out waiting for {what}")
        time.sleep(interval)


class Desktop:
    def __init__(self, program, width=1280, height=1024):
        self.program = os.path.abspath(program)
        self.processes = []
        self.workdir = tempfile.mkdtemp(prefix="pellorin-e2e-")
        self.app_process = None
        problems = []
        for _ in range(3):
            try:
                self._start_x(width, height)
                return
            except TimedOut as problem:
                problems.append(str(problem))
                self._stop_processes()
        self.close()
        raise TimedOut("; ".join(problems))

    def _start_x(self, width, height):
        log_path = os.path.join(self.workdir, "xvfb.log")
        # Two servers starting at once both try the first free display, and the loser's
        # clean-up can break the winner's socket: start one at a time.
        with open(os.path.join(tempfile.gettempdir(), "pellorin-e2e-xvfb.lock"), "w") as lock, \
                open(log_path, "a") as log:
            fcntl.flock(lock, fcntl.LOCK_EX)
            read_end, write_end = os.pipe()
            xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                                     f"{width}x{height}x24", "-nolisten", "tcp", "-noreset"],
                                    pass_fds=[write_end], stdout=log, stderr=log)
            self.processes.append(xvfb)
            os.close(write_end)
            number = os.read(read_end, 16).decode().strip()
            os.close(read_end)
        self.display = ":" + number
        os.environ["DISPLAY"] = self.display
        self.env = dict(os.environ, DISPLAY=self.display, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                        QT_ACCESSIBILITY="1")
        self.env.pop("QT_QPA_PLATFORM", None)
        # Without a window manager X11 windows are never activated.
        window_manager = self._start(["openbox", "--sm-disable"], env=self.env)
        try:
            wait_for("the window manager", lambda: subprocess.run(
                ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env,
                capture_output=True, text=True).stdout.count("window id") > 0, timeout=15)
        except TimedOut:
            with open(log_path) as log:
                messages = log.read().strip().replace("\n", " | ")
            raise TimedOut(f"no window manager on {self.display or 'no display'}: Xvfb exit "
                           f"{xvfb.poll()}, openbox exit {window_manager.poll()}, Xvfb said: "
                           f"{messages[-300:]}") from None

    def _start(self, command, **options):
        process = subprocess.Popen(command, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL, **options)
        self.processes.append(process)
        return process

    def start_program(self):
        self.app_process = self._start([self.program], env=self.env, cwd=self.workdir)
        return wait_for("the program on the accessibility bus", self.application, timeout=30)

    def application(self):
        """Our own program on the accessibility bus, told apart by its process id."""
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            child = desktop.getChildAtIndex(index)
            if child is not None and child.name == "pellorin" and \
                    child.get_process_id() == self.app_process.pid:
                return child
        return None

    def _stop_processes(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait(5)
        self.processes = []

    def close(self):
        self._stop_processes()
        shutil.rmtree(self.workdir, ignore_errors=True)

    # What a person does and sees.

    def click(self, x, y):
        subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"], env=self.env,
                       check=True)

    def key(self, name):
        subprocess.run(["xdotool", "key", name], env=self.env, check=True)

    def describe_screen(self):
        """Where the pointer is and what is under it, with a screenshot kept for a look."""
        shot = os.path.join(tempfile.gettempdir(), f"pellorin-e2e-failure-{os.getpid()}.png")
        subprocess.run(["import", "-window", "root", shot], env=self.env, check=False)
        pointer = subprocess.run(["xdotool", "getmouselocation"], env=self.env,
                                 capture_output=True, text=True).stdout.strip()
        return f"pointer {pointer}, screenshot {shot}"

    def pixels(self, x, y, width, height):
        """The screen's RGB bytes of a rectangle, row by row."""
        raw = subprocess.run(["import", "-window", "root", "-crop",
                              f"{width}x{height}+{x}+{y}", "-depth", "8", "rgb:-"],
                             env=self.env, check=True, capture_output=True).stdout
        return raw


def extents(accessible):
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def centre(accessible):
    x, y, width, height = extents(accessible)
    return x + width // 2, y + height // 2


def fresh(accessible):
    """The accessible with its cached states and texts dropped: the client cache is brought up
    to date only by events, which a script without a main loop may not have seen yet."""
    accessible.clearCache()
    return accessible


def showing(accessible):
    return fresh(accessible).getState().contains(pyatspi.STATE_SHOWING)


def enabled(accessible):
    return fresh(accessible).getState().contains(pyatspi.STATE_ENABLED)


def descendants(root, predicate, depth=6):
    found = []
    if depth == 0:
        return found
    for index in range(root.childCount):
        child = root.getChildAtIndex(index)
        if child is None:
            continue
        if predicate(child):
            found.append(child)
        found.extend(descendants(child, predicate, depth - 1))
    return found


def count_colour(rgb, colour):
    triple = bytes(colour)
    return sum(1 for i in range(0, len(rgb), 3) if rgb[i:i + 3] == triple)

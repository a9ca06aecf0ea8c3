#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints Pellorin's performance table: start-up to the first pixels on the screen and peak
memory against separate blank Qt Widgets programs (under Xvfb), the cost of one tick, one
record and the graph, and with --long a whole automatic run in real time.

Usage: bench/performance.py [--build build] [--runs 15] [--long]"""

import argparse
import json
import os
import platform
import statistics
import subprocess
import sys
import tempfile
import time

import Xlib.display
import Xlib.error
from Xlib import X


# Where every measured window shows its pixels: the lower left of the experiment window's
# place, which is the window's plain background in all three programs.
WATCHED = (257 + 10, 124 + 475)


def pss_kib(pid):
    try:
        with open(f"/proc/{pid}/smaps_rollup") as rollup:
            return next(int(line.split()[1]) for line in rollup if line.startswith("Pss:"))
    except (OSError, StopIteration):
        return 0


def run_once(command, env, root):
    """Process start to the first frame whose pixels are on the screen (the watched pixel of
    the black root window changes), and the process's peak PSS until half a second later."""
    x, y = WATCHED
    started = time.perf_counter()
    process = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    shown, peak, last_sample = None, 0, 0.0
    while True:
        now = time.perf_counter()
        if shown is None and root.get_image(x, y, 1, 1, X.ZPixmap, 0xFFFFFFFF).data != b"\0" * 4:
            shown = now - started
        if now - last_sample > 0.005:
            peak, last_sample = max(peak, pss_kib(process.pid)), now
        if shown is not None and now - started > shown + 0.5 or now - started > 20:
            break
    process.kill()
    process.wait()
    if shown is None:
        sys.exit(f"{command[0]} showed nothing")
    return shown * 1000.0, peak / 1024.0


def startup_rows(build, runs):
    """Each program started in turn (A B C A B C ...) on a private Xvfb screen with a black
    root window and no window manager."""
    number = 100 + os.getpid() % 400
    xvfb = subprocess.Popen(["Xvfb", f":{number}", "-screen", "0", "1280x1024x24", "-br",
                             "-nolisten", "tcp", "-noreset"], stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    try:
        display = None
        while display is None:
            try:
                display = Xlib.display.Display(f":{number}")
            except Xlib.error.DisplayConnectionError:
                time.sleep(0.05)
        root = display.screen().root
        env = dict(os.environ, DISPLAY=f":{number}", QT_QPA_PLATFORM="xcb")
        env.setdefault("XDG_RUNTIME_DIR", tempfile.mkdtemp())
        programs = {"Pellorin": [os.path.join(build, "pellorin")],
                    "Blank window": [os.path.join(build, "bench", "blank_window")],
                    "Blank window with a label": [os.path.join(build, "bench", "blank_window"),
                                                  "label"]}
        samples = {name: [] for name in programs}
        for command in programs.values():
            run_once(command, env, root)  # warm the file cache
        for _ in range(runs):
            for name, command in programs.items():
                samples[name].append(run_once(command, env, root))
        display.close()
    finally:
        xvfb.terminate()
        xvfb.wait()
    return samples


def spread(values):
    quartiles = statistics.quantiles(values, n=4)
    return f"{quartiles[0]:.1f}-{quartiles[2]:.1f}"


def benchmark_rows(build):
    output = subprocess.run([os.path.join(build, "bench", "pellorin_bench"),
                             "--benchmark_format=json", "--benchmark_report_aggregates_only=true"],
                            env=dict(os.environ, QT_QPA_PLATFORM="offscreen"), check=True,
                            capture_output=True, text=True).stdout
    results = {}
    microseconds = {"ns": 0.001, "us": 1.0, "ms": 1000.0, "s": 1e6}
    for entry in json.loads(output)["benchmarks"]:
        name = entry["run_name"].split("/")[0]
        results.setdefault(name, {})[entry["aggregate_name"]] = (
            entry["real_time"] * microseconds[entry["time_unit"]])
    return results


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default=os.path.join(os.path.dirname(__file__), "..", "build"))
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--long", action="store_true")
    arguments = parser.parse_args()
    build = os.path.abspath(arguments.build)

    print(f"Machine: {platform.machine()}, {os.cpu_count()} cores, {platform.platform()}, "
          f"load {os.getloadavg()[0]:.2f}")
    print(f"\nStart-up under Xvfb, {arguments.runs} runs of each program, interleaved: process "
          "start to the window's first pixels on the screen, and peak PSS (median, quartiles)")
    samples = startup_rows(build, arguments.runs)
    print(f"Load after the runs: {os.getloadavg()[0]:.2f}")
    print("| Program | Start-up | Quartiles | Peak PSS | Quartiles |")
    print("|---|---|---|---|---|")
    medians = {}
    for name, runs in samples.items():
        times, memory = [r[0] for r in runs], [r[1] for r in runs]
        medians[name] = (statistics.median(times), statistics.median(memory))
        print(f"| {name} | {medians[name][0]:.1f} ms | {spread(times)} ms "
              f"| {medians[name][1]:.1f} MiB | {spread(memory)} MiB |")
    (program_ms, program_mib) = medians["Pellorin"]
    for name, target_ms, target_mib in [("Blank window", 1.25, 1.3),
                                        ("Blank window with a label", 1.1, None)]:
        ms, mib = medians[name]
        memory = f", peak PSS {program_mib / mib:.2f} (target {target_mib})" if target_mib else ""
        print(f"Pellorin / {name.lower()}: start-up {program_ms / ms:.2f} (target {target_ms})"
              f"{memory}")

    print("\nOne step, offscreen (Google Benchmark, median and standard deviation of 5)")
    print("| What | Median | Spread |")
    print("|---|---|---|")
    labels = {
        "BM_AutomaticTickHandler": "Automatic tick, the handler alone",
        "BM_AutomaticTickWithRepaint": "Automatic tick and the window's repaint",
        "BM_ManualRecordWithRepaint": "Manual record (throw, two ticks, stop) and repaint",
        "BM_GraphOfAThousandExperiments": "Graph of 1000 experiments into its image",
        "BM_OpenThirtyFilesOfAThousandThrows":
            "Opening 30 files of 1000 throws, pooled and shown (target under 500 ms)",
    }
    for name, result in benchmark_rows(build).items():
        print(f"| {labels.get(name, name)} | {result['median']:.1f} µs "
              f"| {result['stddev']:.1f} µs |")

    if arguments.long:
        print()
        subprocess.run([os.path.join(build, "bench", "pellorin_full_run")], check=True,
                       env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))


if __name__ == "__main__":
    main()

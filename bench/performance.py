#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints Pellorin's performance table: start-up to the first painted window and peak
memory against a blank Qt window of the same size (offscreen and under Xvfb), the cost of
one tick, one record and the graph, and with --long a whole automatic run in real time.

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


def run_once(probe, kind, env):
    started = time.perf_counter()
    process = subprocess.Popen([probe, kind], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    elapsed = time.perf_counter() - started
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"{probe} {kind} failed")
    return elapsed * 1000.0, usage.ru_maxrss / 1024.0


def start_xvfb():
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                             "1280x1024x24", "-nolisten", "tcp", "-noreset"], pass_fds=[write_end],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = os.read(read_end, 16).decode().strip()
    os.close(read_end)
    return xvfb, ":" + number


def startup_rows(build, runs):
    probe = os.path.join(build, "bench", "startup_probe")
    base = dict(os.environ)
    base.setdefault("XDG_RUNTIME_DIR", tempfile.mkdtemp())
    rows = []
    xvfb, display = start_xvfb()
    try:
        platforms = [("offscreen", dict(base, QT_QPA_PLATFORM="offscreen")),
                     ("Xvfb", dict(base, QT_QPA_PLATFORM="xcb", DISPLAY=display))]
        for name, env in platforms:
            samples = {"blank": [], "text": [], "pellorin": []}
            run_once(probe, "pellorin", env)  # warm the file cache
            for _ in range(runs):
                for kind in samples:
                    samples[kind].append(run_once(probe, kind, env))
            medians = {kind: (statistics.median(s[0] for s in values),
                              statistics.median(s[1] for s in values))
                       for kind, values in samples.items()}
            rows.append((name, medians))
    finally:
        xvfb.terminate()
        xvfb.wait()
    return rows


def benchmark_rows(build):
    output = subprocess.run([os.path.join(build, "bench", "pellorin_bench"),
                             "--benchmark_format=json", "--benchmark_report_aggregates_only=true"],
                            env=dict(os.environ, QT_QPA_PLATFORM="offscreen"), check=True,
                            capture_output=True, text=True).stdout
    results = {}
    for entry in json.loads(output)["benchmarks"]:
        name = entry["run_name"].split("/")[0]
        results.setdefault(name, {})[entry["aggregate_name"]] = entry["real_time"]
    return results


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default=os.path.join(os.path.dirname(__file__), "..", "build"))
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--long", action="store_true")
    arguments = parser.parse_args()
    build = os.path.abspath(arguments.build)

    print(f"Machine: {platform.machine()}, {os.cpu_count()} cores, {platform.platform()}")
    print(f"\nStart-up to the first painted window, medians of {arguments.runs} runs")
    print("(blank: an empty Qt window of the same size; text: the same with one label, so that"
          " Qt loads its font database too)")
    print("| Platform | Pellorin | Blank | Ratio (target 1.2) | Text | Ratio "
          "| Memory Pellorin | Blank | Ratio (target 1.3) | Text | Ratio |")
    print("|---|---|---|---|---|---|---|---|---|---|---|")
    for name, medians in startup_rows(build, arguments.runs):
        (program_ms, program_mib) = medians["pellorin"]
        (blank_ms, blank_mib), (text_ms, text_mib) = medians["blank"], medians["text"]
        print(f"| {name} | {program_ms:.1f} ms | {blank_ms:.1f} ms | {program_ms / blank_ms:.2f} "
              f"| {text_ms:.1f} ms | {program_ms / text_ms:.2f} "
              f"| {program_mib:.1f} MiB | {blank_mib:.1f} MiB | {program_mib / blank_mib:.2f} "
              f"| {text_mib:.1f} MiB | {program_mib / text_mib:.2f} |")

    print("\nOne step, offscreen (Google Benchmark, median and standard deviation of 5)")
    print("| What | Median | Spread |")
    print("|---|---|---|")
    labels = {
        "BM_AutomaticTickHandler": "Automatic tick, the handler alone",
        "BM_AutomaticTickWithRepaint": "Automatic tick and the window's repaint",
        "BM_ManualRecordWithRepaint": "Manual record (throw, two ticks, stop) and repaint",
        "BM_GraphOfAThousandExperiments": "Graph of 1000 experiments into its image",
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

# SPDX-License-Identifier: GPL-3.0-or-later
# Runs Orca with its debug log written a line at a time, so that a test reads what Orca said
# as soon as it says it (Orca's own file is buffered). Usage: orca_line_by_line.py ORCA-OPTIONS
import builtins
import runpy
import sys

opened = builtins.open


def line_by_line(file, mode="r", buffering=-1, *rest, **options):
    return opened(file, mode, 1 if "w" in mode and "b" not in mode else buffering, *rest,
                  **options)


builtins.open = line_by_line
sys.argv = ["/usr/bin/orca"] + sys.argv[1:]
runpy.run_path("/usr/bin/orca", run_name="__main__")

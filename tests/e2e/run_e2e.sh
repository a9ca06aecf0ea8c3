#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the end-to-end tests on an X server and in a D-Bus session of their own, with a runtime
# folder of their own: the accessibility bus keeps its socket there, and two runs must not
# share it. Without -noreset the X server starts afresh when its first client leaves.
set -euo pipefail
runtime=$(mktemp -d "${TMPDIR:-/tmp}/pellorin-e2e-runtime.XXXXXX")  # only the user's
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
unset QT_QPA_PLATFORM
# dbus-daemon cannot raise its file limit in a container; the notice is noise.
dbus-run-session -- xvfb-run -a -s "-screen 0 ${E2E_SCREEN:-1280x1024}x24 -nolisten tcp -noreset" \
    /usr/bin/python3 "$(dirname "$0")/pellorin_e2e.py" "$@" \
    2> >(grep -v 'Failed to set fd limit' >&2)

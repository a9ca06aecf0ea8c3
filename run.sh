#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and starts Pellorin.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=scripts/common.sh
source "$ROOT/scripts/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}"
build_tree "$ROOT/build" -DPELLORIN_TESTS=OFF -DPELLORIN_BENCH=OFF

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Built $ROOT/build/pellorin, but there is no display to open its window on." >&2
    exit 1
fi
# The chimes are found in the working directory.
cd "$ROOT/build"
exec ./pellorin "$@"

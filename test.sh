#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs every test: the unit and window tests in a
# normal build, and again under AddressSanitizer and UBSan.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=scripts/common.sh
source "$ROOT/scripts/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

runtime=$(private_runtime_dir)
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime
# Qt's file dialog keeps its history under the configuration folder: not the user's.
export XDG_CONFIG_HOME=$runtime/config
export QT_QPA_PLATFORM=offscreen

echo "== Normal build"
# The tests and benchmarks are switched on whatever configured the folder before (run.sh
# builds the program alone there); finding no test is a failure.
build_tree "$ROOT/build" -DPELLORIN_WERROR=ON -DPELLORIN_TESTS=ON -DPELLORIN_BENCH=ON
ctest --test-dir "$ROOT/build" --output-on-failure --no-tests=error -j "$(nproc)"

echo "== Formatting (clang-format), static analysis (clang-tidy), translations"
check_style "$ROOT/build"
check_translations

echo "== AddressSanitizer and UBSan build"
# Without optimisation and without the benchmarks: the sanitizers see the same faults, and the
# build takes little more than half the time.
build_tree "$ROOT/build-asan" -DCMAKE_BUILD_TYPE=Debug -DPELLORIN_WERROR=ON -DPELLORIN_SANITIZE=ON \
    -DPELLORIN_TESTS=ON -DPELLORIN_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
    LSAN_OPTIONS="suppressions=$ROOT/tests/support/lsan.supp:print_suppressions=0" \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$ROOT/build-asan" --output-on-failure --no-tests=error -j "$(nproc)" -LE e2e

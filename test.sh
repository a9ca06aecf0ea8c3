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
check_style "$ROOT/build-tidy"
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

echo "== Fuzzing the readers of files from outside, a minute each, under ASan and UBSan"
cmake -S "$ROOT" -B "$ROOT/build-fuzz" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPELLORIN_FUZZ=ON -DPELLORIN_TESTS=ON -DPELLORIN_BENCH=OFF >/dev/null
cmake --build "$ROOT/build-fuzz" -j "$(nproc)" --target throws_csv_fuzzer chime_fuzzer
# fuzz NAME SEEDS: new inputs go to a scratch corpus, a crash's input beside the build.
fuzz() {
    local corpus=$runtime/corpus-$1 log=$ROOT/build-fuzz/$1.log
    mkdir -p "$corpus"
    "$ROOT/build-fuzz/tests/fuzz/$1_fuzzer" -max_total_time=60 -artifact_prefix="$ROOT/build-fuzz/$1-" \
        "$corpus" "$2" >"$log" 2>&1 || {
        grep -v '^Note:\|libmpg123' "$log" | tail -n 40 >&2
        return 1
    }
    local ran
    ran=$(grep '^Done' "$log") && echo "$1: $ran"
}
fuzz throws_csv "$ROOT/tests/experiment_core/fixtures" &
csv=$!
fuzz chime "$ROOT/tests/fuzz/chime-seeds" &
chime=$!
wait "$csv"
wait "$chime"

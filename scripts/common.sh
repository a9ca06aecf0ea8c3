# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by run.sh and test.sh: installs what is missing and builds.
# shellcheck shell=bash

BUILD_PACKAGES=(cmake g++ make pkg-config qt6-base-dev libpulse-dev qt6-qpa-plugins libsndfile1-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libgl-dev fonts-ipafont-gothic fontconfig)
TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth openbox xdotool imagemagick
    x11-utils xclip at-spi2-core clang clang-format clang-tidy cmake-format python3-pyatspi python3-xlib dbus dbus-x11 python3 dpkg-dev lintian desktop-file-utils
    appstream pulseaudio pulseaudio-utils orca poppler-utils)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs the Debian packages that are not installed yet; does nothing when all are there.
ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        as_root apt-get update -qq
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
            "${missing[@]}"
    fi
}

# build_tree DIR [cmake options...]: configures (once) and builds out of source, the sources of
# each target compiled as one (the headers, Qt's above all, are read once a target, not once a
# file: the build takes about half the time).
build_tree() {
    local dir=$1
    shift
    cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_UNITY_BUILD=ON "$@" >/dev/null
    cmake --build "$dir" -j "$(nproc)"
}

# A private runtime folder, so Qt does not warn about a missing or shared one.
private_runtime_dir() {
    local dir
    dir=$(mktemp -d "${TMPDIR:-/tmp}/pellorin-runtime.XXXXXX")
    chmod 0700 "$dir"
    echo "$dir"
}

# The program's folders, as the build lists them, for the style checks.
mapfile -t PROGRAM_FOLDERS <"$ROOT/program-folders"

# Fails on any formatting difference (all C++ and CMake files) or clang-tidy finding (the program's
# sources, each as it would be compiled alone: with the compile commands of the tree $1, which it
# configures without unity builds and never builds).
check_style() {
    local build=$1
    local all program
    cmake -S "$ROOT" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_UNITY_BUILD=OFF \
        -DPELLORIN_TESTS=OFF -DPELLORIN_BENCH=OFF >/dev/null
    mapfile -t all < <(cd "$ROOT" && find "${PROGRAM_FOLDERS[@]}" tests bench main.cpp \
        -name '*.cpp' -o -name '*.h')
    mapfile -t program < <(cd "$ROOT" && find "${PROGRAM_FOLDERS[@]}" main.cpp -name '*.cpp')
    (cd "$ROOT" && clang-format --dry-run --Werror "${all[@]}")
    # CMake files as cmake-format writes them (.cmake-format.py).
    local cmake_file
    while read -r cmake_file; do
        (cd "$ROOT" && head -1 "$cmake_file" | grep -q '^# SPDX-License-Identifier: ' &&
            cmake-format --check "$cmake_file") || {
            echo "$cmake_file is not formatted: run cmake-format -i $cmake_file" >&2
            return 1
        }
    done < <(cd "$ROOT" && git ls-files '*CMakeLists.txt' 2>/dev/null || find . -name CMakeLists.txt -not -path './build*')
    (cd "$ROOT" && run-clang-tidy -quiet -p "$build" -j "$(nproc)" "${program[@]}" >"$build/clang-tidy.log" 2>&1) || {
        grep -E 'warning:|error:' "$build/clang-tidy.log" >&2 || cat "$build/clang-tidy.log" >&2
        return 1
    }
}

# Fails when a translation is unfinished, obsolete or behind the sources: lupdate run afresh
# over the program's sources must find the committed file complete and unchanged.
check_translations() {
    local ts scratch
    scratch=$(mktemp -d)
    for ts in "$ROOT"/translations/*.ts; do
        cp "$ts" "$scratch/current.ts"
        (cd "$ROOT" && /usr/lib/qt6/bin/lupdate -silent -no-obsolete -locations none -I "$ROOT" \
            $(find "${PROGRAM_FOLDERS[@]}" -name '*.cpp') -ts "$scratch/current.ts")
        if grep -qE 'type="(unfinished|vanished|obsolete)"' "$scratch/current.ts" ||
            ! cmp -s "$ts" "$scratch/current.ts"; then
            echo "$ts is not complete and current: run the update_translations target," \
                "translate what it marks unfinished, and commit the file" >&2
            diff "$ts" "$scratch/current.ts" >&2 || true
            rm -rf "$scratch"
            return 1
        fi
    done
    rm -rf "$scratch"
}

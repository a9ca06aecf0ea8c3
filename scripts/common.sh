# Shared by run.sh and test.sh: installs what is missing and builds.
# shellcheck shell=bash

BUILD_PACKAGES=(cmake g++ make pkg-config qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins
    libgl-dev fonts-ipafont-gothic fontconfig)
TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth openbox xdotool imagemagick
    x11-utils at-spi2-core python3-pyatspi dbus dbus-x11 python3 dpkg-dev desktop-file-utils
    appstream)

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

# build_tree DIR [cmake options...]: configures (once) and builds out of source.
build_tree() {
    local dir=$1
    shift
    cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" -j "$(nproc)"
}

# A private runtime folder, so Qt does not warn about a missing or shared one.
private_runtime_dir() {
    local dir
    dir=$(mktemp -d "${TMPDIR:-/tmp}/pellorin-runtime.XXXXXX")
    chmod 0700 "$dir"
    echo "$dir"
}

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package, checks it with Debian's own checker (lintian), unpacks it into a
# scratch root and checks that every file is where the desktop looks for it, that the
# program is stripped and tells the package's version, and that its metadata is valid.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

(cd "$scratch" && cpack --config "$build/CPackConfig.cmake" -G DEB >/dev/null)
package=$(ls "$scratch"/pellorin_*.deb) root=$scratch/root id=net.pellorin.Pellorin
dpkg-deb -x "$package" "$root"

expect() { "$@" || { echo "FAILED: $*" >&2; exit 1; }; }

expect test -z "$(lintian --tag-display-limit 0 "$package" 2>/dev/null | grep -E '^[EW]: ' | tee /dev/stderr)"

expect test -x "$root/usr/bin/pellorin"
expect test -z "$(readelf -S "$root/usr/bin/pellorin" | grep -E '\.(debug_info|symtab)')"
# --version and --help answer on standard output where there is no display, and say nothing
# else; in Japanese every line of the help is Japanese, Qt's standard options included.
answer() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$root/usr/bin/pellorin" \
    "${option[@]}" 2>"$scratch/errors"; }
option=(--version)
expect test "$(answer)" = "pellorin $(dpkg-deb -f "$package" Version)"
expect test ! -s "$scratch/errors"
option=(--help)
expect grep -q '^Usage: .*pellorin \[options\] \[files\.\.\.\]$' <<<"$(answer)"
expect test ! -s "$scratch/errors"
expect test -z "$(answer LANGUAGE=ja LANG=C.UTF-8 | grep -E 'Usage|Options|Displays')"
expect test -s "$(ls "$root"/usr/lib/*/pellorin/libpellorin_sound.so)"
for file in share/man/man1/pellorin.1.gz share/man/ja/man1/pellorin.1.gz share/pellorin/pinpon.wav share/pellorin/endpinpon.wav; do
    expect test -s "$root/usr/$file"
done
for size in 16 32 48 64 128 256; do
    expect test "$(identify -format '%wx%h' \
        "$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png")" = "${size}x${size}"
done
expect desktop-file-validate "$root/usr/share/applications/$id.desktop"
expect appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/$id.metainfo.xml"

depends=$(dpkg-deb -f "$package" Depends)
for needed in libqt6widgets6 libpulse0 fonts-ipafont-gothic qt6-qpa-plugins; do
    expect grep -q "$needed" <<<"$depends"
done

echo "package checks passed: $(basename "$package")"

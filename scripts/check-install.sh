#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks what the normal build (build/) installs and packages, without installing anything on
# this machine: installs into a temporary folder with DESTDIR, runs the desktop's validators
# over the menu entry, the metadata and the manual page, builds the Debian package, runs
# lintian over it, unpacks it into a temporary folder and runs the unpacked program and its
# recorder; systemd checks the recorder's user unit.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build
id=com.quillmark.Torvane
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "check-install: $*" >&2
    exit 1
}

# Width and height of a PNG file, from its header.
png_size() {
    local b
    read -ra b < <(od -An -tu1 -j16 -N8 "$1")
    echo "$(((b[0] << 24) | (b[1] << 16) | (b[2] << 8) | b[3]))x$(((b[4] << 24) | (b[5] << 16) | (b[6] << 8) | b[7]))"
}

cmake --build "$build" --target torvane torvane-recorder torvane_data
version=$("$build/torvane" --version | head -n 1)
version=${version#Torvane }

echo "== Install with DESTDIR"
stage=$work/stage
DESTDIR=$stage cmake --install "$build" >/dev/null
prefix=$stage/usr/local
expected=(
    bin/torvane
    lib/systemd/user/torvane-recorder.service
    libexec/torvane/torvane-recorder
    share/applications/$id.desktop
    share/doc/torvane/changelog.gz
    share/doc/torvane/copyright
    share/icons/hicolor/scalable/apps/$id.svg
    share/man/man1/torvane.1.gz
    share/metainfo/$id.metainfo.xml
)
for size in 16 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
    [ "$(png_size "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png")" = "${size}x${size}" ] ||
        fail "the ${size}x${size} icon has another size"
done
actual=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort)
if [ "$actual" != "$(printf '%s\n' "${expected[@]}" | sort)" ]; then
    diff <(printf '%s\n' "${expected[@]}" | sort) <(echo "$actual") >&2 || true
    fail "the installed files differ from the list above"
fi
[ -z "$(find "$stage" -mindepth 1 -maxdepth 1 ! -name usr)" ] || fail "files outside the prefix"

# --prefix is honoured as well.
DESTDIR=$work/opt cmake --install "$build" --prefix /opt/torvane >/dev/null
[ -x "$work/opt/opt/torvane/bin/torvane" ] && [ -f "$work/opt/opt/torvane/share/applications/$id.desktop" ] ||
    fail "--prefix /opt/torvane did not install under /opt/torvane"

echo "== Validators"
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net --strict "$prefix/share/metainfo/$id.metainfo.xml"
appstreamcli validate-tree --no-net "$prefix"
groff_warnings=$(zcat "$prefix/share/man/man1/torvane.1.gz" | groff -ww -man -z 2>&1)
[ -z "$groff_warnings" ] || fail "groff warns about the manual page: $groff_warnings"
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$id.metainfo.xml" ||
    fail "the metadata has no release $version"
echo "desktop entry, metadata and manual page: valid"

# The user unit names the installed program; systemd checks a copy that names the staged one,
# as it looks for the program (and needs a runtime folder of its own even without a manager).
unit=$prefix/lib/systemd/user/torvane-recorder.service
grep -qx "ExecStart=/usr/local/bin/torvane --record" "$unit" ||
    fail "the recorder's unit does not start /usr/local/bin/torvane --record"
mkdir -p "$work/unit" && mkdir -m 700 "$work/unit-runtime"
sed "s|^ExecStart=/usr/local/bin/torvane|ExecStart=$prefix/bin/torvane|" "$unit" >"$work/unit/torvane-recorder.service"
XDG_RUNTIME_DIR="$work/unit-runtime" systemd-analyze verify --user --man=no "$work/unit/torvane-recorder.service"
echo "recorder's user unit: valid"

echo "== Debian package"
rm -f "$build"/torvane_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
debs=("$build"/torvane_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single torvane_*.deb"
deb=${debs[0]}
echo "$deb"
dpkg-deb -f "$deb" Package Version Architecture Depends Recommends
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is not $version"
[ "$(dpkg-deb -f "$deb" Recommends)" = qt6-wayland ] || fail "the package does not recommend qt6-wayland"
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/lib/systemd/user/torvane-recorder.service |
    grep -qx "ExecStart=/usr/bin/torvane --record" || fail "the package's unit does not start /usr/bin/torvane"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' ||
    fail "the Depends line was not computed from the program's libraries"

echo "== lintian"
lintian --fail-on error,warning --display-info "$deb"
echo "lintian: no errors or warnings"

echo "== The unpacked package runs"
unpacked=$work/unpacked
dpkg-deb -x "$deb" "$unpacked"
program=$unpacked/usr/bin/torvane
[ "$("$program" --version | head -n 1)" = "Torvane $version" ] || fail "the unpacked program's --version is wrong"
# A three-sample log: version 1, count 3, then (minutes, percent) pairs, little-endian.
log=$work/log.blf
mkdir -m 700 "$work/runtime"
printf '\1\0\0\0\3\0\0\0\0\0\0\0\144\0\0\0\74\0\0\0\132\0\0\0\170\0\0\0\120\0\0\0' >"$log"
env -i PATH="$PATH" HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
    XDG_STATE_HOME="$work/state" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen \
    "$program" --render "$log" "$work/out.png"
[ "$(png_size "$work/out.png")" = 240x320 ] || fail "the rendered picture is not 240 x 320"
# The recorder, on a machine with no battery: it starts, finds itself alone, and ends at SIGTERM.
mkdir "$work/no-power"
env -i PATH="$PATH" HOME="$work/home" XDG_DATA_HOME="$work/data" XDG_STATE_HOME="$work/state" \
    XDG_RUNTIME_DIR="$work/runtime" TORVANE_POWER_SUPPLY="$work/no-power" \
    "$program" --record --into "$work/logs" >"$work/record.out" &
recorder=$!
for _ in $(seq 100); do
    grep -q "^Recording every discharge into $work/logs" "$work/record.out" && break
    sleep 0.1
done
kill -TERM "$recorder"
wait "$recorder" || fail "the unpacked recorder did not end with status 0"
grep -q "^Recording every discharge into $work/logs" "$work/record.out" ||
    fail "the unpacked recorder did not start"
echo "torvane --version, --render and --record from the unpacked package: fine"

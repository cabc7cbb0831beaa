#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages that Torvane needs, by purpose:
#   build        compile the program and the files it installs (menu entry, icons, manual)
#   test         build and run the tests and benchmarks, the formatting and clang-tidy checks
#                and the install and package checks (validators, lintian)
#   screenshots  look at the window under Xvfb by hand (no test needs these)
#   fuzz         the libFuzzer build with clang (fuzz/README.md)
# With no argument: build and test. Quick when everything is present. As root it installs what
# is missing; as anyone else it prints the apt-get line to run and fails.
set -euo pipefail

build=(
    cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev librsvg2-bin
    libxcb1-dev     # bringing the window to the front on X11
    fonts-paratype  # the graph's font, built into the program
)
test=(
    git clang-format clang-tidy
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-dejavu-core  # the face the text drawing tests measure
    dbus-daemon        # the private system bus of the login manager test
    weston qt6-wayland # the window on a real Wayland compositor
    xvfb               # the window on a real X server
    desktop-file-utils appstream groff-base dpkg-dev lintian
    reuse              # every file's licence
)
screenshots=(xvfb xauth imagemagick xdotool x11-utils)
fuzz=(clang libclang-rt-14-dev)

groups=("$@")
if [ ${#groups[@]} -eq 0 ]; then
    groups=(build test)
fi
packages=()
for group in "${groups[@]}"; do
    case "$group" in
        build) packages+=("${build[@]}") ;;
        test) packages+=("${test[@]}") ;;
        screenshots) packages+=("${screenshots[@]}") ;;
        fuzz) packages+=("${fuzz[@]}") ;;
        *)
            echo "usage: install-deps.sh [build] [test] [screenshots] [fuzz]" >&2
            exit 2
            ;;
    esac
done

# One query for all packages; anything not reported as installed is missing.
installed=$(dpkg-query -W -f='${Package} ${Status}\n' "${packages[@]}" 2>/dev/null |
            awk '$NF == "installed" { print $1 }' || true)
missing=()
for p in "${packages[@]}"; do
    if ! grep -qx -- "$p" <<<"$installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
    echo "install-deps: these packages are missing: ${missing[*]}" >&2
    echo "install-deps: as root, run:" >&2
    echo "apt-get install --no-install-recommends ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"

#!/usr/bin/env bash
# Installs what Torvane needs to build, run and test on Debian 12. Quick when all is present.
set -euo pipefail

packages=(
    git cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev fonts-paratype
    libgtest-dev libgmock-dev libbenchmark-dev
    clang clang-format libclang-rt-14-dev
    xvfb xauth imagemagick xdotool fonts-dejavu-core
)

# One query for all packages; anything not reported as installed is missing.
installed=$(dpkg-query -W -f='${Package} ${Status}\n' "${packages[@]}" 2>/dev/null |
            awk '$NF == "installed" { print $1 }' || true)
missing=()
for p in "${packages[@]}"; do
    if ! grep -qx "$p" <<<"$installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
    echo "install-deps: run as root to install: ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"

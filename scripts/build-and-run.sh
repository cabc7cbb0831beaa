#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is needed, builds Torvane and starts it with the simulated battery, sixty times
# faster than real time, so a whole session shows within minutes.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh build
# The program alone is built. A build folder already set up (by the test command, say) is kept
# as it is; a new one is set up without the tests, whose packages this script does not install.
if [ -f build/CMakeCache.txt ]; then
    cmake --preset default
else
    cmake --preset default -DTORVANE_BUILD_TESTS=OFF
fi
cmake --build --preset default --target torvane torvane_data
TORVANE_TIME_SCALE="${TORVANE_TIME_SCALE:-60}" exec ./build/torvane --simulate "$@"

#!/usr/bin/env bash
# Installs what is needed, builds Torvane and starts it with the simulated battery, sixty times
# faster than real time, so a whole session shows within minutes.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh build
cmake --preset default -DTORVANE_BUILD_TESTS=OFF -DTORVANE_BUILD_BENCH=OFF >/dev/null
cmake --build --preset default --target torvane torvane_data
TORVANE_TIME_SCALE="${TORVANE_TIME_SCALE:-60}" exec ./build/torvane --simulate "$@"

#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is needed, builds everything and runs every test: the normal build with its
# tests and benchmarks, the install and package checks, clang-tidy over the sources, the same
# tests under the address and undefined-behaviour sanitizers, every fuzz target for 30 s, the
# formatting check and the licence check.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh build test fuzz

# Everything a test uses was installed above, so a test that cannot find its real component
# (such as dbus-daemon) fails here instead of skipping. A plain ctest run still skips.
export TORVANE_REQUIRE_ALL="${TORVANE_REQUIRE_ALL:-1}"

echo "== Build and test"
cmake --preset default -DTORVANE_BUILD_TESTS=ON -DTORVANE_BUILD_BENCH=ON
cmake --build --preset default
ctest --preset default

echo "== Install and package"
bash scripts/check-install.sh

echo "== clang-tidy"
bash scripts/check-tidy.sh build

echo "== Build and test under sanitizers"
cmake --preset asan
cmake --build --preset asan
ctest --preset asan

echo "== Fuzzing"
bash scripts/run-fuzz.sh 30

echo "== Formatting"
bash scripts/check-format.sh

echo "== Licences"
reuse lint

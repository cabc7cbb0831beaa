#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs clang-tidy with the committed .clang-tidy over the program's sources (src/, as built by
# the build folder given, build/ by default) and fails on any finding. The build folder must be
# configured (its compile_commands.json) and built (the sources' generated headers).
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
if [ ! -f "$build/compile_commands.json" ]; then
    echo "check-tidy: $build/compile_commands.json is missing; configure and build $build first" >&2
    exit 1
fi

mapfile -t files < <(git ls-files 'src/*.cpp')
start=$SECONDS
# One clang-tidy per file, as many at once as there are processors. The compile commands are
# g++'s: clang does not know its -W options for g++ alone.
if ! printf '%s\n' "${files[@]}" |
    xargs -P "$(nproc)" -n 1 clang-tidy -p "$build" --quiet \
        --extra-arg=-Wno-unknown-warning-option 2> >(grep -v '^[0-9]* warnings\? generated\.$' >&2); then
    echo "check-tidy: clang-tidy found the problems above" >&2
    exit 1
fi
echo "clang-tidy: ${#files[@]} files clean in $((SECONDS - start)) s"

#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets (the fuzz preset: clang with the address and undefined-behaviour
# sanitizers) and fuzzes each one for SECONDS seconds (default 30) from its seed corpus. Prints
# the executions a second of every target. A finding (a crash, a broken check, a leak, an input
# that takes over 10 s) ends the run with status 1; its input is kept in build-fuzz/findings.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

out=build-fuzz/fuzz
findings=build-fuzz/findings
rm -rf "$out/corpus" "$out/work" "$findings"
mkdir -p "$findings"

while read -r target corpus max_len; do
    seeds="$out/corpus/$corpus"
    if [ ! -d "$seeds" ]; then
        "$out/fuzz_${corpus}_seeds" "$seeds"
    fi
    # New inputs go to a folder of their own; the seeds stay as the seed maker wrote them.
    work="$out/work/$target"
    mkdir -p "$work"
    log="$out/work/$target.log"
    if ! "$out/$target" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 \
            -print_final_stats=1 -artifact_prefix="$findings/$target-" \
            "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log" >&2
        echo "run-fuzz: $target found a fault; its input is in $findings" >&2
        exit 1
    fi
    runs=$(awk '/stat::number_of_executed_units:/ { print $2 }' "$log")
    speed=$(awk '/stat::average_exec_per_sec:/ { print $2 }' "$log")
    printf '%-26s %8s executions a second, %9s inputs in %s s, no finding\n' \
        "$target" "$speed" "$runs" "$seconds"
done <"$out/fuzz-targets.txt"

#!/bin/sh
# SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when an option or a variable that `torvane --help` prints is missing from the manual
# page's OPTIONS or ENVIRONMENT section.
# Usage: check-manual.sh PROGRAM MANUAL-SOURCE
set -eu
program=$1
manual=$2

help=$("$program" --help)
text=$(groff -man -Tascii -P -cbou "$manual")

# The text of one section: from its heading to the next heading (a line that starts a column 0).
section() {
    printf '%s\n' "$text" | awk -v name="$1" '
        /^[A-Z]/ { inside = ($0 == name); next }
        inside'
}
options=$(section OPTIONS)
environment=$(section ENVIRONMENT)

status=0
for option in $(printf '%s\n' "$help" | grep -oE -- '(^|[ [|])--?[a-z][a-z-]*' | grep -oE -- '--?[a-z][a-z-]*' | sort -u); do
    if ! printf '%s\n' "$options" | grep -qE -- "(^|[^a-z-])$option([^a-z-]|\$)"; then
        echo "the manual's OPTIONS do not describe $option" >&2
        status=1
    fi
done
for variable in $(printf '%s\n' "$help" | grep -oE 'TORVANE_[A-Z_]+' | sort -u); do
    if ! printf '%s\n' "$environment" | grep -qE "^ +$variable\$"; then
        echo "the manual's ENVIRONMENT does not describe $variable" >&2
        status=1
    fi
done
[ -n "$options" ] && [ -n "$environment" ] || { echo "no OPTIONS or ENVIRONMENT in $manual" >&2; status=1; }
exit $status

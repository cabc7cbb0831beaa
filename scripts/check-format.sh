#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a C++ file under version control is not clang-formatted.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ ${#files[@]} -eq 0 ]; then
    exit 0
fi
clang-format --dry-run --Werror "${files[@]}"
echo "clang-format: ${#files[@]} files clean"

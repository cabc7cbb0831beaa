// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

namespace torvane {

// A write that is killed leaves its temporary file behind, under a name only its writer makes
// (AtomicFile::IsTemporaryName). A start that holds its instance lock clears them from the
// folders it writes, so they do not pile up beside the files they were meant to replace.

// Temporary files changed more recently than this are left alone: another program, or another
// copy with settings of its own, may be writing one right now.
constexpr std::chrono::seconds kLeftoverTemporaryAge{10};

// Removes from `folder` the regular files of this user whose names `isTemporary` accepts and
// that have not changed for `minAge`. Nothing else is touched: no folder, no link, nor what a
// link names. The number removed; 0 when the folder is missing, is a link or cannot be read.
int SweepTemporaries(const std::string& folder,
                     const std::function<bool(std::string_view name)>& isTemporary,
                     std::chrono::seconds minAge = kLeftoverTemporaryAge);

// The line that tells the user about a sweep; empty when nothing was removed.
std::string SweepReport(int removed);

}  // namespace torvane

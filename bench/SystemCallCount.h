// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <optional>

namespace torvane::bench {

// The system calls a piece of work makes, counted exactly, including those libc makes on its
// behalf: `run` runs in a child process that this one traces as strace does. It calls `mark`
// just before the work and again just after it; every system call in between is counted.
// Nothing when the machine does not allow tracing or the child fails.
std::optional<long> CountSystemCalls(
    const std::function<void(const std::function<void()>& mark)>& run);

}  // namespace torvane::bench

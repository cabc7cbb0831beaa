// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SystemCallCount.h"

#include <signal.h>
#include <sys/ptrace.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace torvane::bench {

namespace {

// The work never asks for its parent, so this call stands out as the mark.
constexpr long kMarkCall = SYS_getppid;

void Mark() {
    ::syscall(kMarkCall);
}

}  // namespace

std::optional<long> CountSystemCalls(
    const std::function<void(const std::function<void()>& mark)>& run) {
    const pid_t child = ::fork();
    if (child < 0) {
        return std::nullopt;
    }
    if (child == 0) {
        if (::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0) {
            ::_exit(2);
        }
        ::raise(SIGSTOP);  // until the tracer is ready
        run(Mark);
        ::_exit(0);
    }

    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFSTOPPED(status) ||
        ::ptrace(PTRACE_SETOPTIONS, child, nullptr, PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL) !=
            0) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
        return std::nullopt;
    }
    int marks = 0;
    long count = 0;
    int pass = 0;  // a signal the child stopped for, handed on
    for (;;) {
        if (::ptrace(PTRACE_SYSCALL, child, nullptr, pass) != 0 ||
            ::waitpid(child, &status, 0) != child) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            return std::nullopt;
        }
        pass = 0;
        if (WIFEXITED(status) || WIFSIGNALED(status)) {
            break;
        }
        if (WSTOPSIG(status) != (SIGTRAP | 0x80)) {
            pass = WSTOPSIG(status);
            continue;
        }
        __ptrace_syscall_info info{};
        if (::ptrace(PTRACE_GET_SYSCALL_INFO, child, sizeof info, &info) <= 0 ||
            info.op != PTRACE_SYSCALL_INFO_ENTRY) {
            continue;
        }
        if (static_cast<long>(info.entry.nr) == kMarkCall) {
            ++marks;
        } else if (marks == 1) {
            ++count;
        }
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || marks != 2) {
        return std::nullopt;
    }
    return count;
}

}  // namespace torvane::bench

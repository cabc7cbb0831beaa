// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linux/SystemRealClock.h"

#include <time.h>  // NOLINT(modernize-deprecated-headers): clock_gettime is POSIX, declared here

namespace torvane {

namespace {

std::int64_t Milliseconds(clockid_t clock) {
    timespec now{};
    ::clock_gettime(clock, &now);
    return std::int64_t{now.tv_sec} * 1000 + now.tv_nsec / 1000000;
}

}  // namespace

RealTime SystemRealClock::Now() {
    return {Milliseconds(CLOCK_REALTIME), Milliseconds(CLOCK_BOOTTIME)};
}

}  // namespace torvane

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "logdata/IntMath.h"

namespace torvane {

// The session's seconds, read from the timers' clock rather than counted tick by tick: a tick
// that comes late, or is dropped while the event loop was held up, loses no run time. Each
// reading is rounded to the nearest second, so ticks a little early or late still count one
// second each.
class SessionClock {
public:
    // The session's time is `seconds` at `nowMs`.
    void Start(std::int32_t seconds, std::int64_t nowMs) {
        m_startSeconds = seconds;
        m_startMs = nowMs;
    }

    std::int32_t SecondsAt(std::int64_t nowMs) const {
        const std::int64_t elapsedMs = nowMs > m_startMs ? nowMs - m_startMs : 0;
        const std::int64_t elapsed = (elapsedMs + 500) / 1000;
        return intmath::Saturate(intmath::Wide{m_startSeconds} + elapsed);
    }

private:
    std::int32_t m_startSeconds = 0;
    std::int64_t m_startMs = 0;
};

}  // namespace torvane

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakes/FakeTimers.h"

#include <algorithm>
#include <stdexcept>

namespace torvane::test {

unsigned int FakeTimers::SetTimer(unsigned int timerId, unsigned int periodMs) {
    m_timers[timerId] = Timer{periodMs, m_nowMs + periodMs, m_nextSerial++};
    return timerId;
}

unsigned int FakeTimers::Period(unsigned int timerId) const {
    auto it = m_timers.find(timerId);
    return it == m_timers.end() ? 0 : it->second.periodMs;
}

void FakeTimers::AdvanceMs(std::int64_t ms) {
    RunPosted();  // whatever a command posted runs as soon as the loop does
    const std::int64_t end = m_nowMs + ms;
    for (;;) {
        // The earliest due timer; ties go to the lower identifier.
        auto next = m_timers.end();
        for (auto it = m_timers.begin(); it != m_timers.end(); ++it) {
            if (it->second.dueMs <= end &&
                (next == m_timers.end() || it->second.dueMs < next->second.dueMs)) {
                next = it;
            }
        }
        if (next == m_timers.end()) {
            break;
        }
        m_nowMs = std::max(m_nowMs, next->second.dueMs);
        next->second.dueMs += next->second.periodMs;
        if (m_inHandler.count(next->second.serial) == 0) {
            Deliver(next->first);
        }
    }
    // A box opened on the way may have moved the clock beyond the end already.
    m_nowMs = std::max(m_nowMs, end);
}

void FakeTimers::Fire(unsigned int timerId) {
    const auto it = m_timers.find(timerId);
    if (it == m_timers.end()) {
        throw std::logic_error("timer is not running");
    }
    if (m_inHandler.count(it->second.serial) == 0) {
        Deliver(timerId);
    }
}

void FakeTimers::Deliver(unsigned int timerId) {
    const std::uint64_t serial = m_timers.at(timerId).serial;
    m_inHandler.insert(serial);
    // A copy, so the handler may replace itself while it runs.
    const Handler handler = m_handler;
    if (handler) {
        handler(timerId);
    }
    m_inHandler.erase(serial);
    RunPosted();
}

void FakeTimers::RunPosted() {
    while (!m_posted.empty()) {
        auto call = std::move(m_posted.front());
        m_posted.pop_front();
        call();
    }
}

}  // namespace torvane::test

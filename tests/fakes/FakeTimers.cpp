#include "fakes/FakeTimers.h"

#include <stdexcept>

namespace torvane::test {

unsigned int FakeTimers::SetTimer(unsigned int timerId, unsigned int periodMs) {
    m_timers[timerId] = Timer{periodMs, m_nowMs + periodMs};
    return timerId;
}

unsigned int FakeTimers::Period(unsigned int timerId) const {
    auto it = m_timers.find(timerId);
    return it == m_timers.end() ? 0 : it->second.periodMs;
}

void FakeTimers::AdvanceMs(std::int64_t ms) {
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
        m_nowMs = next->second.dueMs;
        next->second.dueMs += next->second.periodMs;
        if (m_handler) {
            m_handler(next->first);
        }
    }
    m_nowMs = end;
}

void FakeTimers::Fire(unsigned int timerId) {
    if (!IsRunning(timerId)) {
        throw std::logic_error("timer is not running");
    }
    if (m_handler) {
        m_handler(timerId);
    }
}

}  // namespace torvane::test

#pragma once

#include <cstdint>
#include <map>

#include "platform/ITimers.h"

namespace torvane::test {

// A fake clock: timers fire only when the test advances time, in order of their due times.
class FakeTimers : public ITimers {
public:
    void SetHandler(Handler handler) override { m_handler = std::move(handler); }
    unsigned int SetTimer(unsigned int timerId, unsigned int periodMs) override;
    void KillTimer(unsigned int timerId) override { m_timers.erase(timerId); }

    bool IsRunning(unsigned int timerId) const { return m_timers.count(timerId) != 0; }
    unsigned int Period(unsigned int timerId) const;
    std::int64_t NowMs() const { return m_nowMs; }

    // Moves the clock forward, firing every timer that falls due, earliest first.
    void AdvanceMs(std::int64_t ms);
    // Fires one timer now, whether or not it is due (it must be running).
    void Fire(unsigned int timerId);

private:
    struct Timer {
        unsigned int periodMs;
        std::int64_t dueMs;
    };
    Handler m_handler;
    std::map<unsigned int, Timer> m_timers;
    std::int64_t m_nowMs = 0;
};

}  // namespace torvane::test

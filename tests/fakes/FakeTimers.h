// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <set>

#include "platform/ITimers.h"

namespace torvane::test {

// A fake clock and event loop: timers fire only when the test advances time, in order of their
// due times, and are delivered as Qt delivers them: never again while their own handler runs
// (a box it opened may advance the clock; the ticks due meanwhile are dropped), while the other
// timers go on. Posted calls run whenever a handler has returned to the loop.
class FakeTimers : public ITimers {
public:
    void SetHandler(Handler handler) override { m_handler = std::move(handler); }
    unsigned int SetTimer(unsigned int timerId, unsigned int periodMs) override;
    void KillTimer(unsigned int timerId) override { m_timers.erase(timerId); }
    std::int64_t NowMs() const override { return m_nowMs; }
    void Post(std::function<void()> call) override { m_posted.push_back(std::move(call)); }

    bool IsRunning(unsigned int timerId) const { return m_timers.count(timerId) != 0; }
    unsigned int Period(unsigned int timerId) const;

    // Moves the clock forward, firing every timer that falls due, earliest first. A handler or
    // posted call may advance the clock itself, as a box that stays open does.
    void AdvanceMs(std::int64_t ms);
    // Delivers one tick of a running timer now, whether or not it is due; nothing happens
    // while its own handler runs.
    void Fire(unsigned int timerId);

private:
    struct Timer {
        unsigned int periodMs;
        std::int64_t dueMs;
        std::uint64_t serial;  // a restarted timer is a new one, as in Qt
    };
    void Deliver(unsigned int timerId);
    void RunPosted();

    Handler m_handler;
    std::map<unsigned int, Timer> m_timers;
    std::set<std::uint64_t> m_inHandler;
    std::deque<std::function<void()>> m_posted;
    std::uint64_t m_nextSerial = 1;
    std::int64_t m_nowMs = 0;
};

}  // namespace torvane::test

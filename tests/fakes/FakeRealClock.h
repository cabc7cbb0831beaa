// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "platform/IRealClock.h"

namespace torvane::test {

// Real time that moves only when the test moves it: awake or asleep, both clocks go on; the
// time of day alone can also be set.
class FakeRealClock : public IRealClock {
public:
    explicit FakeRealClock(std::int64_t sinceEpochMs) : m_now{sinceEpochMs, 7000} {}

    RealTime Now() override { return m_now; }
    void AdvanceMs(std::int64_t ms) {
        m_now.sinceEpochMs += ms;
        m_now.sinceBootMs += ms;
    }
    void SetTimeOfDay(std::int64_t sinceEpochMs) { m_now.sinceEpochMs = sinceEpochMs; }

private:
    RealTime m_now;
};

}  // namespace torvane::test

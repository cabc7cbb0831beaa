// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace torvane {

// One look at the clocks that go on while the machine sleeps.
struct RealTime {
    std::int64_t sinceEpochMs = 0;  // the time of day, which can be set back or forward
    std::int64_t sinceBootMs = 0;   // steady, sleep included; starts again at each boot
};

// Real time, the machine's sleep included: unlike the timers' clock, it does not stop while
// the machine is suspended, so a reading after a sleep shows how long it slept.
class IRealClock {
public:
    virtual ~IRealClock() = default;
    virtual RealTime Now() = 0;
};

}  // namespace torvane

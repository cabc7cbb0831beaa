// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>

#include "platform/IPowerStatus.h"

namespace torvane {

// A built-in device for machines without a battery: it runs on battery from the start, full,
// and discharges over about eight hours of session time, a little faster when full and when
// nearly empty, as real cells do.
class SimulatedBattery : public IPowerStatus {
public:
    using Clock = std::function<std::int64_t()>;  // session time in milliseconds

    static constexpr std::int64_t kDischargeMs = 8LL * 60 * 60 * 1000;

    // The battery is full at the clock's current time.
    explicit SimulatedBattery(Clock clock);

    // On battery, discharging, at the level its clock has reached.
    PowerReading Read() override;

    // The level after `elapsedMs` of discharge: 100 at the start, 0 from kDischargeMs on,
    // never rising.
    static int PercentAt(std::int64_t elapsedMs);

private:
    Clock m_clock;
    std::int64_t m_startMs;
};

}  // namespace torvane

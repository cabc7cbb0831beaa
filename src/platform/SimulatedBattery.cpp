// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SimulatedBattery.h"

#include <array>

namespace torvane {

namespace {

struct Point {
    std::int64_t minute;
    std::int64_t percent;
};

// The discharge curve: a quick first drop, a long even stretch and a steeper end.
constexpr std::array<Point, 9> kCurve = {{
    {0, 100},
    {20, 95},
    {60, 89},
    {120, 81},
    {240, 60},
    {360, 36},
    {420, 22},
    {450, 13},
    {480, 0},
}};

}  // namespace

SimulatedBattery::SimulatedBattery(Clock clock) : m_clock(std::move(clock)), m_startMs(m_clock()) {}

PowerReading SimulatedBattery::Read() {
    const int percent = PercentAt(m_clock() - m_startMs);
    return {false, percent, {{"simulated", percent, true}}};
}

int SimulatedBattery::PercentAt(std::int64_t elapsedMs) {
    constexpr std::int64_t kMinuteMs = std::int64_t{60} * 1000;
    if (elapsedMs <= 0) {
        return 100;
    }
    for (std::size_t i = 1; i < kCurve.size(); ++i) {
        const Point a = kCurve[i - 1];
        const Point b = kCurve[i];
        const std::int64_t endMs = b.minute * kMinuteMs;
        if (elapsedMs < endMs) {
            const std::int64_t startMs = a.minute * kMinuteMs;
            // The level falls to the next whole percent only once it has been used up.
            return static_cast<int>(a.percent + (b.percent - a.percent) * (elapsedMs - startMs) /
                                                    (endMs - startMs));
        }
    }
    return 0;
}

}  // namespace torvane

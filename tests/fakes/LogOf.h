// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <utility>

#include <gtest/gtest.h>

#include "logdata/BatteryLog.h"

namespace torvane::test {

// A log of the given (minutes, percent) samples, oldest first: a braced list or a container.
template <typename Samples = std::initializer_list<std::pair<std::int32_t, std::int32_t>>>
BatteryLog LogOf(const Samples& samples) {
    BatteryLog log;
    for (const auto& [minutes, percent] : samples) {
        const auto i = static_cast<std::size_t>(log.count++);
        log.minutes[i] = minutes;
        log.percent[i] = percent;
    }
    return log;
}

// Two logs hold the same, entries beyond the count included.
inline void ExpectSameLog(const BatteryLog& a, const BatteryLog& b) {
    EXPECT_EQ(a.count, b.count);
    EXPECT_EQ(a.minutes, b.minutes);
    EXPECT_EQ(a.percent, b.percent);
}

}  // namespace torvane::test

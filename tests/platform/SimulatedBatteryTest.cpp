// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SimulatedBattery.h"

#include <gtest/gtest.h>

namespace torvane::test {
namespace {

constexpr std::int64_t kMinute = 60 * 1000;

TEST(SimulatedBattery, DischargesFromFullToEmptyInAboutEightHoursOnItsClock) {
    std::int64_t now = 123456;  // the clock need not start at zero
    SimulatedBattery battery([&] { return now; });
    const auto full = battery.Read();
    EXPECT_FALSE(full.onAc);
    EXPECT_EQ(full.percent, 100);
    ASSERT_EQ(full.batteries.size(), 1u);
    EXPECT_EQ(full.batteries[0].percent, 100);
    EXPECT_TRUE(full.batteries[0].discharging);

    int previous = 100;
    int minutesToEmpty = -1;
    int minutesTo50 = -1;
    for (int minute = 1; minute <= 9 * 60; ++minute) {
        now += kMinute;
        const int percent = battery.Read().percent;
        ASSERT_LE(percent, previous) << minute;
        ASSERT_GE(percent, 0);
        // A plausible pace: never more than a percent a minute, never stalled for long.
        ASSERT_LE(previous - percent, 1) << minute;
        if (percent == 0 && minutesToEmpty < 0) {
            minutesToEmpty = minute;
        }
        if (percent <= 50 && minutesTo50 < 0) {
            minutesTo50 = minute;
        }
        previous = percent;
    }
    EXPECT_EQ(minutesToEmpty, 8 * 60);
    EXPECT_GT(minutesTo50, 4 * 60);
    EXPECT_LT(minutesTo50, 5 * 60);
    EXPECT_EQ(battery.Read().percent, 0);
}

TEST(SimulatedBattery, FallsFasterWhenFullAndWhenNearlyEmpty) {
    const auto drop = [](int fromMinute, int toMinute) {
        return SimulatedBattery::PercentAt(fromMinute * kMinute) -
               SimulatedBattery::PercentAt(toMinute * kMinute);
    };
    EXPECT_GT(drop(0, 20), drop(200, 220));
    EXPECT_GT(drop(450, 470), drop(200, 220));
    // The first percent goes only once it has been used up.
    EXPECT_EQ(SimulatedBattery::PercentAt(1), 100);
    EXPECT_EQ(SimulatedBattery::PercentAt(-kMinute), 100);
}

}  // namespace
}  // namespace torvane::test

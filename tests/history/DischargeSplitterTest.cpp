// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/DischargeSplitter.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace torvane::test {
namespace {

using State = ChargeState;
constexpr std::uint64_t T0 = 1700000000;

HistoryRecord D(std::uint64_t seconds, std::int32_t percent) {
    return {T0 + seconds, percent, State::Discharging};
}
HistoryRecord R(std::uint64_t seconds, std::int32_t percent, State state) {
    return {T0 + seconds, percent, state};
}

std::vector<Discharge> Split(const std::vector<HistoryRecord>& records,
                             std::uint64_t* noise = nullptr) {
    std::vector<Discharge> found;
    DischargeSplitter splitter([&found](const Discharge& d) { found.push_back(d); });
    for (const HistoryRecord& r : records) {
        splitter.Add(r);
    }
    splitter.Finish();
    if (noise != nullptr) {
        *noise = splitter.NoiseRuns();
    }
    return found;
}

std::vector<std::pair<int, int>> Samples(const Discharge& d) {
    std::vector<std::pair<int, int>> samples;
    for (std::size_t i = 0; i < static_cast<std::size_t>(d.log.count); ++i) {
        samples.emplace_back(d.log.minutes[i], d.log.percent[i]);
    }
    return samples;
}

TEST(DischargeSplitter, SamplesALevelChangeAtItsWholeMinuteAsASessionRecords) {
    const auto found = Split({
        R(0, 100, State::FullyCharged),
        D(50, 99),
        D(59, 99),   // same level: no sample
        D(159, 98),  // 1.8 minutes in: minute 1, whole minutes are not rounded
        D(160, 98),
        D(165, 97),
        D(165, 96),   // same second, new level: a sample at the same minute
        D(1800, 97),  // a level that comes back is a change too
        D(3000, 90),
        R(3060, 90, State::Charging),  // ends the run and is not part of it
        R(3120, 91, State::Charging),
    });
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].start, T0 + 50);
    EXPECT_EQ(found[0].end, T0 + 3000);
    EXPECT_EQ(found[0].fromPercent, 99);
    EXPECT_EQ(found[0].toPercent, 90);
    EXPECT_FALSE(found[0].cut);
    const std::vector<std::pair<int, int>> expected{{0, 99}, {1, 98},  {1, 97},
                                                    {1, 96}, {29, 97}, {49, 90}};
    EXPECT_EQ(Samples(found[0]), expected);
}

TEST(DischargeSplitter, RunsEndAtOtherStatesSleepAndClockStepsAndNoiseIsDropped) {
    struct Case {
        const char* what;
        std::vector<HistoryRecord> records;
        std::vector<std::pair<std::uint64_t, std::uint64_t>> runs;  // start, end offsets
        std::uint64_t noise;
    };
    const Case cases[] = {
        {"a gap of exactly an hour goes on", {D(0, 90), D(3600, 80)}, {{0, 3600}}, 0},
        {"a gap of more than an hour is sleep",
         {D(0, 90), D(700, 85), D(4301, 84), D(5000, 70)},
         {{0, 700}, {4301, 5000}},
         0},
        {"the daemon's start marker ends a run",
         {D(0, 90), D(700, 85), R(800, 0, State::Unknown), D(900, 80), D(1600, 70)},
         {{0, 700}, {900, 1600}},
         0},
        {"every other state ends a run",
         {D(0, 90), D(600, 80), R(601, 80, State::PendingCharge), D(700, 79), D(1300, 60),
          R(1301, 60, State::Empty), D(1400, 59), D(2000, 50)},
         {{0, 600}, {700, 1300}, {1400, 2000}},
         0},
        {"a record dated earlier starts a new run",
         {D(5000, 90), D(5600, 80), D(0, 70), D(600, 60)},
         {{5000, 5600}, {0, 600}},
         0},
        {"duplicated lines change nothing",
         {D(0, 90), D(0, 90), D(600, 80), D(600, 80)},
         {{0, 600}},
         0},
        {"ten minutes and three points are enough", {D(0, 90), D(600, 87)}, {{0, 600}}, 0},
        {"under ten minutes is noise", {D(0, 90), D(599, 50)}, {}, 1},
        {"under three points is noise", {D(0, 90), D(3000, 88)}, {}, 1},
        {"a level that climbs back is measured first to last",
         {D(0, 90), D(900, 80), D(1000, 89)},
         {},
         1},
        {"a lone record is noise", {D(0, 90)}, {}, 1},
        {"no discharging record, no run",
         {R(0, 50, State::Charging), R(900, 90, State::FullyCharged)},
         {},
         0},
    };
    for (const Case& c : cases) {
        std::uint64_t noise = 0;
        const auto found = Split(c.records, &noise);
        std::vector<std::pair<std::uint64_t, std::uint64_t>> runs;
        for (const Discharge& d : found) {
            runs.emplace_back(d.start - T0, d.end - T0);
            EXPECT_EQ(d.log.minutes[0], 0) << c.what;
        }
        EXPECT_EQ(runs, c.runs) << c.what;
        EXPECT_EQ(noise, c.noise) << c.what;
    }
}

TEST(DischargeSplitter, ALogKeepsItsFirstThousandSamples) {
    std::vector<HistoryRecord> records;
    for (std::uint64_t i = 0; i < 1500; ++i) {
        records.push_back(D(i * 2, i % 2 == 0 ? 60 : 59));  // a level flickering for 50 minutes
    }
    records.push_back(D(3000, 40));
    const auto found = Split(records);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_TRUE(found[0].cut);
    EXPECT_EQ(found[0].log.count, BatteryLog::kCapacity);
    EXPECT_EQ(found[0].log.minutes[999], 33);  // 999 x 2 seconds
    EXPECT_EQ(found[0].log.percent[999], 59);
    EXPECT_EQ(found[0].toPercent, 40);
    EXPECT_EQ(found[0].end, T0 + 3000);

    // The next run starts with a fresh log.
    records.push_back(R(3001, 40, State::Charging));
    records.push_back(D(4000, 90));
    records.push_back(D(5000, 80));
    const auto both = Split(records);
    ASSERT_EQ(both.size(), 2u);
    EXPECT_FALSE(both[1].cut);
    EXPECT_EQ(Samples(both[1]), (std::vector<std::pair<int, int>>{{0, 90}, {16, 80}}));
}

}  // namespace
}  // namespace torvane::test

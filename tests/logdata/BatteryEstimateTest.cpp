// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logdata/BatteryEstimate.h"

#include <climits>

#include <gtest/gtest.h>

namespace torvane {
namespace {

StatusEstimateInput Input(int p, int tNow, int tLast, int p0, int n) {
    StatusEstimateInput in;
    in.p = p;
    in.tNow = tNow;
    in.tLast = tLast;
    in.p0 = p0;
    in.n = n;
    return in;
}

TEST(StatusLine, WorkedExampleAtThirdSampleAndOneMinuteLater) {
    EXPECT_EQ(FormatRunningStatus(Input(97, 20, 20, 99, 3)),
              "Running, Battery: 97%, Run time: 0:20h, Estimated battery life: 16:40h, "
              "16:10h left");
    EXPECT_EQ(FormatRunningStatus(Input(97, 21, 20, 99, 3)),
              "Running, Battery: 97%, Run time: 0:21h, Estimated battery life: 16:40h, "
              "16:09h left");
}

TEST(StatusLine, NotAvailableWithTwoSamplesOrNoDrop) {
    EXPECT_EQ(FormatRunningStatus(Input(99, 5, 0, 99, 1)),
              "Running, Battery: 99%, Run time: 0:05h, Estimated battery life: N/A");
    EXPECT_EQ(FormatRunningStatus(Input(98, 10, 10, 99, 2)),
              "Running, Battery: 98%, Run time: 0:10h, Estimated battery life: N/A");
    // A full log says so, whether or not there is an estimate; one sample short it does not.
    EXPECT_EQ(FormatRunningStatus(Input(100, 999, 999, 100, 1000)),
              "Running, Battery: 100%, Run time: 16:39h, Estimated battery life: N/A, log full");
    EXPECT_EQ(FormatRunningStatus(Input(97, 20, 20, 99, 999)),
              "Running, Battery: 97%, Run time: 0:20h, Estimated battery life: 16:40h, "
              "16:10h left");
    // Still at 100 %: the start level is 100 too, so there is no drop to divide by.
    EXPECT_FALSE(ComputeStatusEstimate(Input(100, 30, 20, 100, 5)).has_value());
}

TEST(StatusLine, RisingReadingTakesFullBatteryAsStart) {
    // First sample 95, reading 97: start level 100, drop 3.
    auto estimate = ComputeStatusEstimate(Input(97, 30, 30, 95, 3));
    ASSERT_TRUE(estimate);
    EXPECT_EQ(estimate->lifeMinutes, 1000);
    EXPECT_EQ(estimate->leftMinutes, 970);
}

TEST(StatusLine, HoursAndMinutesKeepTheSignOnTheMinutes) {
    EXPECT_EQ(FormatHoursMinutes(125), "2:05h");
    EXPECT_EQ(FormatHoursMinutes(59), "0:59h");
    EXPECT_EQ(FormatHoursMinutes(-7), "0:-07h");
    EXPECT_EQ(FormatHoursMinutes(-67), "-1:-07h");
    EXPECT_EQ(FormatFirstSampleStatus(100, 0), "Running, Battery: 100%, Run time: 0:00h");
}

TEST(StatusLine, AbsurdResumedMinutesSaturateInsteadOfOverflowing) {
    auto estimate = ComputeStatusEstimate(Input(0, INT_MAX, INT_MAX, 100, 3));
    ASSERT_TRUE(estimate);
    EXPECT_EQ(estimate->lifeMinutes, INT_MAX);
    EXPECT_EQ(estimate->leftMinutes, 0);
    estimate = ComputeStatusEstimate(Input(50, INT_MIN, INT_MAX, INT_MAX, 3));
    ASSERT_TRUE(estimate);
    EXPECT_EQ(estimate->leftMinutes, INT_MAX);
    // The time to empty alone does not fit, the time left does: it must come out exact.
    estimate = ComputeStatusEstimate(Input(40, INT_MAX, INT_MAX, 100, 3));
    ASSERT_TRUE(estimate);
    EXPECT_EQ(estimate->leftMinutes, 1431655764);
}

TEST(EndPoint, ExamplesOnBothEdges) {
    auto e = EstimationEndPoint(0, 100, 60, 90, 420);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->minutes, 420);
    EXPECT_EQ(e->percent, 30);
    e = EstimationEndPoint(0, 100, 60, 90, 600);  // f = S: the right-edge rule still applies
    ASSERT_TRUE(e);
    EXPECT_EQ(e->minutes, 600);
    EXPECT_EQ(e->percent, 0);
    e = EstimationEndPoint(0, 100, 60, 90, 900);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->minutes, 600);
    EXPECT_EQ(e->percent, 0);
    e = EstimationEndPoint(0, 100, 120, 90, 420);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->percent, 65);
}

TEST(EndPoint, RisingAndFlatAndAbsurdSeries) {
    auto e = EstimationEndPoint(0, 80, 60, 90, 420);  // rising: ends left of minute 0
    ASSERT_TRUE(e);
    EXPECT_LE(e->minutes, 0);
    EXPECT_EQ(e->percent, 0);
    EXPECT_FALSE(EstimationEndPoint(0, 90, 60, 90, 420));
    e = EstimationEndPoint(INT_MIN, INT_MAX, INT_MAX, INT_MIN, 420);
    ASSERT_TRUE(e);  // no overflow, whatever the values
    // The line through (0, 200) and (INT_MAX, 100) reaches 0 % far beyond 32 bits of minutes,
    // yet leaves the graph's right edge just below 200 %.
    e = EstimationEndPoint(0, 200, INT_MAX, 100, 420);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->minutes, 420);
    EXPECT_EQ(e->percent, 199);
}

}  // namespace
}  // namespace torvane

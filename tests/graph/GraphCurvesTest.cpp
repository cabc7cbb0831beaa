// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <climits>
#include <vector>

#include <gtest/gtest.h>

#include "fakes/LogOf.h"
#include "fakes/RecordingCanvas.h"
#include "graph/DrawGraph.h"
#include "graph/DrawSeries.h"
#include "graph/GraphGeometry.h"

namespace torvane::test {
namespace {

using Segment = RecordingCanvas::Segment;

constexpr COLORREF kColour = 0x123456;
const GraphPen kCurve{PenStyle::Solid, 2, kColour};
const GraphPen kEstimate{PenStyle::Dash, 1, kColour};

GraphInput Hours(int hours) {
    GraphInput in;
    in.scaleHours = hours;
    return in;
}

std::vector<Segment> Series(const GraphInput& in, const BatteryLog& log, bool shown = true) {
    RecordingCanvas canvas;
    DrawSeries(canvas, in, log, kColour, shown);
    return canvas.segments;
}

std::vector<Segment> Dashed(const std::vector<Segment>& all) {
    std::vector<Segment> out;
    for (const auto& s : all) {
        if (s.pen.style == PenStyle::Dash) {
            out.push_back(s);
        }
    }
    return out;
}

TEST(PointMapping, ScaleEndsAndFrameEdges) {
    const auto in = Hours(7);
    EXPECT_EQ(PercentToY(in, 100), 38);
    EXPECT_EQ(PercentToY(in, 2), 226);
    EXPECT_EQ(PercentToY(in, 1), 228);
    EXPECT_EQ(PercentToY(in, 0), 230);
    EXPECT_EQ(MinutesToX(in, 0), 31);
    EXPECT_EQ(MinutesToX(in, 415), 234);
    EXPECT_EQ(MinutesToX(in, 416), 235);
    EXPECT_EQ(MinutesToX(in, 420), 237);
    EXPECT_EQ(MinutesToX(Hours(1), 59), 233);
    EXPECT_EQ(MinutesToX(Hours(1), 60), 237);
    // Truncation toward zero on the left of the scale: -61800 / 420 is -147.
    EXPECT_EQ(MinutesToX(in, -300), -116);
}

TEST(PointMapping, LargeValuesStayExactAndAbsurdOnesSaturate) {
    const auto in = Hours(7);
    // 20 000 000 x 206 does not fit in 32 bits, the result does.
    EXPECT_EQ(MinutesToX(in, 20000000), 31 + 9809523);
    EXPECT_EQ(MinutesToX(in, INT_MIN), 31 + static_cast<int>((INT_MIN * 206LL) / 420));
    EXPECT_EQ(PercentToY(in, INT_MIN), INT_MAX);
    EXPECT_EQ(PercentToY(in, INT_MAX), INT_MIN);
    EXPECT_EQ(MinutesToX(Hours(INT_MAX), INT_MAX),
              31 + static_cast<int>((INT_MAX * 206LL) / (60LL * INT_MAX)));
}

TEST(SeriesCurve, PolylineFromTheFirstSample) {
    const auto segs = Series(Hours(7), LogOf({{0, 100}, {60, 90}, {120, 80}}));
    ASSERT_EQ(segs.size(), 4u);  // the estimation line, then the curve
    const auto curve = std::vector<Segment>(segs.end() - 3, segs.end());
    EXPECT_EQ(curve,
              (std::vector<Segment>{
                  {31, 38, 31, 38, kCurve}, {31, 38, 60, 57, kCurve}, {60, 57, 89, 76, kCurve}}));
}

TEST(SeriesCurve, OneSampleIsAPointWithNothingVisible) {
    EXPECT_EQ(Series(Hours(7), LogOf({{0, 100}})),
              (std::vector<Segment>{{31, 38, 31, 38, kCurve}}));
}

TEST(SeriesCurve, StopsAtOnePercentAndHidesLaterSamples) {
    auto in = Hours(7);
    in.showEstimations = false;
    const auto segs = Series(in, LogOf({{0, 100}, {10, 50}, {20, 2}, {30, 1}, {40, 50}}));
    ASSERT_EQ(segs.size(), 3u);
    EXPECT_EQ(segs.back().y1, 226);
}

TEST(SeriesCurve, StopsAtMinute416AtSevenHours) {
    auto in = Hours(7);
    in.showEstimations = false;
    const auto segs = Series(in, LogOf({{0, 100}, {415, 60}, {416, 59}, {417, 90}}));
    ASSERT_EQ(segs.size(), 2u);
    EXPECT_EQ(segs.back().x1, 234);
    // The first sample itself can be out of the plot: nothing is drawn at all.
    EXPECT_TRUE(Series(in, LogOf({{0, 0}, {10, 90}})).empty());
}

TEST(SeriesCurve, HiddenSlotAndEmptyLogDrawNothing) {
    const auto log = LogOf({{0, 100}, {60, 90}, {120, 80}});
    EXPECT_TRUE(Series(Hours(7), log, false).empty());
    RecordingCanvas canvas;
    DrawSeries(canvas, Hours(7), BatteryLog{}, kColour, true);
    EXPECT_TRUE(canvas.ops.empty());
}

TEST(EstimationLine, ExamplesEndAtTheScaleEdgeOrAtZero) {
    EXPECT_EQ(Dashed(Series(Hours(7), LogOf({{0, 100}, {60, 95}, {120, 90}}))),
              (std::vector<Segment>{{89, 57, 237, 105, kEstimate}}));
    EXPECT_EQ(Dashed(Series(Hours(7), LogOf({{0, 100}, {200, 70}, {300, 40}}))),
              (std::vector<Segment>{{178, 153, 237, 199, kEstimate}}));
    EXPECT_EQ(Dashed(Series(Hours(10), LogOf({{0, 100}, {30, 90}, {60, 80}}))),
              (std::vector<Segment>{{51, 76, 134, 230, kEstimate}}));
    // A rising series ends at 0 % left of minute 0, drawn where it lands.
    EXPECT_EQ(Dashed(Series(Hours(7), LogOf({{0, 50}, {30, 40}, {60, 60}}))),
              (std::vector<Segment>{{60, 114, -116, 230, kEstimate}}));
}

TEST(EstimationLine, DrawnBeforeTheCurveEvenWhenTheCurveStopsEarly) {
    const auto segs = Series(Hours(7), LogOf({{0, 100}, {10, 1}, {120, 90}}));
    ASSERT_EQ(segs.size(), 2u);
    EXPECT_EQ(segs[0], (Segment{89, 57, 237, 105, kEstimate}));
    EXPECT_EQ(segs[1].pen, kCurve);
}

TEST(EstimationLine, OnlyWithThreeSamplesInsideTheScaleAndADrop) {
    EXPECT_TRUE(Dashed(Series(Hours(7), LogOf({{0, 100}, {120, 90}}))).empty());
    EXPECT_EQ(Dashed(Series(Hours(7), LogOf({{0, 100}, {60, 95}, {419, 90}}))).size(), 1u);
    EXPECT_TRUE(Dashed(Series(Hours(7), LogOf({{0, 100}, {60, 95}, {420, 90}}))).empty());
    EXPECT_TRUE(Dashed(Series(Hours(1), LogOf({{0, 100}, {30, 95}, {60, 90}}))).empty());
    EXPECT_TRUE(Dashed(Series(Hours(7), LogOf({{0, 90}, {60, 80}, {120, 90}}))).empty());
    auto off = Hours(7);
    off.showEstimations = false;
    EXPECT_TRUE(Dashed(Series(off, LogOf({{0, 100}, {60, 95}, {120, 90}}))).empty());
}

TEST(EstimationLine, AbsurdLoadedValuesDrawWithoutOverflow) {
    const auto segs = Series(Hours(7), LogOf({{INT_MIN, INT_MAX}, {0, 50}, {INT_MIN, INT_MIN}}));
    ASSERT_FALSE(segs.empty());
    EXPECT_EQ(segs[0].pen, kEstimate);
}

TEST(GraphOrder, ReferenceSlotsThenSessionEachEstimateBeforeItsCurve) {
    GraphInput in = Hours(7);
    in.refColour = {0xA1, 0xA2, 0xA3};
    in.sessionColour = 0xA4;
    const auto log = LogOf({{0, 100}, {60, 95}, {120, 90}});
    in.ref = {log, log, log};
    in.log = log;
    RecordingCanvas canvas;
    DrawGraph(canvas, in);

    std::vector<GraphPen> seriesPens;
    for (const auto& op : canvas.ops) {
        if (op.kind == RecordingCanvas::Kind::Pen && op.pen.colour >= 0xA1 &&
            op.pen.colour <= 0xA4) {
            seriesPens.push_back(op.pen);
        }
    }
    std::vector<GraphPen> expected;
    for (COLORREF c : {0xA1u, 0xA2u, 0xA3u, 0xA4u}) {
        expected.push_back({PenStyle::Dash, 1, c});
        expected.push_back({PenStyle::Solid, 2, c});
    }
    EXPECT_EQ(seriesPens, expected);

    // Hiding slot 2 removes only its pens; the session is drawn after the last curve.
    in.showRef[1] = false;
    RecordingCanvas hidden;
    DrawGraph(hidden, in);
    EXPECT_TRUE(hidden.SegmentsIn(0xA2).empty());
    EXPECT_EQ(hidden.SegmentsIn(0xA3).size(), 4u);
    EXPECT_EQ(hidden.segments.back().pen.colour, 0xA4u);
}

}  // namespace
}  // namespace torvane::test

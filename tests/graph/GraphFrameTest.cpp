// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "fakes/RecordingCanvas.h"
#include "graph/DrawGraph.h"

namespace torvane::test {
namespace {

constexpr COLORREF kGrid = 0x010101;
constexpr COLORREF kDetail = 0x020202;
constexpr COLORREF kScale = 0x030303;
constexpr COLORREF kStatus = 0x040404;

using Segment = RecordingCanvas::Segment;

GraphInput Input(int hours) {
    GraphInput in;
    in.scaleHours = hours;
    in.gridColour = kGrid;
    in.gridDetailColour = kDetail;
    in.gridScaleColour = kScale;
    in.statusColour = kStatus;
    in.status = "Ready to start a session...";
    return in;
}

RecordingCanvas Draw(const GraphInput& in) {
    RecordingCanvas canvas;
    DrawGraph(canvas, in);
    return canvas;
}

// The rows (y fixed) or the columns (x fixed) among the lines.
std::vector<Segment> Straight(const std::vector<Segment>& all, bool rows) {
    std::vector<Segment> out;
    std::copy_if(all.begin(), all.end(), std::back_inserter(out), [rows](const Segment& s) {
        return rows ? s.y0 == s.y1 && s.x0 != s.x1 : s.x0 == s.x1 && s.y0 != s.y1;
    });
    return out;
}
std::vector<Segment> Horizontal(const std::vector<Segment>& all) {
    return Straight(all, true);
}
std::vector<Segment> Vertical(const std::vector<Segment>& all) {
    return Straight(all, false);
}

std::vector<std::string> TextsFormatted(const RecordingCanvas& c, std::uint32_t format) {
    std::vector<std::string> out;
    for (const auto& t : c.texts) {
        if (t.format == format) {
            out.push_back(t.text);
        }
    }
    return out;
}

TEST(GraphFrame, FrameAndShadowOutlineTheFixedRectangle) {
    const auto c = Draw(Input(7));
    const GraphPen frame{PenStyle::Solid, 1, 0x000000};
    const GraphPen shadow{PenStyle::Solid, 1, 0x7F7F7F};
    const std::vector<Segment> expected{
        {30, 37, 235, 37, frame}, {235, 37, 235, 228, frame},  {235, 228, 30, 228, frame},
        {30, 228, 30, 37, frame}, {236, 38, 236, 229, shadow}, {236, 229, 31, 229, shadow},
    };
    ASSERT_GE(c.segments.size(), expected.size());
    EXPECT_EQ(std::vector<Segment>(c.segments.begin(), c.segments.begin() + 6), expected);
}

TEST(GraphFrame, CompositionIsOffScreenAndEndsWithTheStatusText) {
    const auto c = Draw(Input(7));
    ASSERT_GE(c.ops.size(), 3u);
    EXPECT_EQ(c.ops.front().kind, RecordingCanvas::Kind::Begin);
    EXPECT_EQ(c.ops.front().rect, (GraphRect{320, 320, 240, 320}));
    EXPECT_EQ(c.ops.back().kind, RecordingCanvas::Kind::End);
    EXPECT_EQ(c.ops.back().rect, (GraphRect{0, 0, 240, 320}));

    const auto& status = c.ops[c.ops.size() - 2];
    EXPECT_EQ(status.kind, RecordingCanvas::Kind::Text);
    EXPECT_EQ(status.text, "Ready to start a session...");
    EXPECT_EQ(status.rect, (GraphRect{2, 240, 195, 273}));
    EXPECT_EQ(status.format, 0x10u);
    EXPECT_EQ(status.colour, kStatus);

    // One label font, selected before the first text: 10 pixels high, thin.
    const auto font = std::find_if(c.ops.begin(), c.ops.end(), [](const auto& op) {
        return op.kind == RecordingCanvas::Kind::Font;
    });
    const auto firstText = std::find_if(c.ops.begin(), c.ops.end(), [](const auto& op) {
        return op.kind == RecordingCanvas::Kind::Text;
    });
    ASSERT_NE(font, c.ops.end());
    EXPECT_LT(font, firstText);
    EXPECT_EQ(font->x, -10);
    EXPECT_EQ(font->y, 100);
    EXPECT_EQ(std::count_if(c.ops.begin(), c.ops.end(),
                            [](const auto& op) { return op.kind == RecordingCanvas::Kind::Font; }),
              1);
}

TEST(GraphFrame, ElevenRowsTenDashedDetailRowsAndTheirLabels) {
    const auto c = Draw(Input(7));
    const auto rows = Horizontal(c.SegmentsIn(kGrid));
    ASSERT_EQ(rows.size(), 11u);
    for (int k = 0; k <= 10; ++k) {
        const int y = 38 + 19 * k;
        EXPECT_EQ(rows[static_cast<size_t>(k)],
                  (Segment{31, y, 235, y, {PenStyle::Solid, 1, kGrid}}));
    }
    const auto details = Horizontal(c.SegmentsIn(kDetail));
    ASSERT_EQ(details.size(), 10u);
    for (int k = 0; k < 10; ++k) {
        const int y = 47 + 19 * k;
        EXPECT_EQ(details[static_cast<size_t>(k)],
                  (Segment{31, y, 235, y, {PenStyle::Dash, 1, kDetail}}));
    }

    std::vector<RecordingCanvas::Text> labels;
    std::copy_if(c.texts.begin(), c.texts.end(), std::back_inserter(labels),
                 [](const auto& t) { return t.format == 0x22; });
    ASSERT_EQ(labels.size(), 11u);
    EXPECT_EQ(labels.front().text, "100%");
    EXPECT_EQ(labels.front().rect, (GraphRect{1, 32, 26, 42}));
    EXPECT_EQ(labels[5].text, "50%");
    EXPECT_EQ(labels[5].rect, (GraphRect{1, 127, 26, 137}));
    EXPECT_EQ(labels.back().text, "0%");
    EXPECT_EQ(labels.back().rect, (GraphRect{1, 222, 26, 232}));
    EXPECT_EQ(labels.back().colour, kScale);
}

TEST(GraphFrame, HorizontalGridOffKeepsLabelsAndDrawsNoRows) {
    auto in = Input(7);
    in.showHGrid = false;
    const auto c = Draw(in);
    EXPECT_TRUE(Horizontal(c.SegmentsIn(kGrid)).empty());
    EXPECT_TRUE(Horizontal(c.SegmentsIn(kDetail)).empty());
    EXPECT_EQ(TextsFormatted(c, 0x22).size(), 11u);
    EXPECT_EQ(Vertical(c.SegmentsIn(kGrid)).size(), 8u);  // columns unaffected
}

TEST(GraphFrame, VerticalGridOffKeepsHourLabelsOnly) {
    for (int hours : {1, 3, 7}) {
        auto in = Input(hours);
        in.showVGrid = false;
        const auto c = Draw(in);
        EXPECT_TRUE(Vertical(c.SegmentsIn(kGrid)).empty()) << hours;
        EXPECT_TRUE(Vertical(c.SegmentsIn(kDetail)).empty()) << hours;
        const auto labels = TextsFormatted(c, 0x24);
        ASSERT_EQ(labels.size(), static_cast<size_t>(hours + 1)) << hours;
        EXPECT_EQ(labels.back(), std::to_string(hours) + "h");
    }
}

struct ColumnCase {
    int hours;
    std::vector<int> hourX;
    std::vector<int> quarterX;
    std::vector<std::string> quarterLabels;  // per hour, in order
};

class GraphColumns : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(GraphColumns, HourAndQuarterColumnsMatchTheTable) {
    const auto& want = GetParam();
    const auto c = Draw(Input(want.hours));

    std::vector<int> hourX;
    for (const auto& s : Vertical(c.SegmentsIn(kGrid))) {
        EXPECT_EQ(s.y0, 38);
        EXPECT_EQ(s.y1, 228);
        hourX.push_back(s.x0);
    }
    EXPECT_EQ(hourX, want.hourX);

    std::vector<int> quarterX;
    for (const auto& s : Vertical(c.SegmentsIn(kDetail))) {
        EXPECT_EQ(s.pen.style, PenStyle::Dash);
        quarterX.push_back(s.x0);
    }
    EXPECT_EQ(quarterX, want.quarterX);

    std::vector<std::string> hourLabels;
    std::vector<GraphRect> hourRects;
    std::vector<std::string> quarterLabels;
    for (const auto& t : c.texts) {
        if (t.format != 0x24) {
            continue;
        }
        EXPECT_EQ(t.rect.top, 230);
        EXPECT_EQ(t.rect.bottom, 240);
        if (t.text.back() == 'h') {
            hourLabels.push_back(t.text);
            hourRects.push_back(t.rect);
        } else {
            // Labelled quarters come first in each hour: (x - 5, x + 15) around their line.
            const int x = want.quarterX[quarterLabels.size()];
            EXPECT_EQ(t.rect, (GraphRect{x - 5, 230, x + 15, 240})) << t.text;
            quarterLabels.push_back(t.text);
        }
    }
    // Every hour is labelled in the 10 pixels around its line, however close the lines stand.
    std::vector<std::string> expectedLabels;
    std::vector<GraphRect> expectedRects;
    for (int h = 0; h <= want.hours; ++h) {
        const int x = want.hourX[static_cast<std::size_t>(h)];
        expectedLabels.push_back(std::to_string(h) + "h");
        expectedRects.push_back({x - 5, 230, x + 5, 240});
    }
    EXPECT_EQ(hourLabels, expectedLabels);
    EXPECT_EQ(hourRects, expectedRects);
    EXPECT_EQ(quarterLabels, want.quarterLabels);
}

std::vector<int> Every(int from, int step, int count) {
    std::vector<int> out;
    for (int i = 0; i < count; ++i) {
        out.push_back(from + i * step);
    }
    return out;
}

// Quarter positions: every column that is not a whole hour.
std::vector<int> Quarters(int step, int hours) {
    std::vector<int> out;
    for (int j = 0; j <= 4 * hours; ++j) {
        if (j % 4 != 0) {
            out.push_back(31 + j * step);
        }
    }
    return out;
}

std::vector<std::string> Repeat(const std::vector<std::string>& labels, int times) {
    std::vector<std::string> out;
    for (int i = 0; i < times; ++i) {
        out.insert(out.end(), labels.begin(), labels.end());
    }
    return out;
}

std::string ColumnCaseName(const ::testing::TestParamInfo<ColumnCase>& c) {
    return "H" + std::to_string(c.param.hours);
}

INSTANTIATE_TEST_SUITE_P(
    TimeScales, GraphColumns,
    ::testing::Values(
        ColumnCase{1, {31, 235}, {82, 133, 184}, {"15m", "30m", "45m"}},
        ColumnCase{
            2, {31, 131, 231}, {56, 81, 106, 156, 181, 206}, Repeat({"15m", "30m", "45m"}, 2)},
        ColumnCase{3, {31, 99, 167, 235}, Quarters(17, 3), Repeat({"15", "30", "45"}, 3)},
        ColumnCase{4, Every(31, 48, 5), Quarters(12, 4), {}},
        ColumnCase{5, Every(31, 40, 6), Quarters(10, 5), {}},
        ColumnCase{7, {31, 59, 87, 115, 143, 171, 199, 227}, {}, {}},
        ColumnCase{10, Every(31, 20, 11), {}, {}}, ColumnCase{20, Every(31, 8, 21), {}, {}},
        ColumnCase{50, Every(31, 4, 51), {}, {}}),
    ColumnCaseName);

TEST(GraphColumnsEdge, AbsurdScalesStayBounded) {
    // A negative scale draws no column; an enormous one cannot stall the draw.
    EXPECT_TRUE(TextsFormatted(Draw(Input(-3)), 0x24).empty());
    // Its 1001 hour lines and labels all stand at the plot's left edge.
    const auto huge = Draw(Input(2000000000));
    EXPECT_EQ(Vertical(huge.SegmentsIn(kGrid)).size(), 1001u);
    const auto hugeLabels = TextsFormatted(huge, 0x24);
    ASSERT_EQ(hugeLabels.size(), 1001u);
    EXPECT_EQ(hugeLabels.back(), "1000h");
    EXPECT_EQ(huge.ops.back().kind, RecordingCanvas::Kind::End);
    // 0 is never stored, but reads like an absent setting instead of dividing by zero.
    EXPECT_EQ(TextsFormatted(Draw(Input(0)), 0x24).size(), 8u);
}

}  // namespace
}  // namespace torvane::test

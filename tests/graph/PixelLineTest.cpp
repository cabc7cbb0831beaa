// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <array>
#include <climits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "graph/PixelLine.h"
#include "graph/WordWrap.h"

namespace torvane::test {
namespace {

constexpr std::uint32_t kInk = 1;

struct Surface {
    Surface(int w, int h) : width(w), height(h), pixels(static_cast<size_t>(w * h), 0) {}
    PixelSurface View() { return {pixels.data(), width, height, width}; }
    std::uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
    int Count() const {
        int n = 0;
        for (auto p : pixels) {
            n += p != 0;
        }
        return n;
    }
    int width, height;
    std::vector<std::uint32_t> pixels;
};

void Line(Surface& s, int x0, int y0, int x1, int y1, GraphPen pen = {PenStyle::Solid, 1, 0}) {
    std::int64_t phase = 0;
    DrawPixelLine(s.View(), x0, y0, x1, y1, pen, kInk, phase);
}

TEST(PixelLine, OnePixelPenLeavesTheEndPointOut) {
    Surface s(20, 20);
    Line(s, 2, 3, 12, 3);
    EXPECT_EQ(s.Count(), 10);
    EXPECT_EQ(s.At(2, 3), kInk);
    EXPECT_EQ(s.At(11, 3), kInk);
    EXPECT_EQ(s.At(12, 3), 0u);

    Surface v(20, 20);
    Line(v, 5, 15, 5, 5);  // upwards: starts painted, end not
    EXPECT_EQ(v.Count(), 10);
    EXPECT_EQ(v.At(5, 15), kInk);
    EXPECT_EQ(v.At(5, 5), 0u);
}

TEST(PixelLine, SlopedLinesStepOnePixelAlongTheLongerAxis) {
    Surface s(20, 20);
    Line(s, 0, 0, 10, 5);
    EXPECT_EQ(s.Count(), 10);
    EXPECT_EQ(s.At(0, 0), kInk);
    EXPECT_EQ(s.At(9, 5), kInk);  // 9 x 5 / 10 = 4.5 rounds to 5
    Surface d(20, 20);
    Line(d, 3, 3, 9, 9);
    for (int i = 3; i < 9; ++i) {
        EXPECT_EQ(d.At(i, i), kInk);
    }
    EXPECT_EQ(d.Count(), 6);
}

TEST(PixelLine, TwoPixelPenIsTwoPixelsThickAndPaintsItsEnd) {
    Surface s(20, 20);
    Line(s, 2, 5, 8, 5, {PenStyle::Solid, 2, 0});
    EXPECT_EQ(s.Count(), 2 * 8);  // x 2..9, rows 5 and 6
    EXPECT_EQ(s.At(9, 6), kInk);
    EXPECT_EQ(s.At(2, 4), 0u);
    // A zero-length line, such as a series of one sample, paints nothing.
    Surface p(20, 20);
    Line(p, 4, 4, 4, 4, {PenStyle::Solid, 2, 0});
    EXPECT_EQ(p.Count(), 0);
}

TEST(PixelLine, DashesRunOnAcrossAChainAndRestartAfterAMove) {
    Surface s(40, 4);
    std::int64_t phase = 0;
    const GraphPen dash{PenStyle::Dash, 1, 0};
    DrawPixelLine(s.View(), 0, 1, 3, 1, dash, kInk, phase);
    DrawPixelLine(s.View(), 3, 1, 24, 1, dash, kInk, phase);
    std::string row;
    for (int x = 0; x < 24; ++x) {
        row += s.At(x, 1) ? '#' : '.';
    }
    EXPECT_EQ(row, "#####...#####...#####...");
}

TEST(PixelLine, ClippedLinesKeepTheirPixelsAndAbsurdOnesCostNothing) {
    // The same slanted line, once whole on a big surface and once starting far off a small
    // one: the pixels that land on the small one must be the same.
    Surface big(3000, 300);
    Line(big, -2000 + 2500, 10 + 100, 500 + 2500, 60 + 100);
    Surface small(300, 100);
    Line(small, -2000, 10, 500, 60);
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 300; ++x) {
            ASSERT_EQ(small.At(x, y), big.At(x + 2500, y + 100)) << x << "," << y;
        }
    }
    Surface s(240, 320);
    Line(s, 31, 38, INT_MAX, INT_MIN, {PenStyle::Solid, 2, 0});
    Line(s, INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    Line(s, INT_MAX, 5, INT_MIN, 5, {PenStyle::Dash, 1, 0});
    EXPECT_GT(s.Count(), 0);
}

TEST(PixelLine, AtAnyScaleStraightLinesCoverTheSamePicturePixels) {
    // On a surface n times the size, a horizontal or vertical chain covers exactly the n x n
    // blocks of the pixels it covers at scale 1: ends, dashes and pen widths alike.
    const GraphPen pens[] = {
        {PenStyle::Solid, 1, 0}, {PenStyle::Dash, 1, 0}, {PenStyle::Solid, 2, 0}};
    for (int n = 2; n <= 4; ++n) {
        for (const GraphPen& pen : pens) {
            Surface coarse(30, 30);
            Surface fine(30 * n, 30 * n);
            std::int64_t coarsePhase = 0;
            std::int64_t finePhase = 0;
            for (auto [x0, y0, x1, y1] :
                 {std::array{2, 3, 25, 3}, {25, 3, 25, 20}, {25, 20, 4, 20}}) {
                DrawPixelLine(coarse.View(), x0, y0, x1, y1, pen, kInk, coarsePhase);
                DrawPixelLine(fine.View(), x0, y0, x1, y1, pen, kInk, finePhase, n);
            }
            for (int y = 0; y < 30 * n; ++y) {
                for (int x = 0; x < 30 * n; ++x) {
                    ASSERT_EQ(fine.At(x, y), coarse.At(x / n, y / n))
                        << "scale " << n << ", pen " << pen.width << "/"
                        << static_cast<int>(pen.style) << " at " << x << "," << y;
                }
            }
        }
    }
}

int CharWidth(const std::string& text) {
    return static_cast<int>(text.size());
}

TEST(WordWrap, BreaksAtSpacesAndDropsThem) {
    EXPECT_EQ(WrapWords("Running, Battery: 97%, Run time: 0:20h", 18, CharWidth),
              (std::vector<std::string>{"Running, Battery:", "97%, Run time:", "0:20h"}));
    EXPECT_EQ(WrapWords("a b", 3, CharWidth), (std::vector<std::string>{"a b"}));
}

TEST(WordWrap, LongWordStandsAloneAndLineBreaksEndLines) {
    EXPECT_EQ(WrapWords("go extraordinarily far", 6, CharWidth),
              (std::vector<std::string>{"go", "extraordinarily", "far"}));
    EXPECT_EQ(WrapWords("one\r\ntwo three", 20, CharWidth),
              (std::vector<std::string>{"one", "two three"}));
    EXPECT_EQ(WrapWords("", 20, CharWidth), (std::vector<std::string>{""}));
}

}  // namespace
}  // namespace torvane::test

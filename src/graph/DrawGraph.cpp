// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graph/DrawGraph.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <string>

#include "graph/DrawSeries.h"
#include "graph/GraphGeometry.h"
#include "logdata/IntMath.h"

namespace torvane {

namespace {

constexpr COLORREF kFrameColour = 0x000000;
constexpr COLORREF kShadowColour = 0x7F7F7F;
constexpr std::int32_t kLabelHeight = -10;  // a character height of 10 pixels

// Every column of scales up to 1000 hours is drawn (the View page stops at 50, the command
// line at 1000). A hand-edited store may hold any number; drawing stops here so an absurd
// scale cannot stall the window. Long before this the column step is 0 and every further
// column lands on the same spot at the plot's left edge.
constexpr std::int32_t kMaxColumns = 4 * 1000 + 1;

// The labels' texts, printf-style as the system writes them.
[[gnu::format(printf, 1, 2)]] std::string Format(const char* format, ...) {
    char buffer[24];
    std::va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return buffer;
}

void DrawFrame(GraphCanvas& canvas, const GraphInput& in) {
    using intmath::Add;
    canvas.SelectPen({PenStyle::Solid, 1, kFrameColour});
    canvas.MoveTo(in.left, in.top);
    canvas.LineTo(in.right, in.top);
    canvas.LineTo(in.right, in.bottom);
    canvas.LineTo(in.left, in.bottom);
    canvas.LineTo(in.left, in.top);

    canvas.SelectPen({PenStyle::Solid, 1, kShadowColour});
    canvas.MoveTo(Add(in.right, 1), Add(in.top, 1));
    canvas.LineTo(Add(in.right, 1), Add(in.bottom, 1));
    canvas.LineTo(Add(in.left, 1), Add(in.bottom, 1));
}

void DrawPercentScale(GraphCanvas& canvas, const GraphInput& in, const GraphGeometry& g,
                      const GraphPen& gridPen, const GraphPen& detailPen) {
    using intmath::Add;
    for (std::int32_t k = 0; k <= 10; ++k) {
        const std::int32_t y = Add(Add(in.top, 1), k * g.rowStep);
        if (in.showHGrid) {
            canvas.MoveTo(Add(in.left, 1), y);
            canvas.LineTo(in.right, y);
            if (in.showDetailedGrid && k < 10) {
                canvas.SelectPen(detailPen);
                canvas.MoveTo(Add(in.left, 1), Add(y, g.halfRow));
                canvas.LineTo(in.right, Add(y, g.halfRow));
                canvas.SelectPen(gridPen);
            }
        }
        canvas.DrawText(Format("%d%%", 100 - 10 * k), {1, intmath::Sub(y, 6), 26, Add(y, 4)},
                        kTextRightTop);
    }
}

// The x of column j: L + 1 + j x column step.
std::int32_t ColumnX(const GraphInput& in, const GraphGeometry& g, std::int32_t j) {
    return intmath::Saturate(intmath::Wide{in.left} + 1 + intmath::Wide{j} * g.columnStep);
}

void DrawTimeScale(GraphCanvas& canvas, const GraphInput& in, const GraphGeometry& g,
                   const GraphPen& gridPen, const GraphPen& detailPen) {
    using intmath::Add;
    const std::int32_t hours = g.scaleHours;
    const std::int32_t lastColumn = std::min(intmath::Mul(4, hours), kMaxColumns - 1);
    const std::int32_t labelTop = Add(in.bottom, 2);
    const std::int32_t labelBottom = Add(in.bottom, 12);

    for (std::int32_t j = 0; j <= lastColumn; ++j) {
        const std::int32_t x = ColumnX(in, g, j);
        const std::int32_t q = j % 4;
        if (q == 0) {
            if (in.showVGrid) {
                canvas.MoveTo(x, Add(in.top, 1));
                canvas.LineTo(x, in.bottom);
            }
            // Every hour is labelled, whatever the grid flags, in 10 pixels around its line:
            // a two-digit label loses its right part, and labels of close lines overlap.
            canvas.DrawText(Format("%dh", j / 4),
                            {intmath::Sub(x, 5), labelTop, Add(x, 5), labelBottom},
                            kTextLeftCentred);
        } else if (hours < 6 && in.showDetailedGrid && in.showVGrid) {
            canvas.SelectPen(detailPen);
            canvas.MoveTo(x, Add(in.top, 1));
            canvas.LineTo(x, in.bottom);
            if (hours < 4) {
                canvas.DrawText(Format(hours <= 2 ? "%dm" : "%d", 15 * q),
                                {intmath::Sub(x, 5), labelTop, Add(x, 15), labelBottom},
                                kTextLeftCentred);
            }
            canvas.SelectPen(gridPen);
        }
    }
}

}  // namespace

void DrawGraph(GraphCanvas& canvas, const GraphInput& in) {
    const GraphGeometry g = ComputeGeometry(in);

    canvas.BeginComposition(kBitmapWidth, kBitmapHeight, kWindowWidth, kWindowHeight);
    DrawFrame(canvas, in);

    const GraphPen gridPen{PenStyle::Solid, 1, in.gridColour};
    const GraphPen detailPen{PenStyle::Dash, 1, in.gridDetailColour};
    canvas.SelectFont(kLabelHeight, FW_THIN);
    canvas.SetTextColor(in.gridScaleColour);
    canvas.SelectPen(gridPen);
    DrawPercentScale(canvas, in, g, gridPen, detailPen);
    DrawTimeScale(canvas, in, g, gridPen, detailPen);

    for (std::size_t slot = 0; slot < 3; ++slot) {
        DrawSeries(canvas, in, in.ref[slot], in.refColour[slot], in.showRef[slot]);
    }
    DrawSeries(canvas, in, in.log, in.sessionColour, true);

    canvas.SetTextColor(in.statusColour);
    canvas.DrawText(in.status, StatusTextRect(in), kTextWrapped);

    canvas.EndComposition(kWindowWidth, kWindowHeight);
}

}  // namespace torvane

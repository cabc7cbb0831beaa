// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graph/DrawSeries.h"

#include <algorithm>

#include "graph/GraphGeometry.h"
#include "logdata/BatteryEstimate.h"
#include "logdata/IntMath.h"

namespace torvane {

namespace {

void DrawEstimationLine(GraphCanvas& canvas, const GraphInput& in, const BatteryLog& log,
                        std::int32_t count, COLORREF colour) {
    const std::int32_t scaleMinutes = intmath::Mul(60, EffectiveScaleHours(in));
    const std::int32_t last = count - 1;
    const std::int32_t mn = log.minutes[static_cast<std::size_t>(last)];
    const std::int32_t pn = log.percent[static_cast<std::size_t>(last)];
    if (!in.showEstimations || count <= in.minEstimateSamples || mn >= scaleMinutes) {
        return;
    }
    const auto end = EstimationEndPoint(log.minutes[0], log.percent[0], mn, pn, scaleMinutes);
    if (!end) {
        return;  // first and last percent equal: the trend never reaches 0 %
    }
    canvas.SelectPen({PenStyle::Dash, 1, colour});
    canvas.MoveTo(MinutesToX(in, mn), PercentToY(in, pn));
    canvas.LineTo(MinutesToX(in, end->minutes), PercentToY(in, end->percent));
}

}  // namespace

void DrawSeries(GraphCanvas& canvas, const GraphInput& in, const BatteryLog& log, COLORREF colour,
                bool shown) {
    // A count outside the log's capacity (never produced by the readers) draws what fits.
    const std::int32_t count = std::clamp(log.count, 0, BatteryLog::kCapacity);
    if (!shown || count == 0) {
        return;
    }
    DrawEstimationLine(canvas, in, log, count, colour);

    canvas.SelectPen({PenStyle::Solid, 2, colour});
    for (std::int32_t i = 0; i < count; ++i) {
        const std::int32_t x = MinutesToX(in, log.minutes[static_cast<std::size_t>(i)]);
        const std::int32_t y = PercentToY(in, log.percent[static_cast<std::size_t>(i)]);
        if (x >= in.right || y >= in.bottom) {
            break;  // this sample and every later one stay hidden
        }
        if (i == 0) {
            canvas.MoveTo(x, y);
        }
        canvas.LineTo(x, y);
    }
}

}  // namespace torvane

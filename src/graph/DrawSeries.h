// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "graph/GraphCanvas.h"
#include "graph/GraphInput.h"

namespace torvane {

// Draws one series: when shown, its dashed estimation line (estimations on, more than the
// threshold of samples, last sample inside the time scale) and then its curve in a solid
// two-pixel pen, which stops at the first sample that falls on or beyond the plot's right or
// bottom edge.
void DrawSeries(GraphCanvas& canvas, const GraphInput& in, const BatteryLog& log, COLORREF colour,
                bool shown);

}  // namespace torvane

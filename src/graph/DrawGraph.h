// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "graph/GraphCanvas.h"
#include "graph/GraphInput.h"

namespace torvane {

// Composes the whole picture off-screen and copies it to the window in one block: frame and
// shadow, percent scale with the horizontal grid, time scale with the vertical grid, the three
// reference slots and the session, and the status text. Starts from what the window shows.
void DrawGraph(GraphCanvas& canvas, const GraphInput& in);

}  // namespace torvane

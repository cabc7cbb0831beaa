// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include "options/logic/ColourGridGeometry.h"

namespace torvane {

// The box an arrow key moves the palette's highlight to from the current selection (a cell,
// one of the two boxes, or none). Absent boxes are skipped; with both present the keys cycle
// through the grid and the two boxes. Other keys give no target.
std::optional<int> NavigationTarget(int virtualKey, int current, const GridShape& shape);

}  // namespace torvane

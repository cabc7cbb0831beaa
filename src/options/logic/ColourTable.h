// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include "platform/WinTypes.h"

namespace torvane {

// One colour of the palette; the name travels with the table but is not shown.
struct ColourTableEntry {
    COLORREF crColour;
    const char* szName;
};

inline constexpr int kColourCount = 40;

// The palette's 40 colours, 8 to a row, row by row.
const std::array<ColourTableEntry, kColourCount>& ColourTable();

// The index of the first table colour equal to the given one, or -1.
int FindTableColour(COLORREF colour);

}  // namespace torvane

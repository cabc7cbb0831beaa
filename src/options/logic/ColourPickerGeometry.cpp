// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/logic/ColourPickerGeometry.h"

#include <algorithm>

namespace torvane {

int PickerArrowSize(const EdgeMetrics& edge) {
    return std::max({16, 5 * edge.cx, 5 * edge.cy});
}

PickerSize PickerButtonSize(int currentWidth, const EdgeMetrics& edge) {
    const int arrow = PickerArrowSize(edge);
    return {std::max(currentWidth, 2 * (arrow + edge.cx)), arrow + 2 * edge.cy};
}

PaletteRect PickerArrowRect(const PaletteRect& client, const EdgeMetrics& edge) {
    const int arrow = PickerArrowSize(edge);
    return {client.right - arrow - edge.cx, client.top + edge.cy, client.right - edge.cx,
            client.bottom - edge.cy};
}

PaletteRect PickerSwatchRect(const PaletteRect& item, const PaletteRect& arrow,
                             const EdgeMetrics& edge) {
    PaletteRect rect = item.Deflated(edge.cx, edge.cy).Deflated(edge.cx, edge.cy);
    rect.right -= arrow.Width();
    return rect;
}

COLORREF PickerSwatchColour(COLORREF colour, bool enabled, COLORREF buttonFace) {
    if (!enabled || colour == kAutomaticColour) {
        return buttonFace;
    }
    return colour;
}

}  // namespace torvane

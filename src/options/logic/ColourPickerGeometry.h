// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "options/logic/PaletteRect.h"
#include "platform/WinTypes.h"

namespace torvane {

// The system's 3-D edge width and height.
struct EdgeMetrics {
    int cx = 2;
    int cy = 2;
};

// Side of the picker's drop-down arrow: at least 16 pixels, more with wide edges.
int PickerArrowSize(const EdgeMetrics& edge);

// The picker's own size from its current width: wide enough for the arrow twice over and
// exactly as tall as the arrow with its edges.
struct PickerSize {
    int width = 0;
    int height = 0;
};
PickerSize PickerButtonSize(int currentWidth, const EdgeMetrics& edge);

// Where the drop-down arrow goes in the picker's client rectangle.
PaletteRect PickerArrowRect(const PaletteRect& client, const EdgeMetrics& edge);

// The swatch: inside the sunken edge, one more edge in, left of the arrow.
PaletteRect PickerSwatchRect(const PaletteRect& item, const PaletteRect& arrow,
                             const EdgeMetrics& edge);

// The automatic colour and every disabled picker show the button face.
COLORREF PickerSwatchColour(COLORREF colour, bool enabled, COLORREF buttonFace);

}  // namespace torvane

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include "options/logic/ColourTable.h"
#include "options/logic/PaletteRect.h"

namespace torvane {

// Selection values besides the grid cells 0..39.
inline constexpr int kNoBox = -1;
inline constexpr int kCancelBox = -2;     // the bottom box
inline constexpr int kAutomaticBox = -3;  // the top box

// The measured size of a caption in the palette's font.
struct CaptionExtent {
    int cx = 0;
    int cy = 0;
};

// What the arrow keys need to know about the palette's boxes.
struct GridShape {
    int colourCount = kColourCount;
    int columns = 8;
    int rows = 5;
    bool automatic = true;  // the "Automatic" box is present
    bool cancel = true;     // the "Cancel" box is present
};

// Where everything of the palette lies: its window on the screen, its boxes and cells in
// client coordinates, and which box a tap lands on.
class ColourGridGeometry {
public:
    // The margin is the 3-D edge width; the cells are 18 pixels unless that leaves too small a
    // swatch inside.
    explicit ColourGridGeometry(int margin);

    // Lays the palette out with its top-left corner at (left, top) on the screen. A caption
    // that is absent has no box. A palette that would leave the screen is moved back onto it,
    // or above the picker (pickerHeight tall) when it would pass the bottom.
    void Size(int left, int top, const std::optional<CaptionExtent>& automatic,
              const std::optional<CaptionExtent>& cancel, const PaletteRect& screen,
              int pickerHeight);

    // Client rectangle of a cell or of one of the two boxes.
    PaletteRect BoxRect(int box) const;

    // The box a tap at client point (x, y) selects, if any.
    std::optional<int> HitTest(int x, int y) const;

    int Margin() const { return m_nMargin; }
    int BoxSize() const { return m_nBoxSize; }
    int Columns() const { return m_nNumColumns; }
    int Rows() const { return m_nNumRows; }
    int ColourCount() const { return m_nNumColours; }
    bool HasAutomatic() const { return m_bAutomatic; }
    bool HasCancel() const { return m_bCancel; }
    const PaletteRect& WindowRect() const { return m_rectWindow; }
    PaletteRect ClientRect() const { return {0, 0, m_rectWindow.Width(), m_rectWindow.Height()}; }
    GridShape Shape() const;

private:
    int m_nNumColours = kColourCount;
    int m_nNumColumns = 0;
    int m_nNumRows = 0;
    int m_nBoxSize = 18;
    int m_nMargin = 0;
    bool m_bAutomatic = false;
    bool m_bCancel = false;
    PaletteRect m_rectCancel;
    PaletteRect m_rectAutomatic;
    PaletteRect m_rectWindow;
};

}  // namespace torvane

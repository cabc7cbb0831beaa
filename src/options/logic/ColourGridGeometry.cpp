// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/logic/ColourGridGeometry.h"

#include <algorithm>

namespace torvane {

ColourGridGeometry::ColourGridGeometry(int margin) : m_nMargin(margin) {
    // A wide edge would eat the swatch inside an 18-pixel cell; keep at least 5 pixels of it.
    if (18 - 2 * (m_nMargin + 1) < 5) {
        m_nBoxSize = 2 * m_nMargin + 7;
    }
}

void ColourGridGeometry::Size(int left, int top, const std::optional<CaptionExtent>& automatic,
                              const std::optional<CaptionExtent>& cancel, const PaletteRect& screen,
                              int pickerHeight) {
    const int m = m_nMargin;
    const int b = m_nBoxSize;
    m_bAutomatic = automatic.has_value();
    m_bCancel = cancel.has_value();

    int tw = 0;
    int th = 0;
    if (m_bAutomatic || m_bCancel) {
        int widest = 0;
        int tallest = 0;
        for (const auto& caption : {automatic, cancel}) {
            if (caption) {
                widest = std::max(widest, caption->cx);
                tallest = std::max(tallest, caption->cy);
            }
        }
        tw = widest + 2 * m;
        th = tallest + 4 * m + 2;
    }

    m_nNumColumns = 8;
    m_nNumRows = m_nNumColours / m_nNumColumns;
    if (m_nNumColours % m_nNumColumns != 0) {
        ++m_nNumRows;
    }

    int width = m_nNumColumns * b + 2 * m;
    int height = m_nNumRows * b + 2 * m;

    if (m_bAutomatic) {
        width = std::max(width, tw);
        m_rectAutomatic = {m, m, width - m, 2 * m + th};
        height += 2 * m + m_rectAutomatic.Height();
    } else {
        m_rectAutomatic = {};
    }
    if (m_bCancel) {
        width = std::max(width, tw);
        m_rectCancel = {m, height, width - m, height + m + th};
        height += 2 * m + m_rectCancel.Height();
    } else {
        m_rectCancel = {};
    }

    PaletteRect rect{left, top, left + width, top + height};
    if (rect.right > screen.right) {
        rect = rect.Offset(screen.right - rect.right, 0);
    }
    if (rect.left < screen.left) {
        rect = rect.Offset(screen.left - rect.left, 0);
    }
    if (rect.bottom > screen.bottom) {
        // No room below the picker: stand above it instead.
        rect = rect.Offset(0, -(height + pickerHeight));
    }
    m_rectWindow = rect;
}

PaletteRect ColourGridGeometry::BoxRect(int box) const {
    if (box == kAutomaticBox) {
        return m_rectAutomatic;
    }
    if (box == kCancelBox) {
        return m_rectCancel;
    }
    if (box < 0 || box >= m_nNumColours || m_nNumColumns == 0) {
        return {};
    }
    const int m = m_nMargin;
    const int b = m_nBoxSize;
    int left = (box % m_nNumColumns) * b + m;
    int top = (box / m_nNumColumns) * b + m;
    if (m_bAutomatic) {
        top += m + m_rectAutomatic.Height();
    }
    return {left, top, left + b, top + b};
}

std::optional<int> ColourGridGeometry::HitTest(int x, int y) const {
    // Taps outside the palette select nothing; only the release decides (it cancels).
    if (!ClientRect().Contains(x, y) || m_nNumColumns == 0) {
        return std::nullopt;
    }
    x -= m_nMargin;
    y -= m_nMargin;
    if (m_bCancel && m_rectCancel.Contains(x, y)) {
        return kCancelBox;
    }
    if (m_bAutomatic && m_rectAutomatic.Contains(x, y)) {
        return kAutomaticBox;
    }
    if (m_bAutomatic) {
        y -= m_rectAutomatic.Height();
    }
    // Division truncates toward zero, so a point a little above or left of the grid still
    // counts as row or column 0.
    int col = x / m_nBoxSize;
    int row = y / m_nBoxSize;
    if (row >= 0 && col >= 0 && row < m_nNumRows && col < m_nNumColumns &&
        row * m_nNumColumns + col < m_nNumColours) {
        return row * m_nNumColumns + col;
    }
    return std::nullopt;
}

GridShape ColourGridGeometry::Shape() const {
    return {m_nNumColours, m_nNumColumns, m_nNumRows, m_bAutomatic, m_bCancel};
}

}  // namespace torvane

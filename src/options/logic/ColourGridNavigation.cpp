// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/logic/ColourGridNavigation.h"

#include "options/logic/PickMessages.h"

namespace torvane {

namespace {

class Navigator {
public:
    Navigator(int current, const GridShape& shape) : m_current(current), m_shape(shape) {
        if (current >= 0) {
            m_row = current / shape.columns;
            m_col = current % shape.columns;
        }
    }

    int Down() const {
        if (OnButton()) {
            return AfterButton();
        }
        if (IsCell(m_row + 1, m_col)) {
            return Cell(m_row + 1, m_col);
        }
        return CancelElseAutomaticElseFirst();
    }

    int Up() const {
        if (OnButton()) {
            return BeforeButton();
        }
        if (m_row > 0) {
            return Cell(m_row - 1, m_col);
        }
        return AutomaticElseCancelElseLast();
    }

    int Right() const {
        if (OnButton()) {
            return AfterButton();
        }
        int row = m_row;
        int col = m_col + 1;
        if (m_col >= m_shape.columns - 1) {
            row = m_row + 1;
            col = 0;
        }
        if (IsCell(row, col)) {
            return Cell(row, col);
        }
        return CancelElseAutomaticElseFirst();
    }

    int Left() const {
        if (OnButton()) {
            return BeforeButton();
        }
        if (m_col > 0) {
            return Cell(m_row, m_col - 1);
        }
        if (m_row > 0) {
            return Cell(m_row - 1, m_shape.columns - 1);
        }
        return AutomaticElseCancelElseLast();
    }

private:
    bool IsCell(int row, int col) const {
        return row >= 0 && col >= 0 && row < m_shape.rows && col < m_shape.columns &&
               Cell(row, col) < m_shape.colourCount;
    }
    int Cell(int row, int col) const { return row * m_shape.columns + col; }
    int Last() const { return m_shape.colourCount - 1; }
    bool OnButton() const { return m_current == kAutomaticBox || m_current == kCancelBox; }
    // Down or Right from a button: Cancel leads to Automatic, Automatic to the first cell.
    int AfterButton() const {
        return m_current == kCancelBox && m_shape.automatic ? kAutomaticBox : 0;
    }
    // Up or Left from a button: Automatic leads to Cancel, Cancel to the last cell.
    int BeforeButton() const {
        return m_current == kAutomaticBox && m_shape.cancel ? kCancelBox : Last();
    }
    int CancelElseAutomaticElseFirst() const {
        if (m_shape.cancel) {
            return kCancelBox;
        }
        return m_shape.automatic ? kAutomaticBox : 0;
    }
    int AutomaticElseCancelElseLast() const {
        if (m_shape.automatic) {
            return kAutomaticBox;
        }
        return m_shape.cancel ? kCancelBox : Last();
    }

    int m_current;
    const GridShape& m_shape;
    int m_row = -1;
    int m_col = -1;
};

}  // namespace

std::optional<int> NavigationTarget(int virtualKey, int current, const GridShape& shape) {
    if (shape.columns <= 0) {
        return std::nullopt;
    }
    Navigator nav(current, shape);
    switch (virtualKey) {
        case VK_DOWN:
            return nav.Down();
        case VK_UP:
            return nav.Up();
        case VK_RIGHT:
            return nav.Right();
        case VK_LEFT:
            return nav.Left();
        default:
            return std::nullopt;
    }
}

}  // namespace torvane

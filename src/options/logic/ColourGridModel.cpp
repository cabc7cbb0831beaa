// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/logic/ColourGridModel.h"

#include "options/logic/ColourGridNavigation.h"
#include "options/logic/PickMessages.h"

namespace torvane {

void ColourGridModel::Open(COLORREF colour, int left, int top,
                           const std::optional<CaptionExtent>& automatic,
                           const std::optional<CaptionExtent>& cancel, const PaletteRect& screen,
                           int pickerHeight) {
    m_crInitialColour = colour;
    m_crColour = colour;
    m_nCurrentSel = kNoBox;
    m_geometry.Size(left, top, automatic, cancel, screen, pickerHeight);

    if (colour == kAutomaticColour && m_geometry.HasAutomatic()) {
        m_nChosenColourSel = kAutomaticBox;
        return;
    }
    m_nChosenColourSel = FindTableColour(colour);
    if (m_nChosenColourSel < 0) {
        // A colour of its own: the Cancel box stands for it, since cancelling keeps it.
        m_nChosenColourSel = m_geometry.HasCancel() ? kCancelBox : kNoBox;
    }
}

GridOutcome ColourGridModel::ChangeSelection(int box) {
    if (box >= m_geometry.ColourCount()) {
        box = kCancelBox;
    }
    GridOutcome outcome;
    outcome.action = GridAction::Change;
    if (m_nCurrentSel >= kAutomaticBox && m_nCurrentSel != kNoBox &&
        m_nCurrentSel < m_geometry.ColourCount()) {
        outcome.lostHighlight = m_nCurrentSel;
    }
    m_nCurrentSel = box;
    outcome.selection = box;

    if (box == kCancelBox) {
        m_crColour = m_crInitialColour;
    } else if (box == kAutomaticBox) {
        m_crColour = kAutomaticColour;
    } else if (box >= 0) {
        m_crColour = ColourTable()[static_cast<std::size_t>(box)].crColour;
    }
    outcome.colour = m_crColour;
    return outcome;
}

GridOutcome ColourGridModel::KeyDown(int virtualKey) {
    switch (virtualKey) {
        case VK_ESCAPE:
            return End(GridAction::Cancel);
        case VK_RETURN:
        case VK_SPACE:
            return End(GridAction::Accept);
        default:
            break;
    }
    // The arrows report a move even when the highlight stays where it was.
    if (auto target = NavigationTarget(virtualKey, m_nCurrentSel, m_geometry.Shape())) {
        return ChangeSelection(*target);
    }
    return {};
}

GridOutcome ColourGridModel::StylusDown(int x, int y) {
    auto target = m_geometry.HitTest(x, y);
    if (target && *target != m_nCurrentSel) {
        return ChangeSelection(*target);
    }
    return {};
}

GridOutcome ColourGridModel::StylusUp(int x, int y) {
    return End(m_geometry.ClientRect().Contains(x, y) ? GridAction::Accept : GridAction::Cancel);
}

GridOutcome ColourGridModel::End(GridAction action) {
    GridOutcome outcome;
    outcome.action = action == GridAction::Cancel ? GridAction::Cancel : GridAction::Accept;
    if (outcome.action == GridAction::Cancel) {
        m_crColour = m_crInitialColour;
    }
    outcome.colour = m_crColour;
    return outcome;
}

BoxLook ColourGridModel::Look(int box) const {
    BoxLook look;
    look.marked = box == m_nChosenColourSel && box != m_nCurrentSel;
    if (box == m_nCurrentSel) {
        look.edge = BoxEdge::RaisedInner;
    } else if (box == m_nChosenColourSel) {
        look.edge = BoxEdge::SunkenOuter;
    }
    return look;
}

}  // namespace torvane

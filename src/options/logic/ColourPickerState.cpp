// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/logic/ColourPickerState.h"

#include "options/logic/PickMessages.h"

namespace torvane {

COLORREF ColourPickerState::BeginOpen() {
    m_bPopupOpen = true;
    m_crColourAtOpening = m_crColour;
    return m_crColour;
}

std::vector<PickNotification> ColourPickerState::Opened() const {
    return {{MSG_PICK_OPEN, m_crColour}};
}

std::vector<PickNotification> ColourPickerState::Accept(COLORREF colour) {
    m_bPopupOpen = false;
    m_crColour = colour;
    return {{MSG_PICK_CLOSE, colour}, {MSG_PICK_ACCEPT, colour}};
}

std::vector<PickNotification> ColourPickerState::Cancel(COLORREF colour) {
    m_bPopupOpen = false;
    m_crColour = colour;
    return {{MSG_PICK_CLOSE, colour}, {MSG_PICK_CANCEL, colour}};
}

std::vector<PickNotification> ColourPickerState::Change(COLORREF colour) const {
    return {{MSG_PICK_CHANGE, colour}};
}

}  // namespace torvane

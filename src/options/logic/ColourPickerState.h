// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include "platform/WinTypes.h"

namespace torvane {

// One notification the picker sends to its owner.
struct PickNotification {
    unsigned message = 0;
    COLORREF colour = 0;
    friend bool operator==(const PickNotification&, const PickNotification&) = default;
};

// The picker's colour and whether its palette is open, and the notifications each step of a
// choice produces, in the order the owner receives them.
class ColourPickerState {
public:
    explicit ColourPickerState(COLORREF colour) : m_crColour(colour) {}

    COLORREF Colour() const { return m_crColour; }
    void SetColour(COLORREF colour) { m_crColour = colour; }
    // While set the picker draws pushed.
    bool PopupOpen() const { return m_bPopupOpen; }
    COLORREF ColourAtOpening() const { return m_crColourAtOpening; }

    // The palette is about to open; returns the colour it starts from.
    COLORREF BeginOpen();
    // After the palette opened: the owner learns the current colour.
    std::vector<PickNotification> Opened() const;
    // The palette accepted c: it becomes the picker's colour.
    std::vector<PickNotification> Accept(COLORREF colour);
    // The palette cancelled with the colour it opened with, which the picker keeps.
    std::vector<PickNotification> Cancel(COLORREF colour);
    // The highlight moved: the owner hears of it, the picker's colour stays.
    std::vector<PickNotification> Change(COLORREF colour) const;

private:
    bool m_bPopupOpen = false;
    COLORREF m_crColour;
    COLORREF m_crColourAtOpening = 0;
};

}  // namespace torvane

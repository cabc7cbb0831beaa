// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include <QPushButton>
#include <QString>

#include "options/logic/ColourPickerState.h"
#include "options/logic/PaletteRect.h"
#include "platform/WinTypes.h"

namespace torvane {

class CColourGridPopup;

// A push button that shows a colour and opens the 40-colour palette below itself. It draws
// itself: a sunken swatch with the button's text centred on it and a drop-down arrow at the
// right. The palette's moves and the outcome reach the owner as notifications carrying the
// colour and the button's control identifier, in this order for one choice:
//   MSG_PICK_OPEN, any number of MSG_PICK_CHANGE, MSG_PICK_CLOSE, then MSG_PICK_ACCEPT or
//   MSG_PICK_CANCEL.
// Each comes through pickNotification() with its message number. The chosen colour is kept; an
// owner may also just read GetColour() when it needs it.
class CColourPicker : public QPushButton {
    Q_OBJECT
public:
    explicit CColourPicker(QWidget* parent = nullptr, int controlId = 0);
    // Creates the button at a rectangle of the parent and fixes its size.
    CColourPicker(const QString& text, const QRect& rect, QWidget* parent, int controlId);
    ~CColourPicker() override;

    COLORREF GetColour() const { return m_state.Colour(); }
    void SetColour(COLORREF colour);

    int GetDlgCtrlID() const { return m_nControlId; }

    // Takes the place of a push button of a page template: its rectangle in the parent's
    // coordinates and its identifier. The button keeps the position, widens to its minimum
    // when narrower, and fixes its own height.
    void AttachAt(const QRect& rect, int controlId);

    bool IsPopupOpen() const { return m_state.PopupOpen(); }
    CColourGridPopup* Popup() const { return m_pPopup; }
    QRect ArrowRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void pickNotification(unsigned message, COLORREF colour, int controlId);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Init();
    void SizeButton();
    void OnClicked();
    void OnPopupAccept(COLORREF colour);
    void OnPopupCancel(COLORREF colour);
    void OnPopupChange(COLORREF colour);
    void Notify(const std::vector<PickNotification>& notifications);

    ColourPickerState m_state;
    COLORREF m_crTextColour;
    PaletteRect m_rectArrow;
    CColourGridPopup* m_pPopup = nullptr;  // owned as a child; shown only during a choice
    int m_nControlId = 0;
};

}  // namespace torvane

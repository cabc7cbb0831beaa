// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/CColourPicker.h"

#include <QPainter>
#include <QResizeEvent>

#include "options/CColourGridPopup.h"
#include "options/EdgePainting.h"
#include "options/SystemColours.h"
#include "options/logic/ColourPickerGeometry.h"

namespace torvane {

CColourPicker::CColourPicker(QWidget* parent, int controlId)
    : QPushButton(parent),
      m_state(ToColorRef(palette().color(QPalette::Button))),
      m_crTextColour(ToColorRef(palette().color(QPalette::ButtonText))),
      m_nControlId(controlId) {
    Init();
    SizeButton();
}

CColourPicker::CColourPicker(const QString& text, const QRect& rect, QWidget* parent, int controlId)
    : CColourPicker(parent, controlId) {
    setText(text);
    setGeometry(rect);
    SizeButton();
}

CColourPicker::~CColourPicker() {
    // The palette goes with the button; make sure it says nothing on the way out.
    m_pPopup->DestroyWindow();
}

void CColourPicker::Init() {
    // Enter belongs to the dialog's default button, not to a colour field.
    setAutoDefault(false);
    setDefault(false);
    m_pPopup = new CColourGridPopup(this);
    connect(this, &QAbstractButton::clicked, this, &CColourPicker::OnClicked);
    connect(m_pPopup, &CColourGridPopup::pickAccept, this, &CColourPicker::OnPopupAccept);
    connect(m_pPopup, &CColourGridPopup::pickCancel, this, &CColourPicker::OnPopupCancel);
    connect(m_pPopup, &CColourGridPopup::pickChange, this, &CColourPicker::OnPopupChange);
}

void CColourPicker::SetColour(COLORREF colour) {
    m_state.SetColour(colour);
    update();
}

void CColourPicker::AttachAt(const QRect& rect, int controlId) {
    m_nControlId = controlId;
    setGeometry(rect);
    SizeButton();
}

void CColourPicker::SizeButton() {
    const PickerSize size = PickerButtonSize(width(), kSystemEdge);
    setGeometry(x(), y(), size.width, size.height);
    m_rectArrow = PickerArrowRect({0, 0, width(), height()}, kSystemEdge);
    update();
}

void CColourPicker::resizeEvent(QResizeEvent* event) {
    QPushButton::resizeEvent(event);
    m_rectArrow = PickerArrowRect({0, 0, width(), height()}, kSystemEdge);
}

QRect CColourPicker::ArrowRect() const {
    return ToQRect(m_rectArrow);
}

QSize CColourPicker::sizeHint() const {
    const PickerSize least = PickerButtonSize(0, kSystemEdge);
    const int textWidth = fontMetrics().horizontalAdvance(text());
    const int arrow = PickerArrowSize(kSystemEdge);
    // Room for the text on the swatch beside the arrow, with the edges around both.
    const int wanted = textWidth + arrow + 6 * kSystemEdge.cx + 8;
    return {std::max(least.width, wanted), least.height};
}

QSize CColourPicker::minimumSizeHint() const {
    const PickerSize least = PickerButtonSize(0, kSystemEdge);
    return {least.width, least.height};
}

void CColourPicker::OnClicked() {
    if (m_pPopup->HasWindow()) {
        // A second click ends the choice as a cancellation.
        m_pPopup->DestroyWindow();
        Notify(m_state.Cancel(m_state.ColourAtOpening()));
        update();
        return;
    }
    const COLORREF colour = m_state.BeginOpen();
    update();
    m_pPopup->Open(mapToGlobal(QPoint(0, height())), colour, QStringLiteral("Automatic"),
                   QStringLiteral("Cancel"));
    Notify(m_state.Opened());
}

void CColourPicker::OnPopupAccept(COLORREF colour) {
    const auto notifications = m_state.Accept(colour);
    update();
    Notify(notifications);
}

void CColourPicker::OnPopupCancel(COLORREF colour) {
    const auto notifications = m_state.Cancel(colour);
    update();
    Notify(notifications);
}

void CColourPicker::OnPopupChange(COLORREF colour) {
    Notify(m_state.Change(colour));
}

void CColourPicker::Notify(const std::vector<PickNotification>& notifications) {
    for (const PickNotification& n : notifications) {
        emit pickNotification(n.message, n.colour, m_nControlId);
    }
}

void CColourPicker::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const bool enabled = isEnabled();
    const SystemColours colours = SystemColours::FromPalette(palette());
    painter.fillRect(rect(), colours.buttonFace);

    const bool selected = isDown() || m_state.PopupOpen();
    DrawDropDownButton(painter, ToQRect(m_rectArrow), selected, !enabled, colours);

    const PaletteRect client{0, 0, width(), height()};
    DrawEdge(painter, rect(), kEdgeSunken, colours);
    const QRect item = ToQRect(PickerSwatchRect(client, m_rectArrow, kSystemEdge));

    const COLORREF swatch =
        PickerSwatchColour(m_state.Colour(), enabled, ToColorRef(colours.buttonFace));
    painter.fillRect(item, ToQColor(swatch));

    if (!text().isEmpty()) {
        // Centred on the swatch, but allowed the whole space inside the sunken edge, so that a
        // desktop font taller than the swatch is not cut off.
        const int flags =
            Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic | Qt::TextDontClip;
        painter.save();
        const PaletteRect insideEdge = client.Deflated(kSystemEdge.cx, kSystemEdge.cy);
        painter.setClipRect(
            ToQRect({insideEdge.left, insideEdge.top, m_rectArrow.left, insideEdge.bottom}));
        painter.setFont(font());
        if (!enabled) {
            painter.setPen(colours.highlight3d);
            painter.drawText(item.translated(1, 1), flags, text());
            painter.setPen(colours.shadow3d);
            painter.drawText(item, flags, text());
        } else {
            painter.setPen(ToQColor(m_crTextColour));
            painter.drawText(item, flags, text());
        }
        painter.restore();
    }

    if (hasFocus()) {
        DrawFocusRect(painter, item.adjusted(1, 1, -1, -1));
    }
}

}  // namespace torvane

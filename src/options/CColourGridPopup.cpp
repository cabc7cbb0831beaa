// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/CColourGridPopup.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QHideEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "options/EdgePainting.h"
#include "options/SystemColours.h"
#include "options/logic/PickMessages.h"

namespace torvane {

namespace {

int VirtualKeyOf(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Down:
            return VK_DOWN;
        case Qt::Key_Up:
            return VK_UP;
        case Qt::Key_Right:
            return VK_RIGHT;
        case Qt::Key_Left:
            return VK_LEFT;
        case Qt::Key_Escape:
            return VK_ESCAPE;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return VK_RETURN;
        case Qt::Key_Space:
            return VK_SPACE;
        default:
            return 0;
    }
}

QFont CaptionFont() {
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace

CColourGridPopup::CColourGridPopup(QWidget* owner)
    : QWidget(owner, Qt::Popup), m_model(kSystemEdge.cx), m_font(CaptionFont()) {
    setAttribute(Qt::WA_X11NetWmWindowTypeDropDownMenu);
    setFocusPolicy(Qt::StrongFocus);
}

CColourGridPopup::~CColourGridPopup() {
    // Going away with the owner: nobody is left to tell.
    m_bOpen = false;
}

bool CColourGridPopup::Open(const QPoint& topLeft, COLORREF colour,
                            const std::optional<QString>& automaticCaption,
                            const std::optional<QString>& cancelCaption) {
    QScreen* screen = QGuiApplication::screenAt(topLeft);
    if (screen == nullptr) {
        screen =
            parentWidget() != nullptr ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return false;
    }
    if (automaticCaption) {
        m_strAutomaticCaption = *automaticCaption;
    }
    if (cancelCaption) {
        m_strCancelCaption = *cancelCaption;
    }

    const QFontMetrics metrics(m_font);
    auto extent = [&](const QString& caption) -> std::optional<CaptionExtent> {
        if (caption.isEmpty()) {
            return std::nullopt;
        }
        return CaptionExtent{metrics.horizontalAdvance(caption), metrics.height()};
    };
    const QRect area = screen->availableGeometry();
    const PaletteRect screenRect{area.left(), area.top(), area.left() + area.width(),
                                 area.top() + area.height()};
    const int pickerHeight = parentWidget() != nullptr ? parentWidget()->height() : 0;

    m_model.Open(colour, topLeft.x(), topLeft.y(), extent(m_strAutomaticCaption),
                 extent(m_strCancelCaption), screenRect, pickerHeight);
    setGeometry(ToQRect(m_model.Geometry().WindowRect()));
    m_bOpen = true;
    show();
    setFocus(Qt::PopupFocusReason);
    return true;
}

void CColourGridPopup::DestroyWindow() {
    m_bOpen = false;
    hide();
}

QRect CColourGridPopup::BoxRect(int box) const {
    return ToQRect(m_model.Geometry().BoxRect(box));
}

void CColourGridPopup::Carry(const GridOutcome& outcome) {
    switch (outcome.action) {
        case GridAction::None:
            return;
        case GridAction::Change:
            // Only the box that lost the highlight and the one that gained it change.
            if (outcome.lostHighlight != kNoBox) {
                update(BoxRect(outcome.lostHighlight));
            }
            update(BoxRect(outcome.selection));
            emit pickChange(outcome.colour);
            return;
        case GridAction::Accept:
        case GridAction::Cancel:
            m_bOpen = false;
            if (outcome.action == GridAction::Accept) {
                emit pickAccept(outcome.colour);
            } else {
                emit pickCancel(outcome.colour);
            }
            hide();
            return;
    }
}

void CColourGridPopup::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_bOpen) {
        const QPoint pos = event->position().toPoint();
        Carry(m_model.StylusDown(pos.x(), pos.y()));
    }
    // A press outside must not close the palette the way drop-downs usually do: the release
    // decides, and outside it cancels.
    event->accept();
}

void CColourGridPopup::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton || !m_bOpen) {
        return;
    }
    const QPoint pos = event->position().toPoint();
    Carry(m_model.StylusUp(pos.x(), pos.y()));
}

void CColourGridPopup::keyPressEvent(QKeyEvent* event) {
    const int key = VirtualKeyOf(event->key());
    if (key == 0 || !m_bOpen) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    Carry(m_model.KeyDown(key));
}

void CColourGridPopup::hideEvent(QHideEvent* event) {
    // Closed from outside (the desktop took the drop-down away): the choice is cancelled, so the
    // picker is never left waiting.
    if (m_bOpen && !event->spontaneous()) {
        Carry(m_model.End(GridAction::Cancel));
    }
    QWidget::hideEvent(event);
}

void CColourGridPopup::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const SystemColours colours = SystemColours::FromPalette(palette());
    painter.fillRect(rect(), colours.buttonFace);
    painter.setFont(m_font);

    const ColourGridGeometry& geometry = m_model.Geometry();
    if (geometry.HasAutomatic()) {
        DrawAutomaticBox(painter, colours);
    }
    for (int cell = 0; cell < geometry.ColourCount(); ++cell) {
        DrawCell(painter, cell, colours);
    }
    if (geometry.HasCancel()) {
        DrawCancelBox(painter, colours);
    }
    DrawEdge(painter, rect(), kEdgeRaised, colours);
}

void CColourGridPopup::DrawCell(QPainter& painter, int cell, const SystemColours& colours) const {
    const QRect rect = BoxRect(cell);
    const BoxLook look = m_model.Look(cell);
    painter.fillRect(rect, look.marked ? colours.highlight3d : colours.buttonFace);
    if (look.edge == BoxEdge::RaisedInner) {
        DrawEdge(painter, rect, kRaisedInner, colours);
    } else if (look.edge == BoxEdge::SunkenOuter) {
        DrawEdge(painter, rect, kSunkenOuter, colours);
    }
    const int inset = m_model.Geometry().Margin() + 1;
    const COLORREF colour = ColourTable()[static_cast<std::size_t>(cell)].crColour;
    DrawOutlinedRect(painter, rect.adjusted(inset, inset, -inset, -inset), colours.shadow3d,
                     ToQColor(colour));
}

void CColourGridPopup::DrawAutomaticBox(QPainter& painter, const SystemColours& colours) const {
    DrawCaptionBox(painter, kAutomaticBox, BoxRect(kAutomaticBox), m_strAutomaticCaption, colours);
}

void CColourGridPopup::DrawCancelBox(QPainter& painter, const SystemColours& colours) const {
    const int m = m_model.Geometry().Margin();
    const QRect box = BoxRect(kCancelBox);
    // A groove separates the box from the grid above it.
    const QRect line(box.left() + 2 * m, box.top(), box.width() - 4 * m, 1);
    painter.fillRect(line, colours.shadow3d);
    painter.fillRect(line.translated(0, 1), colours.highlight3d);
    DrawCaptionBox(painter, kCancelBox, box.adjusted(0, 2 * m, 0, 0), m_strCancelCaption, colours);
}

void CColourGridPopup::DrawCaptionBox(QPainter& painter, int box, QRect rect,
                                      const QString& caption, const SystemColours& colours) const {
    const int m = m_model.Geometry().Margin();
    const BoxLook look = m_model.Look(box);
    painter.fillRect(rect, colours.buttonFace);
    rect.adjust(1, 1, -1, -1);
    painter.fillRect(rect, look.marked ? colours.light3d : colours.buttonFace);
    if (box == kAutomaticBox) {
        // Only the Automatic box frames its caption like an empty swatch.
        DrawOutline(painter, rect.adjusted(2 * m, 2 * m, -2 * m, -2 * m), colours.shadow3d);
    }
    if (look.edge == BoxEdge::RaisedInner) {
        DrawEdge(painter, rect, kRaisedInner, colours);
    } else if (look.edge == BoxEdge::SunkenOuter) {
        DrawEdge(painter, rect, kSunkenOuter, colours);
    }
    painter.setPen(colours.buttonText);
    painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, caption);
}

}  // namespace torvane

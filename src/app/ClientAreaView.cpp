// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ClientAreaView.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

#include "qt/DialogUnits.h"
#include "session/CDlgMain.h"

namespace torvane {

ClientAreaView::ClientAreaView(QWidget* parent) : QWidget(parent) {
    setFixedSize(kClientWidth, kClientHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool ClientAreaView::FollowScreen() {
    // A whole number of picture pixels per window pixel, at least as fine as the screen's: on a
    // screen at 150 % the picture is drawn at 200 % and shown a little smaller.
    const int scale = std::clamp(static_cast<int>(std::ceil(devicePixelRatioF() - 0.01)), 1, 4);
    if (scale == m_picture.Scale()) {
        return false;
    }
    m_picture.SetScale(scale);
    return true;
}

void ClientAreaView::DrawOverNow() {
    if (m_dlg == nullptr) {
        return;
    }
    const bool newPicture = FollowScreen();
    m_dlg->RedrawGraphNow(m_picture);
    // Only what changed goes to the screen (once a minute, the status text), so the button
    // and the banner are not drawn again; a picture the same as the last one shows as it is.
    // A picture shown smaller than it is drawn smooths each pixel with its neighbours.
    const QRect changed = newPicture ? rect() : m_picture.LastChange();
    if (changed.isEmpty()) {
        return;
    }
    m_bCopyOnly = true;
    repaint(changed.adjusted(-1, -1, 1, 1));
    m_bCopyOnly = false;
}

void ClientAreaView::paintEvent(QPaintEvent*) {
    if (m_dlg != nullptr && !m_bCopyOnly) {
        FollowScreen();
        m_dlg->OnPaint(m_picture);
    }
    QPainter painter(this);
    if (m_picture.Scale() != devicePixelRatioF()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    }
    painter.drawImage(QRect(0, 0, kClientWidth, kClientHeight), m_picture.Image());
}

}  // namespace torvane

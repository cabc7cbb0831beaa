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

void ClientAreaView::FollowScreen() {
    // A whole number of picture pixels per window pixel, at least as fine as the screen's: on a
    // screen at 150 % the picture is drawn at 200 % and shown a little smaller.
    const int scale = std::clamp(static_cast<int>(std::ceil(devicePixelRatioF() - 0.01)), 1, 4);
    if (scale != m_picture.Scale()) {
        m_picture.SetScale(scale);
    }
}

void ClientAreaView::DrawOverNow() {
    if (m_dlg == nullptr) {
        return;
    }
    FollowScreen();
    m_dlg->RedrawGraphNow(m_picture);
    m_bCopyOnly = true;
    repaint();
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

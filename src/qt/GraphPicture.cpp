// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/GraphPicture.h"

#include <algorithm>

#include "graph/DrawGraph.h"
#include "graph/GraphGeometry.h"
#include "qt/QtGraphCanvas.h"

namespace torvane {

GraphPicture::GraphPicture(int scale) {
    SetScale(scale);
}

void GraphPicture::SetScale(int scale) {
    m_scale = std::clamp(scale, 1, 4);
    m_image = QImage(kWindowWidth * m_scale, kWindowHeight * m_scale, QImage::Format_RGB32);
    m_image.setDevicePixelRatio(m_scale);
    m_image.fill(kBackground);
}

void GraphPicture::PaintErased(const GraphInput& input) {
    m_image.fill(kBackground);
    QtGraphCanvas canvas(m_image, m_font, &m_bitmap);
    DrawGraph(canvas, input);
    m_changed = m_image.rect();
}

void GraphPicture::DrawOver(const GraphInput& input) {
    QtGraphCanvas canvas(m_image, m_font, &m_bitmap);
    const GraphRect status = StatusTextRect(input);
    canvas.EraseAtBegin(
        QRect(QPoint(status.left, status.top), QPoint(status.right - 1, status.bottom - 1))
            .intersected(QRect(0, 0, kWindowWidth, kWindowHeight)));
    DrawGraph(canvas, input);
    m_changed = canvas.Changed();
}

QRect GraphPicture::LastChange() const {
    if (m_changed.isEmpty()) {
        return {};
    }
    // Every window pixel that holds a changed one.
    const int n = m_scale;
    return QRect(QPoint(m_changed.left() / n, m_changed.top() / n),
                 QPoint(m_changed.right() / n, m_changed.bottom() / n));
}

}  // namespace torvane

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
    QtGraphCanvas canvas(m_image, m_font);
    DrawGraph(canvas, input);
}

void GraphPicture::DrawOver(const GraphInput& input) {
    const GraphRect status = StatusTextRect(input);
    const QRect clear =
        QRect(QPoint(status.left, status.top), QPoint(status.right - 1, status.bottom - 1))
            .intersected(m_image.rect());
    for (int y = clear.top(); y <= clear.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(m_image.scanLine(y));
        std::fill(row + clear.left(), row + clear.right() + 1, kBackground);
    }
    QtGraphCanvas canvas(m_image, m_font);
    DrawGraph(canvas, input);
}

}  // namespace torvane

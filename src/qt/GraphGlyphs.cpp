// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/GraphGlyphs.h"

#include <QBitmap>
#include <QGlyphRun>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace torvane {

GraphGlyphs::GraphGlyphs(const QRawFont& raw)
    : m_raw(raw),
      m_ascent(qRound(m_raw.ascent())),
      m_lineHeight(qRound(m_raw.ascent()) + qRound(m_raw.descent())) {}

GraphGlyphs::Run GraphGlyphs::Lay(const QString& text) const {
    Run run;
    run.glyphs = m_raw.glyphIndexesForString(text);
    const QList<QPointF> advances = m_raw.advancesForGlyphIndexes(run.glyphs);
    run.x.reserve(static_cast<std::size_t>(advances.size()));
    // Each glyph at the whole pixel nearest to where the font's own advances put it, so the
    // rounding never adds up along the line.
    qreal pen = 0;
    for (const QPointF& advance : advances) {
        run.x.push_back(qRound(pen));
        pen += advance.x();
    }
    run.width = qRound(pen);
    return run;
}

int GraphGlyphs::Width(const QString& text) const {
    qreal width = 0;
    for (const QPointF& advance :
         m_raw.advancesForGlyphIndexes(m_raw.glyphIndexesForString(text))) {
        width += advance.x();
    }
    return qRound(width);
}

const GraphGlyphs::Mask& GraphGlyphs::MaskOf(quint32 glyph) {
    const auto found = m_masks.find(glyph);
    if (found != m_masks.end()) {
        return found->second;
    }
    // Drawn once on a one-bit surface, which gives the font's own unsmoothed rendering.
    const int size = std::max(1, qCeil(m_raw.pixelSize()));
    const QPoint origin(size, 2 * size);
    QBitmap bitmap(4 * size, 3 * size);
    bitmap.clear();
    {
        QGlyphRun run;
        run.setRawFont(m_raw);
        run.setGlyphIndexes({glyph});
        run.setPositions({QPointF(0, 0)});
        QPainter painter(&bitmap);
        painter.setPen(Qt::color1);
        painter.drawGlyphRun(origin, run);
    }
    // Pixel index 1 is ink.
    const QImage image = bitmap.toImage().convertToFormat(QImage::Format_MonoLSB);
    auto ink = [&image](int x, int y) { return (image.constScanLine(y)[x >> 3] >> (x & 7)) & 1; };
    Mask mask;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width();) {
            if (!ink(x, y)) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < image.width() && ink(x, y)) {
                ++x;
            }
            mask.push_back({y - origin.y(), start - origin.x(), x - origin.x()});
        }
    }
    return m_masks.emplace(glyph, std::move(mask)).first->second;
}

void GraphGlyphs::Paint(const PixelSurface& surface, quint32 glyph, int x, int baseline,
                        const QRect& clip, std::uint32_t colour) {
    const QRect area = clip.intersected(QRect(0, 0, surface.width, surface.height));
    for (const Span& span : MaskOf(glyph)) {
        const int y = baseline + span.dy;
        if (y < area.top() || y > area.bottom()) {
            continue;
        }
        const int from = std::max(x + span.x0, area.left());
        const int to = std::min(x + span.x1, area.right() + 1);
        std::uint32_t* row = surface.pixels + static_cast<std::ptrdiff_t>(y) * surface.stride;
        for (int col = from; col < to; ++col) {
            row[col] = colour;
        }
    }
}

}  // namespace torvane

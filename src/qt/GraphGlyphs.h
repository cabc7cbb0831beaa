// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QRawFont>
#include <QRect>
#include <QString>

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "graph/PixelLine.h"

namespace torvane {

// The graph's font at one pixel size: how text is laid out, and each glyph as drawn without
// smoothing. Glyphs stand on whole pixels, each at the font's own advances from the start of
// the line rounded to the nearest pixel: an unsmoothed font needs nothing more, and it spares
// a full text layout per label. Needs a QGuiApplication.
class GraphGlyphs {
public:
    // One line of text: glyphs and their pen positions from x = 0, and the line's width.
    struct Run {
        QList<quint32> glyphs;
        std::vector<int> x;
        int width = 0;
    };

    // `raw` is the font at its pixel size.
    explicit GraphGlyphs(const QRawFont& raw);

    Run Lay(const QString& text) const;
    int Width(const QString& text) const;
    QString Family() const { return m_raw.familyName(); }
    int Ascent() const { return m_ascent; }
    int LineHeight() const { return m_lineHeight; }

    // Paints a glyph in `colour` with its pen position at (x, baseline), only inside `clip`.
    void Paint(const PixelSurface& surface, quint32 glyph, int x, int baseline, const QRect& clip,
               std::uint32_t colour);

private:
    // A glyph's pixels as runs along rows, relative to its pen position on the baseline.
    struct Span {
        int dy;
        int x0;
        int x1;  // exclusive
    };
    using Mask = std::vector<Span>;

    const Mask& MaskOf(quint32 glyph);

    QRawFont m_raw;
    int m_ascent = 0;
    int m_lineHeight = 0;
    std::unordered_map<quint32, Mask> m_masks;
};

}  // namespace torvane

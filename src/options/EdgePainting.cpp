// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/EdgePainting.h"

#include <algorithm>
#include <utility>

#include <QPainter>
#include <QPen>

namespace torvane {

namespace {

// One ring of an edge: the top and left sides in one colour, the bottom and right sides, which
// own the corners they share, in the other.
void DrawRing(QPainter& painter, const QRect& rect, const QColor& topLeft,
              const QColor& bottomRight) {
    if (rect.width() <= 0 || rect.height() <= 0) {
        return;
    }
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width() - 1, 1), topLeft);
    painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height() - 1), topLeft);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), bottomRight);
    painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), bottomRight);
}

void DrawArrowGlyph(QPainter& painter, const QRect& rect, const QColor& colour) {
    const int size = std::min(rect.width(), rect.height());
    const int rows = std::max(2, (size - 4) / 3);
    const int widest = 2 * rows - 1;
    const int x0 = rect.left() + (rect.width() - widest) / 2;
    const int y0 = rect.top() + (rect.height() - rows) / 2;
    for (int i = 0; i < rows; ++i) {
        painter.fillRect(QRect(x0 + i, y0 + i, widest - 2 * i, 1), colour);
    }
}

}  // namespace

QRect DrawEdge(QPainter& painter, const QRect& rect, unsigned edge, const SystemColours& colours) {
    QRect inner = rect;
    // The outer ring, then the inner one inside it: each raised, sunken or left out. A pair of
    // colours is the top and left sides', then the bottom and right sides'.
    using Sides = std::pair<QColor, QColor>;
    const auto ring = [&](unsigned raised, unsigned sunken, const Sides& up, const Sides& down) {
        if (edge & raised) {
            DrawRing(painter, inner, up.first, up.second);
        } else if (edge & sunken) {
            DrawRing(painter, inner, down.first, down.second);
        } else {
            return;
        }
        inner.adjust(1, 1, -1, -1);
    };
    ring(kRaisedOuter, kSunkenOuter, {colours.light3d, colours.darkShadow3d},
         {colours.shadow3d, colours.highlight3d});
    ring(kRaisedInner, kSunkenInner, {colours.highlight3d, colours.shadow3d},
         {colours.darkShadow3d, colours.light3d});
    return inner;
}

void DrawDropDownButton(QPainter& painter, const QRect& rect, bool pushed, bool inactive,
                        const SystemColours& colours) {
    painter.fillRect(rect, colours.buttonFace);
    QRect glyph = rect;
    if (pushed) {
        DrawRing(painter, rect, colours.shadow3d, colours.shadow3d);
        glyph.translate(1, 1);
    } else {
        DrawEdge(painter, rect, kEdgeRaised, colours);
    }
    if (inactive) {
        DrawArrowGlyph(painter, glyph.translated(1, 1), colours.highlight3d);
        DrawArrowGlyph(painter, glyph, colours.shadow3d);
    } else {
        DrawArrowGlyph(painter, glyph, colours.buttonText);
    }
}

void DrawFocusRect(QPainter& painter, const QRect& rect) {
    if (rect.width() <= 0 || rect.height() <= 0) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    // Every other pixel, walking round the rectangle.
    const QColor white(Qt::white);
    bool on = true;
    auto dot = [&](int x, int y) {
        if (on) {
            painter.fillRect(QRect(x, y, 1, 1), white);
        }
        on = !on;
    };
    for (int x = rect.left(); x < rect.right(); ++x) {
        dot(x, rect.top());
    }
    for (int y = rect.top(); y < rect.bottom(); ++y) {
        dot(rect.right(), y);
    }
    for (int x = rect.right(); x > rect.left(); --x) {
        dot(x, rect.bottom());
    }
    for (int y = rect.bottom(); y > rect.top(); --y) {
        dot(rect.left(), y);
    }
    painter.restore();
}

void DrawOutline(QPainter& painter, const QRect& rect, const QColor& colour) {
    DrawRing(painter, rect, colour, colour);
}

void DrawOutlinedRect(QPainter& painter, const QRect& rect, const QColor& outline,
                      const QColor& fill) {
    if (rect.width() <= 0 || rect.height() <= 0) {
        return;
    }
    painter.fillRect(rect, fill);
    DrawRing(painter, rect, outline, outline);
}

}  // namespace torvane

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

#include "options/SystemColours.h"
#include "options/logic/PaletteRect.h"

class QPainter;

namespace torvane {

// The parts of a 3-D edge; an outer part lies on the rectangle's border, an inner part one
// pixel inside it.
enum EdgeFlags : unsigned {
    kRaisedOuter = 0x1,
    kSunkenOuter = 0x2,
    kRaisedInner = 0x4,
    kSunkenInner = 0x8,
    kEdgeRaised = kRaisedOuter | kRaisedInner,
    kEdgeSunken = kSunkenOuter | kSunkenInner,
};

inline QRect ToQRect(const PaletteRect& rect) {
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}

// Draws a 3-D edge around the rectangle and returns what is left inside it.
QRect DrawEdge(QPainter& painter, const QRect& rect, unsigned edge, const SystemColours& colours);

// A scroll-bar style button with a downward arrow: raised, or flat when pushed; an inactive
// arrow is embossed.
void DrawDropDownButton(QPainter& painter, const QRect& rect, bool pushed, bool inactive,
                        const SystemColours& colours);

// A dotted rectangle that inverts what lies beneath, so it shows on any colour.
void DrawFocusRect(QPainter& painter, const QRect& rect);

// A hollow one-pixel outline just inside the rectangle.
void DrawOutline(QPainter& painter, const QRect& rect, const QColor& colour);

// A one-pixel outline in the pen colour around a solid fill, both inside the rectangle.
void DrawOutlinedRect(QPainter& painter, const QRect& rect, const QColor& outline,
                      const QColor& fill);

}  // namespace torvane

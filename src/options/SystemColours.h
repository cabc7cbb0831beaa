// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPalette>

#include "options/logic/ColourPickerGeometry.h"
#include "platform/WinTypes.h"

namespace torvane {

// The 3-D edge size our drawn edges use.
inline constexpr EdgeMetrics kSystemEdge{2, 2};

QColor ToQColor(COLORREF colour);
COLORREF ToColorRef(const QColor& colour);

// The desktop's user-interface colours under the names the 3-D look is drawn with.
struct SystemColours {
    QColor buttonFace;
    QColor highlight3d;   // the lit side of an edge, brightest
    QColor light3d;       // between the face and the highlight
    QColor shadow3d;      // the shaded side of an edge
    QColor darkShadow3d;  // the outermost shaded side
    QColor buttonText;

    static SystemColours FromPalette(const QPalette& palette,
                                     QPalette::ColorGroup group = QPalette::Active);
};

}  // namespace torvane

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/SystemColours.h"

namespace torvane {

QColor ToQColor(COLORREF colour) {
    return QColor(static_cast<int>(colour & 0xFFu), static_cast<int>((colour >> 8) & 0xFFu),
                  static_cast<int>((colour >> 16) & 0xFFu));
}

COLORREF ToColorRef(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return static_cast<COLORREF>(rgb.red()) | (static_cast<COLORREF>(rgb.green()) << 8) |
           (static_cast<COLORREF>(rgb.blue()) << 16);
}

SystemColours SystemColours::FromPalette(const QPalette& palette, QPalette::ColorGroup group) {
    SystemColours colours;
    colours.buttonFace = palette.color(group, QPalette::Button);
    colours.highlight3d = palette.color(group, QPalette::Light);
    // Between the face and the highlight, as the lit inner side of an edge should be; some
    // styles make their mid-light darker than the face, which would look pressed.
    const QColor face = colours.buttonFace.toRgb();
    const QColor lit = colours.highlight3d.toRgb();
    colours.light3d = QColor((face.red() + lit.red()) / 2, (face.green() + lit.green()) / 2,
                             (face.blue() + lit.blue()) / 2);
    colours.shadow3d = palette.color(group, QPalette::Dark);
    colours.darkShadow3d = palette.color(group, QPalette::Shadow);
    colours.buttonText = palette.color(group, QPalette::ButtonText);
    return colours;
}

}  // namespace torvane

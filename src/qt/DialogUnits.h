// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

namespace torvane {

// Dialogs place their controls in dialog units, as their templates give them. Every control
// uses this one conversion: 7/4 pixel per unit on both axes (the base units of a 7 x 14 pixel
// dialog font). A dialog itself stays 240 x 320 pixels, the window's size, whatever its
// template's size.
constexpr int DialogUnitsToPixels(int units) {
    return units * 7 / 4;
}

constexpr QRect DialogRect(int x, int y, int width, int height) {
    return QRect(DialogUnitsToPixels(x), DialogUnitsToPixels(y), DialogUnitsToPixels(width),
                 DialogUnitsToPixels(height));
}

constexpr int kClientWidth = 240;
constexpr int kClientHeight = 320;

}  // namespace torvane

#pragma once

#include <QRect>

namespace torvane {

// The main window's controls are placed in dialog units, as its template gives them. Every
// control uses this one conversion: 7/4 pixel per unit on both axes (the base units of a 7 x 14
// pixel dialog font). It puts the Go/Stop button, at (113, 138) and 23 x 13 units, at pixels
// (197, 241), 40 x 22: right of the status text, which ends at x = 195, and inside the
// 240-pixel width, level with the text's first line. The window itself stays 240 x 320 pixels,
// as the handheld shows every dialog full screen whatever its template's size.
constexpr int DialogUnitsToPixels(int units) {
    return units * 7 / 4;
}

constexpr QRect DialogRect(int x, int y, int width, int height) {
    return QRect(DialogUnitsToPixels(x), DialogUnitsToPixels(y), DialogUnitsToPixels(width),
                 DialogUnitsToPixels(height));
}

// Control positions of the main window's template.
constexpr QRect kBannerRect = DialogRect(1, 1, 167, 20);
constexpr QRect kGoButtonRect = DialogRect(113, 138, 23, 13);

constexpr int kClientWidth = 240;
constexpr int kClientHeight = 320;

}  // namespace torvane

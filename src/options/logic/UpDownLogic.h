// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

#include "options/logic/PageTemplates.h"

namespace torvane {

// The number an up-down control puts into its field after one step (`delta` +1 up, -1 down),
// from the number the field holds now (nothing when it holds no number). The range wraps
// around: up from the highest gives the lowest and down from the lowest gives the highest. From
// a number outside the range, or no number, up gives the lowest and down the highest.
int UpDownStep(std::optional<int> current, int lowest, int highest, int delta);

// The field's text for a number, with "," between thousands when asked.
std::string FormatUpDownValue(int value, bool thousands);

// An up-down control sits at its field's right edge: the field gives up the up-down's width
// on its right, and the up-down takes that place at the field's height.
void AlignUpDownToBuddy(TemplateRect& buddy, TemplateRect& upDown);

}  // namespace torvane

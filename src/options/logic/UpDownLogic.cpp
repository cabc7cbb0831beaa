// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/logic/UpDownLogic.h"

#include <algorithm>
#include <cstdlib>

namespace torvane {

int UpDownStep(std::optional<int> current, int lowest, int highest, int delta) {
    // From outside the range, or from no number at all, the first step lands on an end.
    if (!current || *current < lowest || *current > highest) {
        return delta > 0 ? lowest : highest;
    }
    const long long next = static_cast<long long>(*current) + delta;
    if (next > highest) {
        return lowest;
    }
    if (next < lowest) {
        return highest;
    }
    return static_cast<int>(next);
}

std::string FormatUpDownValue(int value, bool thousands) {
    std::string digits = std::to_string(std::llabs(static_cast<long long>(value)));
    if (thousands) {
        for (auto pos = static_cast<long long>(digits.size()) - 3; pos > 0; pos -= 3) {
            digits.insert(static_cast<std::size_t>(pos), 1, ',');
        }
    }
    return value < 0 ? "-" + digits : digits;
}

void AlignUpDownToBuddy(TemplateRect& buddy, TemplateRect& upDown) {
    const int width = std::min(upDown.width, buddy.width);
    buddy.width -= width;
    upDown = {buddy.x + buddy.width, buddy.y, width, buddy.height};
}

}  // namespace torvane

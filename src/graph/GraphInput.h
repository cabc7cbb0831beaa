// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "logdata/BatteryEstimate.h"
#include "logdata/BatteryLog.h"
#include "platform/WinTypes.h"

namespace torvane {

// Everything the picture depends on, read from the main window's state at the start of a
// draw. The picture is a function of this and nothing else.
struct GraphInput {
    // The plot rectangle; fixed when the main window starts.
    std::int32_t left = 30;
    std::int32_t top = 37;
    std::int32_t right = 235;
    std::int32_t bottom = 228;

    std::int32_t scaleHours = 7;  // hours across the plot width
    bool showHGrid = true;
    bool showVGrid = true;
    bool showDetailedGrid = true;
    bool showEstimations = true;
    std::array<bool, 3> showRef{true, true, true};

    COLORREF gridColour = 0x7F0000;        // solid grid lines
    COLORREF gridDetailColour = 0x7F0000;  // dashed detailed grid lines
    COLORREF gridScaleColour = 0x7F0000;   // percent and time labels
    std::array<COLORREF, 3> refColour{0x7F007F, 0x7F7F00, 0x007F7F};
    COLORREF sessionColour = 0x0000FF;
    COLORREF statusColour = 0x00009C;

    BatteryLog log;                 // the live session
    std::array<BatteryLog, 3> ref;  // reference slots 1 to 3
    std::string status;
    std::int32_t minEstimateSamples =
        kMinEstimateSamples;  // estimation lines need more samples than this
};

}  // namespace torvane

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "graph/GraphCanvas.h"
#include "graph/GraphInput.h"

namespace torvane {

// The fixed sizes of the picture and its off-screen bitmap.
constexpr std::int32_t kWindowWidth = 240;
constexpr std::int32_t kWindowHeight = 320;
constexpr std::int32_t kBitmapWidth = 320;
constexpr std::int32_t kBitmapHeight = 320;

// Sizes derived from the plot rectangle and the time scale.
struct GraphGeometry {
    std::int32_t plotWidth = 0;   // W = R - L + 1
    std::int32_t plotHeight = 0;  // P = B - T + 1
    std::int32_t rowStep = 0;     // P / 10
    std::int32_t halfRow = 0;     // P / 20
    std::int32_t columnStep = 0;  // W / (4 x H), one quarter hour
    std::int32_t scaleHours = 0;  // H as the picture uses it
};

// H as drawn: the stored scale, except that 0, which would divide by zero, reads as 7 like an
// absent setting.
std::int32_t EffectiveScaleHours(const GraphInput& in);

GraphGeometry ComputeGeometry(const GraphInput& in);

// Where the status text is drawn: under the time scale, (2, B + 12) to (R - 40, B + 45).
GraphRect StatusTextRect(const GraphInput& in);

// The point mapping of every data point: x = L + 1 + (m x W) / (60 x H) and
// y = T + 1 + ((100 - p) x P) / 100, with truncating division. Exact whenever the result fits
// in 32 bits; absurd values from loaded files give the nearest 32-bit value instead of
// overflowing.
std::int32_t MinutesToX(const GraphInput& in, std::int32_t minutes);
std::int32_t PercentToY(const GraphInput& in, std::int32_t percent);

}  // namespace torvane

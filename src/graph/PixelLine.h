// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "graph/GraphCanvas.h"

namespace torvane {

// A 32-bit pixel buffer the lines are drawn into: width x height pixels, rows `stride`
// pixels apart.
struct PixelSurface {
    std::uint32_t* pixels = nullptr;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t stride = 0;
};

// Dashes of a dashed pen, in pixels along the line's longer axis.
constexpr std::int32_t kDashOn = 5;
constexpr std::int32_t kDashOff = 3;

// Draws a straight line from (x0, y0) towards (x1, y1) with the given pen, in the colour
// `pixel`. A one-pixel pen leaves the end point unpainted, so that a chain of lines paints
// each joint once; a wider pen paints a square of its width at every point including the
// end, so the joints of a thick polyline have no gaps. A zero-length line paints nothing.
// Lines are clipped to the surface: coordinates anywhere in the 32-bit range cost no more
// than the pixels that land on it. `dashPhase` carries a dashed pen's pattern from one line
// of a chain to the next.
//
// On a surface `scale` times the size of the picture (a screen at 200 % has scale 2), the
// coordinates, the pen's width and its dashes are picture pixels: the line covers the same
// picture pixels as at scale 1, drawn with the surface's finer steps along its slope. At
// scale 1 every pixel is as described above. Scales above 16 draw as 16.
void DrawPixelLine(const PixelSurface& surface, std::int32_t x0, std::int32_t y0, std::int32_t x1,
                   std::int32_t y1, const GraphPen& pen, std::uint32_t pixel,
                   std::int64_t& dashPhase, std::int32_t scale = 1);

}  // namespace torvane

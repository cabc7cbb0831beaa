// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graph/PixelLine.h"

#include <algorithm>

#include "logdata/IntMath.h"

namespace torvane {

namespace {

// The line walked along its longer axis ("major") in steps of one pixel; the other axis
// ("minor") is rounded to the nearest pixel, halves away from the start.
struct Walk {
    std::int64_t major0, minor0;  // start
    std::int64_t majorSign, minorSign;
    std::int64_t majorLen, minorLen;  // absolute spans
    bool xMajor;
};

void PaintBlock(const PixelSurface& s, std::int64_t x, std::int64_t y, std::int64_t width,
                std::uint32_t pixel) {
    const std::int64_t offset = -((width - 1) / 2);
    const std::int64_t left = x + offset;
    const std::int64_t top = y + offset;
    if (width == 2 && left >= 0 && top >= 0 && left + 2 <= s.width && top + 2 <= s.height) {
        // The curves' pen, wholly inside: the common case.
        std::uint32_t* p = s.pixels + top * s.stride + left;
        p[0] = pixel;
        p[1] = pixel;
        p[s.stride] = pixel;
        p[s.stride + 1] = pixel;
        return;
    }
    const std::int64_t x0 = std::max<std::int64_t>(left, 0);
    const std::int64_t x1 = std::min<std::int64_t>(left + width, s.width);
    const std::int64_t y0 = std::max<std::int64_t>(top, 0);
    const std::int64_t y1 = std::min<std::int64_t>(top + width, s.height);
    for (std::int64_t row = y0; row < y1; ++row) {
        std::uint32_t* line = s.pixels + row * s.stride;
        for (std::int64_t col = x0; col < x1; ++col) {
            line[col] = pixel;
        }
    }
}

}  // namespace

void DrawPixelLine(const PixelSurface& surface, std::int32_t x0, std::int32_t y0, std::int32_t x1,
                   std::int32_t y1, const GraphPen& pen, std::uint32_t pixel,
                   std::int64_t& dashPhase, std::int32_t scale) {
    const std::int64_t n = std::clamp(scale, 1, 16);
    const std::int64_t penWidth = std::max(pen.width, 1);
    const std::int64_t width = penWidth * n;  // in surface pixels
    // The surface point whose square of `width` covers exactly the surface pixels of the
    // picture pixels that the pen covers at (x, y).
    const std::int64_t centre = (width - 1) / 2 - n * ((penWidth - 1) / 2);
    const std::int64_t sx0 = n * x0 + centre;
    const std::int64_t sy0 = n * y0 + centre;
    const std::int64_t dx = n * (std::int64_t{x1} - x0);
    const std::int64_t dy = n * (std::int64_t{y1} - y0);
    if (dx == 0 && dy == 0) {
        return;
    }
    Walk w{};
    w.xMajor = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
    const std::int64_t dMajor = w.xMajor ? dx : dy;
    const std::int64_t dMinor = w.xMajor ? dy : dx;
    w.major0 = w.xMajor ? sx0 : sy0;
    w.minor0 = w.xMajor ? sy0 : sx0;
    w.majorSign = dMajor < 0 ? -1 : 1;
    w.minorSign = dMinor < 0 ? -1 : 1;
    w.majorLen = dMajor < 0 ? -dMajor : dMajor;
    w.minorLen = dMinor < 0 ? -dMinor : dMinor;

    // Steps 0 .. last; a one-pixel pen stops short of the end point's picture pixel.
    const std::int64_t last = penWidth == 1 ? w.majorLen - n : w.majorLen;
    // Each step paints n pixels along the line, so a dash takes n - 1 steps fewer than its
    // pixels to cover the same stretch as at scale 1.
    const std::int64_t dashOn = kDashOn * n - (n - 1);
    const std::int64_t period = (kDashOn + kDashOff) * n;
    const std::int64_t startPhase = dashPhase;
    dashPhase = (dashPhase + w.majorLen) % period;

    // Only the steps whose major coordinate can touch the surface (with the pen's margin).
    const std::int64_t margin = width;
    const std::int64_t majorMin = -margin;
    const std::int64_t majorMax = (w.xMajor ? surface.width : surface.height) + margin;
    const std::int64_t minorMin = -margin;
    const std::int64_t minorMax = (w.xMajor ? surface.height : surface.width) + margin;
    std::int64_t first = 0;
    std::int64_t stop = last;
    if (w.majorSign > 0) {
        first = std::max(first, majorMin - w.major0);
        stop = std::min(stop, majorMax - w.major0);
    } else {
        first = std::max(first, w.major0 - majorMax);
        stop = std::min(stop, w.major0 - majorMin);
    }
    if (first > stop) {
        return;
    }

    // Minor offset at step i: (2 i minorLen + majorLen) / (2 majorLen), kept as quotient and
    // remainder so each step is one addition.
    const std::int64_t twice = 2 * w.majorLen;
    std::int64_t q = 0;
    std::int64_t r = w.majorLen;
    if (first != 0) {
        // Spans reach 2^32, so the first product needs more than 64 bits.
        const intmath::Wide num = intmath::Wide{2} * first * w.minorLen + w.majorLen;
        q = static_cast<std::int64_t>(num / twice);
        r = static_cast<std::int64_t>(num % twice);
    }
    // minorLen <= majorLen: one step of the minor axis at most per pixel.
    const bool diagonal = w.minorLen == w.majorLen;
    const std::int64_t stepQ = diagonal ? 1 : 0;
    const std::int64_t stepR = diagonal ? 0 : 2 * w.minorLen;

    const bool dashed = pen.style == PenStyle::Dash;
    std::int64_t phase = (startPhase + first) % period;
    for (std::int64_t i = first; i <= stop; ++i) {
        const std::int64_t minor = w.minor0 + w.minorSign * q;
        const bool on = !dashed || phase < dashOn;
        if (++phase == period) {
            phase = 0;
        }
        if (on && minor >= minorMin && minor < minorMax) {
            const std::int64_t major = w.major0 + w.majorSign * i;
            const std::int64_t x = w.xMajor ? major : minor;
            const std::int64_t y = w.xMajor ? minor : major;
            if (width == 1) {
                if (x >= 0 && x < surface.width && y >= 0 && y < surface.height) {
                    surface.pixels[y * surface.stride + x] = pixel;
                }
            } else {
                PaintBlock(surface, x, y, width, pixel);
            }
        }
        q += stepQ;
        r += stepR;
        if (r >= twice) {
            r -= twice;
            ++q;
        }
    }
}

}  // namespace torvane

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graph/GraphGeometry.h"

#include "logdata/IntMath.h"

namespace torvane {

using intmath::Saturate;
using intmath::Wide;

namespace {
constexpr std::int32_t kDefaultScaleHours = 7;
}  // namespace

std::int32_t EffectiveScaleHours(const GraphInput& in) {
    return in.scaleHours == 0 ? kDefaultScaleHours : in.scaleHours;
}

GraphGeometry ComputeGeometry(const GraphInput& in) {
    GraphGeometry g;
    g.scaleHours = EffectiveScaleHours(in);
    g.plotWidth = Saturate(Wide{in.right} - in.left + 1);
    g.plotHeight = Saturate(Wide{in.bottom} - in.top + 1);
    g.rowStep = g.plotHeight / 10;
    g.halfRow = g.plotHeight / 20;
    g.columnStep = Saturate(Wide{g.plotWidth} / (Wide{4} * g.scaleHours));
    return g;
}

GraphRect StatusTextRect(const GraphInput& in) {
    return {2, intmath::Add(in.bottom, 12), intmath::Sub(in.right, 40),
            intmath::Add(in.bottom, 45)};
}

namespace {

// (a x b) / c + base, exact and saturated. Every operand here fits in 32 bits in practice,
// so the 64-bit path is taken; the 128-bit one covers absurd rectangles.
std::int32_t MulDivAdd(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t base) {
    constexpr std::int64_t kSafe = std::int64_t{1} << 31;
    if (a > -kSafe && a < kSafe && b > -kSafe && b < kSafe) {
        return Saturate(Wide{base} + (a * b) / c);
    }
    return Saturate(Wide{base} + (Wide{a} * b) / c);
}

}  // namespace

std::int32_t MinutesToX(const GraphInput& in, std::int32_t minutes) {
    const std::int64_t width = std::int64_t{in.right} - in.left + 1;
    const std::int64_t span = std::int64_t{60} * EffectiveScaleHours(in);
    return MulDivAdd(minutes, width, span, std::int64_t{in.left} + 1);
}

std::int32_t PercentToY(const GraphInput& in, std::int32_t percent) {
    const std::int64_t height = std::int64_t{in.bottom} - in.top + 1;
    return MulDivAdd(std::int64_t{100} - percent, height, 100, std::int64_t{in.top} + 1);
}

}  // namespace torvane

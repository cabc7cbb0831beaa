#include "graph/GraphGeometry.h"

#include "session/logdata/IntMath.h"

namespace torvane {

using intmath::Saturate;
using intmath::Wide;

namespace {
constexpr std::int32_t kDefaultScaleHours = 7;
}

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

std::int32_t MinutesToX(const GraphInput& in, std::int32_t minutes) {
    const Wide width = Wide{in.right} - in.left + 1;
    const Wide span = Wide{60} * EffectiveScaleHours(in);
    return Saturate(Wide{in.left} + 1 + (Wide{minutes} * width) / span);
}

std::int32_t PercentToY(const GraphInput& in, std::int32_t percent) {
    const Wide height = Wide{in.bottom} - in.top + 1;
    return Saturate(Wide{in.top} + 1 + ((Wide{100} - percent) * height) / 100);
}

}  // namespace torvane

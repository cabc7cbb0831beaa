// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logdata/BatteryEstimate.h"

#include <algorithm>
#include <cstdio>

#include "logdata/BatteryLog.h"
#include "logdata/IntMath.h"

namespace torvane {

using intmath::Wide;

std::optional<StatusEstimate> ComputeStatusEstimate(const StatusEstimateInput& in) {
    if (in.n <= in.minEstimateSamples) {
        return std::nullopt;
    }
    // While the reading has not fallen below the first sample, the start is taken as 100 %.
    std::int32_t startLevel = in.p0;
    if (startLevel <= in.p) {
        startLevel = 100;
    }
    const std::int32_t drop = intmath::Sub(startLevel, in.p);
    if (drop <= 0) {
        return std::nullopt;  // still at 100 %: no rate observed yet
    }
    const std::int32_t life = intmath::MulDiv(in.tLast, 100, drop);
    // The time left is formed in full before it is narrowed, so it stays exact whenever it
    // fits even if the time to empty alone would not (absurd minutes in a resumed log).
    const Wide timeToEmpty = (Wide{in.tLast} * startLevel) / drop;
    return StatusEstimate{life, intmath::Saturate(timeToEmpty - in.tNow)};
}

std::string FormatHoursMinutes(std::int32_t minutes) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%d:%.2dh", minutes / 60, minutes % 60);
    return buffer;
}

std::string FormatFirstSampleStatus(std::int32_t percent, std::int32_t tNow) {
    return "Running, Battery: " + std::to_string(percent) +
           "%, Run time: " + FormatHoursMinutes(tNow);
}

std::string FormatRunningStatus(const StatusEstimateInput& in) {
    std::string line = FormatFirstSampleStatus(in.p, in.tNow) + ", Estimated battery life: ";
    const auto estimate = ComputeStatusEstimate(in);
    if (!estimate) {
        line += "N/A";
    } else {
        line += FormatHoursMinutes(estimate->lifeMinutes) + ", " +
                FormatHoursMinutes(estimate->leftMinutes) + " left";
    }
    if (in.n >= BatteryLog::kCapacity) {
        line += ", log full";  // nothing more is recorded
    }
    return line;
}

std::string StatusOfReading(const BatteryLog& log, std::int32_t p, std::int32_t tNow,
                            std::int32_t tLast, std::int32_t minEstimateSamples) {
    StatusEstimateInput in;
    in.p = p;
    in.tNow = tNow;
    in.tLast = tLast;
    in.p0 = log.percent[0];
    in.n = log.count;
    in.minEstimateSamples = minEstimateSamples;
    return FormatRunningStatus(in);
}

std::string StatusAtLastSample(const BatteryLog& log, std::int32_t minEstimateSamples) {
    if (log.count <= 0) {
        return "";
    }
    const auto last = static_cast<std::size_t>(std::min(log.count, BatteryLog::kCapacity) - 1);
    if (log.count == 1) {
        return FormatFirstSampleStatus(log.percent[last], log.minutes[last]);
    }
    return StatusOfReading(log, log.percent[last], log.minutes[last], log.minutes[last],
                           minEstimateSamples);
}

std::optional<EndPoint> EstimationEndPoint(std::int32_t m0, std::int32_t p0, std::int32_t mn,
                                           std::int32_t pn, std::int32_t scaleMinutes) {
    const Wide percentDrop = Wide{p0} - pn;
    const Wide minutesSpan = Wide{mn} - m0;
    if (percentDrop == 0) {
        return std::nullopt;  // a flat line never reaches 0 %
    }
    // Minutes at which the line through the first and last sample reaches 0 %; kept wide so
    // the right-edge level below is exact even when f itself does not fit in 32 bits.
    const Wide f = (Wide{p0} * minutesSpan) / percentDrop;
    if (f < scaleMinutes) {
        return EndPoint{intmath::Saturate(f), 0};
    }
    if (minutesSpan == 0) {
        return std::nullopt;
    }
    const Wide y = -(((Wide{scaleMinutes} - f) * percentDrop) / minutesSpan);
    return EndPoint{scaleMinutes, intmath::Saturate(y)};
}

}  // namespace torvane

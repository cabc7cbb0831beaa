// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "logdata/BatteryLog.h"

namespace torvane {

// An estimate is shown only when the log holds more samples than this.
inline constexpr std::int32_t kMinEstimateSamples = 2;

// Straight-line battery life estimate from the first sample to the latest reading.
struct StatusEstimateInput {
    std::int32_t p = 0;      // current battery percent
    std::int32_t tNow = 0;   // elapsed minute now
    std::int32_t tLast = 0;  // minute of the last recorded sample
    std::int32_t p0 = 0;     // percent of the first sample
    std::int32_t n = 0;      // sample count
    std::int32_t minEstimateSamples = kMinEstimateSamples;
};

struct StatusEstimate {
    std::int32_t lifeMinutes = 0;  // L: how long a full battery lasts
    std::int32_t leftMinutes = 0;  // R: time left from now
};

// L and R, or nothing when no estimate is defined (too few samples, or no drop yet).
std::optional<StatusEstimate> ComputeStatusEstimate(const StatusEstimateInput& in);

// "%d:%.2d" of v / 60 and v % 60 followed by "h", the sign on the minutes part when negative.
std::string FormatHoursMinutes(std::int32_t minutes);

// The status line of a running session after its first sample; it ends with ", log full" once
// the log holds as many samples as it can.
std::string FormatRunningStatus(const StatusEstimateInput& in);

// The status line for the first sample: no estimate part.
std::string FormatFirstSampleStatus(std::int32_t percent, std::int32_t tNow);

// The status line of a session whose log is `log`, for the reading `p` at minute `tNow` when
// the last recorded sample is at minute `tLast`.
std::string StatusOfReading(const BatteryLog& log, std::int32_t p, std::int32_t tNow,
                            std::int32_t tLast, std::int32_t minEstimateSamples);

// The status line right after the log's last sample was recorded; empty for an empty log.
std::string StatusAtLastSample(const BatteryLog& log, std::int32_t minEstimateSamples);

struct EndPoint {
    std::int32_t minutes = 0;
    std::int32_t percent = 0;
};

// Where the dashed estimation line through the first and last sample ends: on the time axis
// before the end of the scale, or at the right edge of the scale. Nothing when the first and
// last percent are equal (a flat line has no end) or the line would need a zero time span.
std::optional<EndPoint> EstimationEndPoint(std::int32_t m0, std::int32_t p0, std::int32_t mn,
                                           std::int32_t pn, std::int32_t scaleMinutes);

}  // namespace torvane

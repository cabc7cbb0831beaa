// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/IPowerStatus.h"

namespace torvane {

// What the recorder shows of the machine and of the discharge it records, at one reading.
struct RecorderFigures {
    bool onBattery = false;
    int percent = -1;  // the combined level, -1 when unknown
    struct Discharge {
        std::int64_t startSeconds = 0;  // Unix time of its start
        std::int32_t samples = 0;
        // The estimate as the window shows it, when it shows one.
        std::optional<std::int64_t> lifeSeconds;
        std::optional<std::int64_t> leftSeconds;

        bool operator==(const Discharge&) const = default;
    };
    std::optional<Discharge> discharge;  // while one runs
    std::uint64_t kept = 0;              // logs kept since the recorder started
    std::vector<BatteryFigures> batteries;

    bool operator==(const RecorderFigures&) const = default;

    // The Prometheus text format, as the node exporter's textfile collector reads it: # HELP and
    // # TYPE before each metric that has a value, no timestamps. Metrics without a value are
    // left out whole.
    std::string MetricsText() const;
};

}  // namespace torvane

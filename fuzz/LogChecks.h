// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

// What the two log file fuzz targets share: a check that aborts, and logs marked so that any
// change a refused file makes to them shows.
#pragma once

#include <cstdint>
#include <cstdlib>

#include "logdata/BatteryLog.h"

inline void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

inline bool SameLog(const torvane::BatteryLog& a, const torvane::BatteryLog& b) {
    return a.count == b.count && a.minutes == b.minutes && a.percent == b.percent;
}

inline torvane::BatteryLog Marked(std::int32_t marker) {
    torvane::BatteryLog log;
    log.count = 3;
    log.minutes.fill(marker);
    log.percent.fill(~marker);
    return log;
}

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "logdata/BatteryLog.h"

namespace torvane {

// One exported line: "%d%%, %dm" of the percent and the minutes, then the bytes 10 and 13 in
// that order.
std::string FormatCsvLine(std::int32_t percent, std::int32_t minutes);

// The whole export of a log: one line per sample, oldest first; no header, no byte-order mark,
// nothing after the last line. A log with no samples gives no bytes.
std::vector<std::uint8_t> EncodeCsv(const BatteryLog& log);

}  // namespace torvane

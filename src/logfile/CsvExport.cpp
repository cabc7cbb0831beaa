// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logfile/CsvExport.h"

#include <cstdio>

#include "logfile/BatteryLogFile.h"

namespace torvane {

std::string FormatCsvLine(std::int32_t percent, std::int32_t minutes) {
    // The longest line, two ten-digit negative numbers, takes 28 bytes.
    char buffer[100];
    const int length = std::snprintf(buffer, sizeof buffer, "%d%%, %dm\n\r", percent, minutes);
    return std::string(buffer, static_cast<std::size_t>(length));
}

std::vector<std::uint8_t> EncodeCsv(const BatteryLog& log) {
    std::vector<std::uint8_t> out;
    const auto count = static_cast<std::size_t>(StoredSampleCount(log));
    for (std::size_t i = 0; i < count; ++i) {
        const std::string line = FormatCsvLine(log.percent[i], log.minutes[i]);
        out.insert(out.end(), line.begin(), line.end());
    }
    return out;
}

}  // namespace torvane

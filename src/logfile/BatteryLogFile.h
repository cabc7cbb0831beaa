// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "logdata/BatteryLog.h"

namespace torvane {

// The battery log file: little-endian 32-bit integers, the version 1, the sample count N, then
// N (minutes, percent) pairs, oldest first. Nothing else: no magic, no checksum, no trailer.
constexpr std::int32_t kLogFileVersion = 1;
constexpr std::size_t kLogFileHeaderBytes = 8;
constexpr std::size_t kLogFileSampleBytes = 8;
// The longest file a log can come from: the header and a full log's samples. Bytes after the
// last sample are never used, so no reader needs more.
constexpr std::size_t kLogFileMaxBytes =
    kLogFileHeaderBytes + kLogFileSampleBytes * static_cast<std::size_t>(BatteryLog::kCapacity);

enum class LogFileCheck {
    Ok,
    WrongVersion,  // the first integer is not 1
    BadCount,      // the count is below 0 or above what a log can hold
    Truncated,     // the file ends before its header or its samples do
};

// The samples of a log that can be written: its count, kept within 0 and the capacity.
std::int32_t StoredSampleCount(const BatteryLog& log);

// The whole file for a log. A log with no samples gives the 8-byte header with count 0.
std::vector<std::uint8_t> EncodeLogFile(const BatteryLog& log);

// Checks the whole file first and changes `target` only when it is valid: then its count and
// its first `count` samples are replaced, values exactly as stored, and the entries beyond the
// count keep what they held. Bytes after the last sample are ignored, so the first
// kLogFileMaxBytes bytes of a file are all it needs.
LogFileCheck DecodeLogFile(std::span<const std::uint8_t> bytes, BatteryLog& target);

}  // namespace torvane

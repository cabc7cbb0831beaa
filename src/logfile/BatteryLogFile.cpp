// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logfile/BatteryLogFile.h"

#include <algorithm>

namespace torvane {
namespace {

// Stores `value` at `at` in the file's byte order, least significant byte first.
std::uint8_t* PutInt32(std::uint8_t* at, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) {
        *at++ = static_cast<std::uint8_t>(bits >> shift);
    }
    return at;
}

std::int32_t GetInt32(std::span<const std::uint8_t> bytes, std::size_t offset) {
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        bits |= static_cast<std::uint32_t>(bytes[offset + i]) << (8 * i);
    }
    return static_cast<std::int32_t>(bits);  // two's complement, as the file stores it
}

}  // namespace

std::int32_t StoredSampleCount(const BatteryLog& log) {
    return std::clamp(log.count, std::int32_t{0}, std::int32_t{BatteryLog::kCapacity});
}

std::vector<std::uint8_t> EncodeLogFile(const BatteryLog& log) {
    const std::int32_t count = StoredSampleCount(log);
    // Sized once and filled in place: a full log is 8008 bytes, written at every sample.
    std::vector<std::uint8_t> out(kLogFileHeaderBytes +
                                  kLogFileSampleBytes * static_cast<std::size_t>(count));
    std::uint8_t* at = PutInt32(out.data(), kLogFileVersion);
    at = PutInt32(at, count);
    for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
        at = PutInt32(at, log.minutes[i]);
        at = PutInt32(at, log.percent[i]);
    }
    return out;
}

LogFileCheck DecodeLogFile(std::span<const std::uint8_t> bytes, BatteryLog& target) {
    if (bytes.size() < 4) {
        return LogFileCheck::Truncated;
    }
    if (GetInt32(bytes, 0) != kLogFileVersion) {
        return LogFileCheck::WrongVersion;
    }
    if (bytes.size() < kLogFileHeaderBytes) {
        return LogFileCheck::Truncated;
    }
    const std::int32_t count = GetInt32(bytes, 4);
    if (count < 0 || count > BatteryLog::kCapacity) {
        return LogFileCheck::BadCount;
    }
    const auto samples = static_cast<std::size_t>(count);
    if (bytes.size() - kLogFileHeaderBytes < samples * kLogFileSampleBytes) {
        return LogFileCheck::Truncated;
    }
    target.count = count;
    for (std::size_t i = 0; i < samples; ++i) {
        const std::size_t at = kLogFileHeaderBytes + i * kLogFileSampleBytes;
        target.minutes[i] = GetInt32(bytes, at);
        target.percent[i] = GetInt32(bytes, at + 4);
    }
    return LogFileCheck::Ok;
}

}  // namespace torvane

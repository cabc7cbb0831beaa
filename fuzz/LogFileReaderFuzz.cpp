// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzz target for the battery log file reader, on bytes in memory. Besides the sanitizers' own
// checks it holds the reader to its promises: a refused file changes no log, and an accepted
// one is written back byte for byte as the start of the input.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "LogChecks.h"
#include "logfile/BatteryLogFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    const torvane::BatteryLog before = Marked(static_cast<std::int32_t>(size));
    torvane::BatteryLog target = before;
    if (torvane::DecodeLogFile(bytes, target) != torvane::LogFileCheck::Ok) {
        Require(SameLog(target, before));
        return 0;
    }
    Require(target.count >= 0 && target.count <= torvane::BatteryLog::kCapacity);
    const std::vector<std::uint8_t> again = torvane::EncodeLogFile(target);
    Require(again.size() <= bytes.size());
    Require(std::equal(again.begin(), again.end(), bytes.begin()));
    for (std::size_t i = static_cast<std::size_t>(target.count); i < 1000; ++i) {
        Require(target.minutes[i] == before.minutes[i] && target.percent[i] == before.percent[i]);
    }
    return 0;
}

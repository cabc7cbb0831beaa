// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzz target for the battery history reader and the discharge splitter. Besides the
// sanitizers' own checks it holds them to their promises: every line is a record, blank or
// unreadable, records keep their bounds, and every discharge is a log the program reads back,
// starting at minute 0, never going back in time, within the noise limits.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "history/DischargeSplitter.h"
#include "history/HistoryReader.h"
#include "logfile/BatteryLogFile.h"

namespace {

using torvane::BatteryLog;
using torvane::Discharge;
using torvane::DischargeSplitter;
using torvane::HistoryRecord;

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void CheckDischarge(const Discharge& d) {
    const BatteryLog& log = d.log;
    Require(log.count >= 1 && log.count <= BatteryLog::kCapacity);
    Require(d.end >= d.start && d.end - d.start >= DischargeSplitter::kMinRunSeconds);
    Require(d.fromPercent - d.toPercent >= DischargeSplitter::kMinFall);
    Require(log.minutes[0] == 0 && log.percent[0] == d.fromPercent);
    Require(d.cut || log.percent[static_cast<std::size_t>(log.count - 1)] == d.toPercent);
    for (std::size_t i = 0; i < static_cast<std::size_t>(log.count); ++i) {
        Require(log.percent[i] >= 0 && log.percent[i] <= 100);
        if (i > 0) {
            Require(log.minutes[i] >= log.minutes[i - 1]);
            Require(log.percent[i] != log.percent[i - 1]);
        }
    }
    Require(static_cast<std::uint64_t>(log.minutes[static_cast<std::size_t>(log.count - 1)]) <=
            (d.end - d.start) / 60);

    BatteryLog back;
    Require(torvane::DecodeLogFile(torvane::EncodeLogFile(log), back) == torvane::LogFileCheck::Ok);
    Require(back.count == log.count);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::istringstream in(text);
    std::uint64_t runs = 0;
    DischargeSplitter splitter([&runs](const Discharge& d) {
        CheckDischarge(d);
        ++runs;
    });
    const auto counts = torvane::HistoryReader::Read(in, [&splitter](const HistoryRecord& r) {
        Require(r.percent >= 0 && r.percent <= 100);
        Require(r.time <= torvane::kLatestHistoryTime);
        splitter.Add(r);
    });
    splitter.Finish();
    Require(!counts.failed);

    std::uint64_t lines = 0;
    for (char c : text) {
        lines += c == '\n' ? 1 : 0;
    }
    lines += (!text.empty() && text.back() != '\n') ? 1 : 0;
    Require(counts.records + counts.unreadable <= lines);
    // A run needs two records at least; each run ends as a discharge or as noise.
    Require(2 * runs <= counts.records);
    return 0;
}

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

// How long the log formats take for a full log: auto-save rewrites the whole file after every
// new sample, so this is its cost at the largest size a log can reach.
#include <benchmark/benchmark.h>

#include "logfile/BatteryLogFile.h"
#include "logfile/CsvExport.h"

namespace {

torvane::BatteryLog FullLog() {
    torvane::BatteryLog log;
    for (int i = 0; i < torvane::BatteryLog::kCapacity; ++i) {
        const auto at = static_cast<std::size_t>(i);
        log.minutes[at] = i * 3;
        log.percent[at] = 100 - i / 10;
    }
    log.count = torvane::BatteryLog::kCapacity;
    return log;
}

void EncodeFullLog(benchmark::State& state) {
    const torvane::BatteryLog log = FullLog();
    for (auto _ : state) {
        benchmark::DoNotOptimize(torvane::EncodeLogFile(log));
    }
}
BENCHMARK(EncodeFullLog);

void DecodeFullLog(benchmark::State& state) {
    const auto bytes = torvane::EncodeLogFile(FullLog());
    torvane::BatteryLog target;
    for (auto _ : state) {
        benchmark::DoNotOptimize(torvane::DecodeLogFile(bytes, target));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(DecodeFullLog);

void ExportFullLogAsCsv(benchmark::State& state) {
    const torvane::BatteryLog log = FullLog();
    for (auto _ : state) {
        benchmark::DoNotOptimize(torvane::EncodeCsv(log));
    }
}
BENCHMARK(ExportFullLogAsCsv);

}  // namespace

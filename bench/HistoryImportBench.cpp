// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

// How long --import-history takes for a 100,000-record battery history (the target is under
// 100 ms): reading and cutting it alone, the whole import into a new folder (every log written
// and flushed to disk), and the import again (every log already there).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "fakes/TempDir.h"
#include "history/DischargeSplitter.h"
#include "history/HistoryImporter.h"
#include "history/HistoryReader.h"
#include "linux/HostImportFolder.h"

namespace {

constexpr int kRecords = 100000;

// A laptop's history: a record every 30 seconds, discharges from 100 % to 10 % a twentieth of
// a point at a time, charges back, a full battery in between.
std::string History() {
    std::string text;
    long t = 1718000000;
    int milli = 100000;
    bool charging = false;
    char line[64];
    for (int i = 0; i < kRecords; ++i, t += 30) {
        const char* state = charging ? "charging" : "discharging";
        if (charging && milli >= 100000) {
            state = "fully-charged";
            charging = false;
        } else if (!charging && milli <= 10000) {
            charging = true;
        }
        std::snprintf(line, sizeof line, "%ld\t%d.%03d\t%s\n", t, milli / 1000, milli % 1000,
                      state);
        text += line;
        milli += charging ? 200 : -50;
    }
    return text;
}

const std::string& Text() {
    static const std::string text = History();
    return text;
}

void ReadAndCut100kRecords(benchmark::State& state) {
    for (auto _ : state) {
        std::istringstream in(Text());
        int runs = 0;
        torvane::DischargeSplitter splitter([&runs](const torvane::Discharge&) { ++runs; });
        torvane::HistoryReader::Read(
            in, [&splitter](const torvane::HistoryRecord& r) { splitter.Add(r); });
        splitter.Finish();
        benchmark::DoNotOptimize(runs);
    }
}
BENCHMARK(ReadAndCut100kRecords)->Unit(benchmark::kMillisecond);

void Import(const std::string& history, const std::string& folderPath, benchmark::State& state) {
    std::ostringstream out;
    std::ostringstream err;
    torvane::HostImportFolder folder(folderPath);
    torvane::HistoryImporter importer(folder, out, err);
    std::ifstream in(history, std::ios::binary);
    if (!importer.Import(in) || !err.str().empty()) {
        state.SkipWithError("the import failed");
    }
    state.counters["logs"] =
        static_cast<double>(importer.Counts().written + importer.Counts().unchanged);
}

void Import100kRecordsIntoANewFolder(benchmark::State& state) {
    torvane::test::TempDir dir;
    torvane::test::TempDir::Write(dir / "history-charge-BAT0.dat", Text());
    int round = 0;
    for (auto _ : state) {
        Import(dir / "history-charge-BAT0.dat", dir / ("logs" + std::to_string(round++)), state);
    }
}
BENCHMARK(Import100kRecordsIntoANewFolder)->Unit(benchmark::kMillisecond);

void Import100kRecordsAgain(benchmark::State& state) {
    torvane::test::TempDir dir;
    torvane::test::TempDir::Write(dir / "history-charge-BAT0.dat", Text());
    Import(dir / "history-charge-BAT0.dat", dir / "logs", state);
    for (auto _ : state) {
        Import(dir / "history-charge-BAT0.dat", dir / "logs", state);
    }
}
BENCHMARK(Import100kRecordsAgain)->Unit(benchmark::kMillisecond);

}  // namespace

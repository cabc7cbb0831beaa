// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the seed corpus of the log file reader into the folder given: files made by the
// writer, and the same files damaged in the ways the reader must refuse.
#include <climits>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "SeedCorpus.h"
#include "logfile/BatteryLogFile.h"

namespace {

using torvane::BatteryLog;
using Bytes = std::vector<std::uint8_t>;

BatteryLog Discharge(std::int32_t samples) {
    BatteryLog log;
    for (std::int32_t i = 0; i < samples; ++i) {
        const auto at = static_cast<std::size_t>(i);
        log.minutes[at] = i * 5 + i / 7;
        log.percent[at] = 100 - i * 100 / (samples > 1 ? samples : 1);
    }
    log.count = samples;
    return log;
}

void SetCount(Bytes& bytes, std::int32_t count) {
    const auto c = static_cast<std::uint32_t>(count);
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[4 + i] = static_cast<std::uint8_t>(c >> (8 * i));
    }
}

}  // namespace

int main(int argc, char** argv) {
    const auto folder = CorpusFolder(argc, argv);
    if (!folder) {
        return 2;
    }
    const std::filesystem::path& dir = *folder;

    BatteryLog example;
    example.count = 2;
    example.minutes[0] = 0;
    example.percent[0] = 100;
    example.minutes[1] = 12;
    example.percent[1] = 99;
    BatteryLog extreme;
    extreme.count = 3;
    extreme.minutes = {INT_MIN, -1, INT_MAX};
    extreme.percent = {-1, INT_MAX, INT_MIN};

    const Bytes two = torvane::EncodeLogFile(example);
    Bytes version2 = two;
    version2[0] = 2;
    Bytes truncated = two;
    truncated.resize(two.size() - 3);
    Bytes extra = two;
    extra.insert(extra.end(), {0xAA, 0xBB, 0xCC});
    Bytes count1001 = torvane::EncodeLogFile(Discharge(1000));
    SetCount(count1001, 1001);
    Bytes countMinus1 = two;
    SetCount(countMinus1, -1);

    bool ok = true;
    ok &= WriteSeed(dir, "empty-log.blf", torvane::EncodeLogFile(BatteryLog{}));
    ok &= WriteSeed(dir, "one-sample.blf", torvane::EncodeLogFile(Discharge(1)));
    ok &= WriteSeed(dir, "two-samples.blf", two);
    ok &= WriteSeed(dir, "full-log.blf", torvane::EncodeLogFile(Discharge(1000)));
    ok &= WriteSeed(dir, "extreme-values.blf", torvane::EncodeLogFile(extreme));
    ok &= WriteSeed(dir, "extra-bytes.blf", extra);
    ok &= WriteSeed(dir, "version-2.blf", version2);
    ok &= WriteSeed(dir, "truncated.blf", truncated);
    ok &= WriteSeed(dir, "count-1001.blf", count1001);
    ok &= WriteSeed(dir, "count-minus-1.blf", countMinus1);
    ok &= WriteSeed(dir, "short-header.blf", Bytes{1, 0, 0, 0, 2});
    ok &= WriteSeed(dir, "no-bytes.blf", Bytes{});
    return ok ? 0 : 1;
}

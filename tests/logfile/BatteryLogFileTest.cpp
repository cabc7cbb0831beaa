// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logfile/BatteryLogFile.h"

#include <climits>
#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "fakes/LogOf.h"
#include "logfile/CsvExport.h"

namespace torvane {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::ExpectSameLog;
using test::LogOf;

BatteryLog TwoSamples() {
    return LogOf({{0, 100}, {12, 99}});
}

// A log whose every entry holds a marker, to see what a refused read leaves behind.
BatteryLog Marked(std::int32_t count, std::int32_t marker) {
    BatteryLog log;
    log.count = count;
    log.minutes.fill(marker);
    log.percent.fill(-marker);
    return log;
}

Bytes Header(std::int32_t version, std::int32_t count) {
    const auto v = static_cast<std::uint32_t>(version);
    const auto c = static_cast<std::uint32_t>(count);
    return {static_cast<std::uint8_t>(v),       static_cast<std::uint8_t>(v >> 8),
            static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24),
            static_cast<std::uint8_t>(c),       static_cast<std::uint8_t>(c >> 8),
            static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 24)};
}

TEST(LogFileFormat, TwoSamplesGiveTheDocumentedTwentyFourBytes) {
    const Bytes expected = {0x01, 0, 0, 0, 0x02, 0, 0, 0, 0x00, 0, 0, 0,
                            0x64, 0, 0, 0, 0x0C, 0, 0, 0, 0x63, 0, 0, 0};
    EXPECT_EQ(EncodeLogFile(TwoSamples()), expected);
}

TEST(LogFileFormat, NegativeAndExtremeValuesAreStoredLittleEndianAsTheyAre) {
    const BatteryLog log = LogOf({{INT_MIN, -1}, {INT_MAX, 0x01020304}});
    const Bytes expected = {1,    0,    0,    0,    2,    0,    0,    0,    0x00, 0x00, 0x00, 0x80,
                            0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0x04, 0x03, 0x02, 0x01};
    const Bytes bytes = EncodeLogFile(log);
    EXPECT_EQ(bytes, expected);

    BatteryLog back;
    ASSERT_EQ(DecodeLogFile(bytes, back), LogFileCheck::Ok);
    ExpectSameLog(back, log);
}

TEST(LogFileFormat, FullLogRoundTripsAndOnlyItsCountIsWritten) {
    BatteryLog log;
    for (int i = 0; i < BatteryLog::kCapacity; ++i) {
        log.minutes[static_cast<std::size_t>(i)] = i * 3;
        log.percent[static_cast<std::size_t>(i)] = 100 - i / 10;
    }
    log.count = BatteryLog::kCapacity;
    const Bytes full = EncodeLogFile(log);
    EXPECT_EQ(full.size(), 8u + 8u * 1000u);
    BatteryLog back;
    ASSERT_EQ(DecodeLogFile(full, back), LogFileCheck::Ok);
    ExpectSameLog(back, log);

    log.count = 3;
    EXPECT_EQ(EncodeLogFile(log).size(), 32u);
}

TEST(LogFileFormat, AShorterOrEmptyFileReplacesOnlyItsSamples) {
    BatteryLog target = Marked(5, 42);
    ASSERT_EQ(DecodeLogFile(EncodeLogFile(TwoSamples()), target), LogFileCheck::Ok);
    EXPECT_EQ(target.count, 2);
    EXPECT_EQ(target.percent[1], 99);
    EXPECT_EQ(target.minutes[2], 42);  // beyond the count: untouched
    EXPECT_EQ(target.percent[2], -42);
    ASSERT_EQ(DecodeLogFile(Header(1, 0), target), LogFileCheck::Ok);
    EXPECT_EQ(target.count, 0);
    EXPECT_EQ(target.percent[0], 100);
}

TEST(LogFileFormat, BytesAfterTheLastSampleAreIgnored) {
    Bytes bytes = EncodeLogFile(TwoSamples());
    bytes.insert(bytes.end(), {0xDE, 0xAD, 0xBE, 0xEF, 0x01});
    BatteryLog target;
    ASSERT_EQ(DecodeLogFile(bytes, target), LogFileCheck::Ok);
    ExpectSameLog(target, TwoSamples());
}

TEST(LogFileFormat, InvalidFilesLeaveTheTargetExactlyAsItWas) {
    const Bytes good = EncodeLogFile(TwoSamples());
    Bytes version2 = good;
    version2[0] = 2;
    Bytes oneByteShort = good;
    oneByteShort.pop_back();
    Bytes tooMany = Header(1, 1001);
    tooMany.resize(8 + 8 * 1001, 0);  // enough bytes, still more than a log holds
    Bytes huge = Header(1, INT_MAX);

    const struct {
        const char* name;
        Bytes bytes;
        LogFileCheck check;
    } cases[] = {
        {"empty file", {}, LogFileCheck::Truncated},
        {"half a version", {1, 0}, LogFileCheck::Truncated},
        {"version 2", version2, LogFileCheck::WrongVersion},
        {"version only", {1, 0, 0, 0}, LogFileCheck::Truncated},
        {"count cut short", {1, 0, 0, 0, 2, 0}, LogFileCheck::Truncated},
        {"last sample cut short", oneByteShort, LogFileCheck::Truncated},
        {"header only, count 2", Header(1, 2), LogFileCheck::Truncated},
        {"count 1001", tooMany, LogFileCheck::BadCount},
        {"count -1", Header(1, -1), LogFileCheck::BadCount},
        {"count INT_MIN", Header(1, INT_MIN), LogFileCheck::BadCount},
        {"count INT_MAX", huge, LogFileCheck::BadCount},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        BatteryLog target = Marked(9, 7);
        const BatteryLog before = target;
        EXPECT_EQ(DecodeLogFile(c.bytes, target), c.check);
        ExpectSameLog(target, before);
    }
}

TEST(LogFileFormat, WriterNeverReadsBeyondTheCapacity) {
    BatteryLog log = Marked(5000, 1);
    EXPECT_EQ(EncodeLogFile(log).size(), 8u + 8u * 1000u);
    log.count = -3;
    EXPECT_EQ(EncodeLogFile(log), Header(1, 0));
    EXPECT_TRUE(EncodeCsv(log).empty());
}

TEST(CsvFormat, OneAndTwoSamplesGiveTheDocumentedTenAndTwentyBytes) {
    const Bytes expected = {0x31, 0x30, 0x30, 0x25, 0x2C, 0x20, 0x30, 0x6D, 0x0A, 0x0D,
                            0x39, 0x39, 0x25, 0x2C, 0x20, 0x31, 0x32, 0x6D, 0x0A, 0x0D};
    EXPECT_EQ(EncodeCsv(TwoSamples()), expected);

    BatteryLog one = TwoSamples();
    one.count = 1;
    EXPECT_EQ(EncodeCsv(one), Bytes(expected.begin(), expected.begin() + 10));
}

TEST(CsvFormat, LongestLineIsWrittenWhole) {
    const std::string line = FormatCsvLine(INT_MIN, INT_MIN);
    EXPECT_EQ(line, "-2147483648%, -2147483648m\n\r");
    EXPECT_EQ(FormatCsvLine(-1, 0), "-1%, 0m\n\r");
}

}  // namespace
}  // namespace torvane

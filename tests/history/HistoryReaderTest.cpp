// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/HistoryReader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace torvane::test {
namespace {

struct Read {
    HistoryReadCounts counts;
    std::vector<HistoryRecord> records;
};

Read ReadText(std::istream& in) {
    Read r;
    r.counts =
        HistoryReader::Read(in, [&r](const HistoryRecord& rec) { r.records.push_back(rec); });
    return r;
}

Read ReadText(const std::string& text) {
    std::istringstream in(text);
    return ReadText(in);
}

TEST(HistoryReader, TakesEveryLineEndingAndSkipsDamageWithoutHoldingIt) {
    const std::string text =
        "1700000000\t90.000\tdischarging\r\n"
        "\n"
        "1700000060\t89.000\tdischarging\n" +
        std::string(1 << 20, '7') +  // a megabyte with no line feed
        "\n1700000120\t88.000\tdischarging\n"
        "1700000180\t87,5\tdischarging";  // no line feed at the end
    const Read r = ReadText(text);
    EXPECT_FALSE(r.counts.failed);
    EXPECT_EQ(r.counts.records, 4u);
    EXPECT_EQ(r.counts.unreadable, 1u);
    ASSERT_EQ(r.records.size(), 4u);
    EXPECT_EQ(r.records[0].percent, 90);
    EXPECT_EQ(r.records[2].time, 1700000120u);
    EXPECT_EQ(r.records[3].percent, 88);

    // A line of the largest length is still read; one byte more is not.
    const std::string record = "1700000000\t90.000\tdischarging";
    const std::string padded =
        record + std::string(HistoryReader::kMaxLineBytes - record.size(), ' ');
    EXPECT_EQ(ReadText(padded + "\n" + padded + " \n").counts.unreadable, 1u);
    EXPECT_EQ(ReadText(padded + " ").counts.unreadable, 1u);

    EXPECT_EQ(ReadText("").counts.records, 0u);
    EXPECT_EQ(ReadText("1700000000\t90.000\tdischar").counts.unreadable, 1u);
}

TEST(HistoryReader, LinesAcrossTheReadBufferAreWhole) {
    std::string text;
    for (int i = 0; i < 5000; ++i) {
        text += std::to_string(1700000000 + i) + "\t" + std::to_string(100 - i / 50) +
                ".250\tdischarging\n";
    }
    const Read r = ReadText(text);
    EXPECT_EQ(r.counts.records, 5000u);
    EXPECT_EQ(r.counts.unreadable, 0u);
    ASSERT_EQ(r.records.size(), 5000u);
    EXPECT_EQ(r.records[4999].time, 1700004999u);
}

// Hands out its text, then fails as a disk with a bad sector does.
class BreakingBuffer : public std::streambuf {
public:
    explicit BreakingBuffer(std::string text) : m_text(std::move(text)) {
        setg(m_text.data(), m_text.data(), m_text.data() + m_text.size());
    }

protected:
    int_type underflow() override { throw std::runtime_error("I/O error"); }

private:
    std::string m_text;
};

TEST(HistoryReader, AReadErrorIsReportedAndTheLineItCutIsNotTakenForDamage) {
    BreakingBuffer buffer("1700000000\t90.000\tdischarging\n1700000060\t89.000\tdisch");
    std::istream in(&buffer);
    const Read r = ReadText(in);
    EXPECT_TRUE(r.counts.failed);
    EXPECT_EQ(r.counts.unreadable, 0u);
}

}  // namespace
}  // namespace torvane::test

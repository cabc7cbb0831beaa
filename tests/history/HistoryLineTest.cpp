// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/HistoryLine.h"

#include <gtest/gtest.h>

#include <string>

namespace torvane::test {
namespace {

using Kind = HistoryLineKind;
using State = ChargeState;

struct Row {
    std::string line;
    Kind kind;
    std::uint64_t time = 0;
    std::int32_t percent = 0;
    State state = State::Unknown;
};

// Lines as the power daemon writes them, and as crashes, locales and hand edits leave them.
const Row kRows[] = {
    {"1700000000\t87.000\tdischarging", Kind::Record, 1700000000, 87, State::Discharging},
    {"1700000000\t87,345\tdischarging", Kind::Record, 1700000000, 87, State::Discharging},
    {"1700000060\t99.500\tdischarging", Kind::Record, 1700000060, 100, State::Discharging},
    {"1700000060\t99.499\tdischarging", Kind::Record, 1700000060, 99, State::Discharging},
    {"1700000060\t0,5\tempty", Kind::Record, 1700000060, 1, State::Empty},
    {"1700000060\t0.000\tunknown", Kind::Record, 1700000060, 0, State::Unknown},
    {"1700000060\t100.000\tfully-charged", Kind::Record, 1700000060, 100, State::FullyCharged},
    {"1700000060\t103.521\tcharging", Kind::Record, 1700000060, 100, State::Charging},
    {"1\t99999999999999999999.000\tcharging", Kind::Record, 1, 100, State::Charging},
    {"1700000060\t-1.000\tdischarging", Kind::Record, 1700000060, 0, State::Discharging},
    {"1700000060\t-0.000\tpending-charge", Kind::Record, 1700000060, 0, State::PendingCharge},
    {"1700000060\t42\tpending-discharge", Kind::Record, 1700000060, 42, State::PendingDischarge},
    {"1700000060\t42.000\tdischarging\r", Kind::Record, 1700000060, 42, State::Discharging},
    {"1700000060 42.000  discharging ", Kind::Record, 1700000060, 42, State::Discharging},
    {"0\t42.000\tdischarging", Kind::Record, 0, 42, State::Discharging},
    {"253402300799\t42.000\tdischarging", Kind::Record, 253402300799, 42, State::Discharging},
    {"", Kind::Blank},
    {" \t \r", Kind::Blank},
    // Cut short by a crash.
    {"1700000060\t42.0", Kind::Unreadable},
    {"1700000060\t42.000\tdischar", Kind::Unreadable},
    {"17000", Kind::Unreadable},
    {"1700000060\t42.\tdischarging", Kind::Unreadable},
    // Not the daemon's.
    {"1700000060\t42.000\tDischarging", Kind::Unreadable},
    {"1700000060\t42.000\tdischarging\t7", Kind::Unreadable},
    {"-1700000060\t42.000\tdischarging", Kind::Unreadable},
    {"1700000060.5\t42.000\tdischarging", Kind::Unreadable},
    {"253402300800\t42.000\tdischarging", Kind::Unreadable},
    {"99999999999999999999999\t42.000\tdischarging", Kind::Unreadable},
    {"1700000060\tnan\tdischarging", Kind::Unreadable},
    {"1700000060\t-inf\tdischarging", Kind::Unreadable},
    {"1700000060\t4.2e1\tdischarging", Kind::Unreadable},
    {"1700000060\t4.2.1\tdischarging", Kind::Unreadable},
    {"1700000060\t+42\tdischarging", Kind::Unreadable},
    {std::string("1700000060\t42.000\tdischarging\0", 30), Kind::Unreadable},
    {"1700000060\r42.000\rdischarging", Kind::Unreadable},
};

TEST(HistoryLine, ReadsTheDaemonsLinesAndRefusesDamagedOnes) {
    for (const Row& row : kRows) {
        const HistoryLine parsed = ParseHistoryLine(row.line);
        EXPECT_EQ(parsed.kind, row.kind) << row.line;
        if (row.kind == Kind::Record && parsed.kind == Kind::Record) {
            EXPECT_EQ(parsed.record.time, row.time) << row.line;
            EXPECT_EQ(parsed.record.percent, row.percent) << row.line;
            EXPECT_EQ(parsed.record.state, row.state) << row.line;
        }
    }
}

}  // namespace
}  // namespace torvane::test

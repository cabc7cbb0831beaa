// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace torvane {

// The battery states the power daemon writes into its history.
enum class ChargeState {
    Unknown,
    Charging,
    Discharging,
    Empty,
    FullyCharged,
    PendingCharge,
    PendingDischarge,
};

// One line of a battery charge history: when, how full, and what the battery was doing.
struct HistoryRecord {
    std::uint64_t time = 0;    // seconds since the epoch
    std::int32_t percent = 0;  // the value rounded to a whole percent (half up), within 0..100
    ChargeState state = ChargeState::Unknown;
};

// The latest time a record may carry: the last second of the year 9999, so every start time
// makes a four-digit year in a file name.
constexpr std::uint64_t kLatestHistoryTime = 253402300799;

enum class HistoryLineKind {
    Record,
    Blank,       // nothing but spaces, tabs or a carriage return: not a record, not damage
    Unreadable,  // damaged, truncated or not a record
};

struct HistoryLine {
    HistoryLineKind kind = HistoryLineKind::Blank;
    HistoryRecord record;  // meaningful for Record only
};

// Reads one line (without its line feed): TIME, VALUE and STATE separated by tabs or spaces.
// TIME is whole seconds; VALUE a percentage written with '.' or ',' as the decimal separator
// (printf in the daemon's locale); STATE one of the daemon's state names. A carriage return at
// the end is ignored.
HistoryLine ParseHistoryLine(std::string_view line);

// The state for a name the daemon writes, or nothing for any other text.
std::optional<ChargeState> ChargeStateFromName(std::string_view name);

}  // namespace torvane

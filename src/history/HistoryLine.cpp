// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/HistoryLine.h"

#include <algorithm>
#include <array>
#include <utility>

namespace torvane {

namespace {

bool IsGap(char c) {
    return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::optional<std::uint64_t> ParseTime(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (char c : text) {
        if (!IsDigit(c)) {
            return std::nullopt;
        }
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > kLatestHistoryTime) {
            return std::nullopt;
        }
    }
    return value;
}

// The whole percent nearest to a decimal text, half up, kept within 0..100. Done on the digits
// so that 99.500 is exactly half and never a binary fraction just below it.
std::optional<std::int32_t> ParsePercent(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) {
        text.remove_prefix(1);
    }
    std::size_t at = 0;
    std::int32_t whole = 0;
    for (; at < text.size() && IsDigit(text[at]); ++at) {
        whole = std::min(whole * 10 + (text[at] - '0'), 1000);  // anything past 100 clamps
    }
    if (at == 0) {
        return std::nullopt;
    }
    bool roundUp = false;
    if (at < text.size()) {
        if (text[at] != '.' && text[at] != ',') {
            return std::nullopt;
        }
        const std::size_t fraction = ++at;
        while (at < text.size() && IsDigit(text[at])) {
            ++at;
        }
        if (at == fraction || at != text.size()) {
            return std::nullopt;
        }
        roundUp = text[fraction] >= '5';
    }
    if (negative) {
        return 0;
    }
    return std::min(whole + (roundUp ? 1 : 0), 100);
}

}  // namespace

std::optional<ChargeState> ChargeStateFromName(std::string_view name) {
    static constexpr std::array<std::pair<std::string_view, ChargeState>, 7> kNames{{
        {"charging", ChargeState::Charging},
        {"discharging", ChargeState::Discharging},
        {"empty", ChargeState::Empty},
        {"fully-charged", ChargeState::FullyCharged},
        {"pending-charge", ChargeState::PendingCharge},
        {"pending-discharge", ChargeState::PendingDischarge},
        {"unknown", ChargeState::Unknown},
    }};
    for (const auto& [text, state] : kNames) {
        if (text == name) {
            return state;
        }
    }
    return std::nullopt;
}

HistoryLine ParseHistoryLine(std::string_view line) {
    while (!line.empty() && (IsGap(line.back()) || line.back() == '\r')) {
        line.remove_suffix(1);
    }
    std::array<std::string_view, 3> fields;
    std::size_t count = 0;
    std::size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && IsGap(line[at])) {
            ++at;
        }
        if (at == line.size()) {
            break;
        }
        const std::size_t start = at;
        while (at < line.size() && !IsGap(line[at])) {
            ++at;
        }
        if (count == fields.size()) {
            return {HistoryLineKind::Unreadable, {}};
        }
        fields[count++] = line.substr(start, at - start);
    }
    if (count == 0) {
        return {HistoryLineKind::Blank, {}};
    }
    if (count != fields.size()) {
        return {HistoryLineKind::Unreadable, {}};
    }
    const auto time = ParseTime(fields[0]);
    const auto percent = ParsePercent(fields[1]);
    const auto state = ChargeStateFromName(fields[2]);
    if (!time || !percent || !state) {
        return {HistoryLineKind::Unreadable, {}};
    }
    return {HistoryLineKind::Record, {*time, *percent, *state}};
}

}  // namespace torvane

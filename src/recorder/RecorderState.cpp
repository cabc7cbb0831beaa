// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "recorder/RecorderState.h"

#include <charconv>
#include <cstdio>
#include <map>

#include "history/HistoryLine.h"

namespace torvane {

namespace {

constexpr std::string_view kFirstLine = "torvane recorder state 1";

template <typename Number>
bool ParseNumber(std::string_view text, Number& value, int base = 10) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return ec == std::errc() && end == text.data() + text.size() && !text.empty();
}

// "A B" into its two numbers.
template <typename First, typename Second>
bool ParsePair(std::string_view text, First& first, Second& second, int secondBase = 10) {
    const auto space = text.find(' ');
    return space != std::string_view::npos && ParseNumber(text.substr(0, space), first) &&
           ParseNumber(text.substr(space + 1), second, secondBase);
}

std::string Hex(std::uint64_t value) {
    char text[20];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

}  // namespace

std::string RecorderState::Encode() const {
    return std::string(kFirstLine) + "\nfolder " + folder + "\nfile " + file + "\nstart " +
           std::to_string(startMs) + "\nlast " + std::to_string(lastMs) + " " +
           std::to_string(lastRealMs) + "\nlog " + std::to_string(bytes) + " " + Hex(hash) + "\n";
}

std::optional<RecorderState> RecorderState::Decode(std::string_view text) {
    std::map<std::string_view, std::string_view> values;
    bool first = true;
    while (!text.empty()) {
        const auto end = text.find('\n');
        if (end == std::string_view::npos) {
            return std::nullopt;  // cut short
        }
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end + 1);
        if (first) {
            if (line != kFirstLine) {
                return std::nullopt;
            }
            first = false;
            continue;
        }
        const auto space = line.find(' ');
        if (space == std::string_view::npos ||
            !values.emplace(line.substr(0, space), line.substr(space + 1)).second) {
            return std::nullopt;
        }
    }
    RecorderState state;
    if (values.size() != 5 || !values.contains("folder") || !values.contains("file") ||
        !ParseNumber(values["start"], state.startMs) ||
        !ParsePair(values["last"], state.lastMs, state.lastRealMs) ||
        !ParsePair(values["log"], state.bytes, state.hash, 16)) {
        return std::nullopt;
    }
    // Times from 1970 to the end of the year 9999, in order.
    constexpr auto kLatestMs = static_cast<std::int64_t>(kLatestHistoryTime) * 1000;
    const auto inRange = [](std::int64_t ms) { return ms >= 0 && ms <= kLatestMs; };
    if (!inRange(state.startMs) || !inRange(state.lastMs) || !inRange(state.lastRealMs) ||
        state.lastMs < state.startMs) {
        return std::nullopt;
    }
    state.folder = values["folder"];
    state.file = values["file"];
    if (state.folder.empty() || state.file.empty() || state.file.find('/') != std::string::npos) {
        return std::nullopt;
    }
    return state;
}

std::uint64_t RecorderState::FingerprintOf(std::span<const std::uint8_t> bytes) {
    std::uint64_t hash = 14695981039346656037u;
    for (std::uint8_t byte : bytes) {
        hash = (hash ^ byte) * 1099511628211u;
    }
    return hash;
}

std::string RecorderState::PathFor(const std::string& stateDir,
                                   const std::string& canonicalFolder) {
    const auto* begin = reinterpret_cast<const std::uint8_t*>(canonicalFolder.data());
    return stateDir + "/recorder." + Hex(FingerprintOf({begin, canonicalFolder.size()})) + ".state";
}

}  // namespace torvane

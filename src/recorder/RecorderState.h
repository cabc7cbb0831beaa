// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace torvane {

// What the recorder keeps between its runs about the discharge it is recording, so that a
// restart in the middle of a discharge goes on with the same log: which file, when the
// discharge started and was last read, and what the file held when it was last written. A
// file that holds anything else is not taken up again.
struct RecorderState {
    std::string folder;           // the host folder of the logs, for whoever reads the file
    std::string file;             // the log's name in it
    std::int64_t startMs = 0;     // the discharge's start, the recorder's time
    std::int64_t lastMs = 0;      // its last reading, the recorder's time
    std::int64_t lastRealMs = 0;  // the time of day of that reading
    std::uint64_t bytes = 0;      // the size of the log as written
    std::uint64_t hash = 0;       // and its FingerprintOf

    bool operator==(const RecorderState&) const = default;

    // A short text, one value a line.
    std::string Encode() const;
    // Nothing for a text that is not a whole, well-formed state.
    static std::optional<RecorderState> Decode(std::string_view text);

    // The 64-bit FNV-1a hash of a file's bytes.
    static std::uint64_t FingerprintOf(std::span<const std::uint8_t> bytes);
    // The state file in `stateDir` for the recorder of `canonicalFolder`: one per folder, as
    // there is one recorder per folder.
    static std::string PathFor(const std::string& stateDir, const std::string& canonicalFolder);

    // The most a state file can hold.
    static constexpr std::size_t kMaxBytes = 16384;
};

}  // namespace torvane

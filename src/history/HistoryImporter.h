// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "history/DischargeSplitter.h"
#include "platform/IImportFolder.h"

namespace torvane {

struct ImportCounts {
    std::uint64_t histories = 0;  // histories read to their end
    std::uint64_t written = 0;
    std::uint64_t unchanged = 0;
    std::uint64_t failed = 0;
    std::uint64_t noise = 0;       // runs too short or too shallow to keep
    std::uint64_t unreadable = 0;  // damaged lines skipped
};

// Turns battery charge histories into battery logs in a folder, one log per discharge, and
// says what it did, one line per discharge on `out`. Logs are named after the local time their
// discharge started, "YYYY-MM-DD HHMM.blf". A file of that name with other content is never
// replaced: the log goes under the next free name with " (2)", " (3)"..., and a log already
// there under one of those names before a free one, byte for byte, is left alone, so importing
// again writes nothing new. New logs reach the disk in batches, one flush for each batch.
class HistoryImporter {
public:
    static constexpr int kMaxSameNames = 999;
    static constexpr std::size_t kBatch = 64;

    HistoryImporter(IImportFolder& folder, std::ostream& out, std::ostream& err);

    // Imports one history. False when the stream broke off before its end: the discharges that
    // had ended before that point are kept, and the history does not count as read.
    bool Import(std::istream& history);

    const ImportCounts& Counts() const { return m_counts; }
    // One line with every count, for after the last history.
    std::string Summary() const;

    // "YYYY-MM-DD HHMM.blf" for a start time in the local time zone, with " (n)" from n = 2.
    static std::string LogName(std::uint64_t start, int n);
    // "YYYY-MM-DD HH:MM", a time in the local time zone.
    static std::string LocalMinute(std::uint64_t time);
    // How a discharge's line begins: its start, its length as H:MMh, and "from% -> to%", each
    // followed by two spaces.
    static std::string DischargeLine(std::uint64_t start, std::uint64_t end,
                                     std::int32_t fromPercent, std::int32_t toPercent);

private:
    enum class Outcome { Pending, Written, Unchanged, Failed };
    struct Entry {
        std::uint64_t start = 0;
        std::uint64_t end = 0;
        std::int32_t fromPercent = 0;
        std::int32_t toPercent = 0;
        bool cut = false;
        std::vector<std::uint8_t> bytes;
        Outcome outcome = Outcome::Failed;
        std::string path;
        std::string error;   // for the user, when there is something to say
        std::string staged;  // the staged log while it waits for its name
        int n = 1;           // the first name it may take
    };

    void Place(const Discharge& discharge);
    void Resolve(Entry& entry);
    void NameStaged(Entry& entry);
    void Flush();
    void Report(const Entry& entry);

    IImportFolder& m_folder;
    std::ostream& m_out;
    std::ostream& m_err;
    ImportCounts m_counts;
    std::vector<Entry> m_pending;
    bool m_folderTried = false;
    bool m_folderMade = false;
};

}  // namespace torvane

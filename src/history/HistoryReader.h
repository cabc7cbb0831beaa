// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <istream>

#include "history/HistoryLine.h"

namespace torvane {

struct HistoryReadCounts {
    std::uint64_t records = 0;
    std::uint64_t unreadable = 0;  // damaged lines, skipped
    bool failed = false;           // the stream broke off with an error before its end
};

// Reads a battery charge history line by line and hands every record to `sink` in file order.
// A line may end in LF or CRLF, the last one without either. Lines are never held past
// kMaxLineBytes: a longer one is unreadable, however long it is.
class HistoryReader {
public:
    static constexpr std::size_t kMaxLineBytes = 256;
    using RecordSink = std::function<void(const HistoryRecord&)>;

    static HistoryReadCounts Read(std::istream& in, const RecordSink& sink);
};

}  // namespace torvane

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/HistoryReader.h"

#include <array>
#include <cstring>
#include <string>

namespace torvane {

HistoryReadCounts HistoryReader::Read(std::istream& in, const RecordSink& sink) {
    HistoryReadCounts counts;
    std::string line;
    line.reserve(kMaxLineBytes);
    bool overlong = false;
    const auto endLine = [&] {
        const HistoryLine parsed =
            overlong ? HistoryLine{HistoryLineKind::Unreadable, {}} : ParseHistoryLine(line);
        if (parsed.kind == HistoryLineKind::Record) {
            ++counts.records;
            sink(parsed.record);
        } else if (parsed.kind == HistoryLineKind::Unreadable) {
            ++counts.unreadable;
        }
        line.clear();
        overlong = false;
    };

    std::array<char, 65536> buffer;
    while (in) {
        in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        const auto got = static_cast<std::size_t>(in.gcount());
        std::size_t start = 0;
        while (start < got) {
            const char* from = buffer.data() + start;
            const auto* feed = static_cast<const char*>(std::memchr(from, '\n', got - start));
            const std::size_t end =
                feed == nullptr ? got : static_cast<std::size_t>(feed - buffer.data());
            const std::size_t room = kMaxLineBytes - line.size();
            if (!overlong && end - start <= room) {
                line.append(from, end - start);
            } else {
                overlong = true;
            }
            if (feed == nullptr) {
                break;
            }
            endLine();
            start = end + 1;
        }
    }
    if (in.bad()) {
        counts.failed = true;
        return counts;
    }
    if (!line.empty() || overlong) {
        endLine();
    }
    return counts;
}

}  // namespace torvane

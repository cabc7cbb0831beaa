// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/HistoryImporter.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <utility>

#include "history/HistoryReader.h"
#include "logfile/BatteryLogFile.h"

namespace torvane {

namespace {

std::tm LocalTime(std::uint64_t seconds) {
    const auto t = static_cast<std::time_t>(seconds);
    std::tm local{};
    if (::localtime_r(&t, &local) == nullptr) {
        ::gmtime_r(&t, &local);
    }
    return local;
}

std::string Counted(std::uint64_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

HistoryImporter::HistoryImporter(IImportFolder& folder, std::ostream& out, std::ostream& err)
    : m_folder(folder), m_out(out), m_err(err) {}

std::string HistoryImporter::LogName(std::uint64_t start, int n) {
    const std::tm local = LocalTime(start);
    char name[64];
    std::snprintf(name, sizeof name, "%04d-%02d-%02d %02d%02d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min);
    std::string result = name;
    if (n > 1) {
        result += " (" + std::to_string(n) + ")";
    }
    return result + ".blf";
}

std::string HistoryImporter::LocalMinute(std::uint64_t time) {
    const std::tm local = LocalTime(time);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min);
    return text;
}

std::string HistoryImporter::DischargeLine(std::uint64_t start, std::uint64_t end,
                                           std::int32_t fromPercent, std::int32_t toPercent) {
    const std::uint64_t minutes = end > start ? (end - start) / 60 : 0;
    char text[96];
    std::snprintf(text, sizeof text, "  %llu:%.2lluh  %d%% -> %d%%  ",
                  static_cast<unsigned long long>(minutes / 60),
                  static_cast<unsigned long long>(minutes % 60), fromPercent, toPercent);
    return LocalMinute(start) + text;
}

bool HistoryImporter::Import(std::istream& history) {
    DischargeSplitter splitter([this](const Discharge& discharge) { Place(discharge); });
    const HistoryReadCounts read =
        HistoryReader::Read(history, [&splitter](const HistoryRecord& r) { splitter.Add(r); });
    if (!read.failed) {
        splitter.Finish();
    }
    Flush();
    m_counts.unreadable += read.unreadable;
    m_counts.noise += splitter.NoiseRuns();
    m_counts.histories += read.failed ? 0 : 1;
    return !read.failed;
}

void HistoryImporter::Place(const Discharge& discharge) {
    Entry entry;
    entry.start = discharge.start;
    entry.end = discharge.end;
    entry.fromPercent = discharge.fromPercent;
    entry.toPercent = discharge.toPercent;
    entry.cut = discharge.cut;
    entry.bytes = EncodeLogFile(discharge.log);
    entry.path = m_folder.PathOf(LogName(entry.start, 1));
    if (!m_folderTried) {
        m_folderTried = true;
        m_folderMade = m_folder.Make(entry.error);  // said once, with the first log
    }
    if (m_folderMade) {
        Resolve(entry);
    }
    m_pending.push_back(std::move(entry));
    if (m_pending.size() >= kBatch) {
        Flush();
    }
}

// Finds the log's name: the first one that holds it already, or the first free one, where it
// is staged. Names holding something else are passed over.
void HistoryImporter::Resolve(Entry& entry) {
    for (int n = 1; n <= kMaxSameNames; ++n) {
        const std::string name = LogName(entry.start, n);
        entry.path = m_folder.PathOf(name);
        switch (m_folder.Compare(name, entry.bytes)) {
            case IImportFolder::Existing::Same:
                entry.outcome = Outcome::Unchanged;
                return;
            case IImportFolder::Existing::Missing:
                if (m_folder.Stage(name, entry.bytes, entry.staged, entry.error)) {
                    entry.outcome = Outcome::Pending;
                    entry.n = n;
                }
                return;
            case IImportFolder::Existing::Different:
                break;
        }
    }
    entry.path = m_folder.PathOf(LogName(entry.start, 1));
    entry.error = "too many other files are named like " + entry.path;
}

// Names a flushed staged log. A name taken since it was chosen (by a log of this same batch,
// or by another program) is looked at again: it may hold this very log.
void HistoryImporter::NameStaged(Entry& entry) {
    for (int n = entry.n; n <= kMaxSameNames; ++n) {
        const std::string name = LogName(entry.start, n);
        entry.path = m_folder.PathOf(name);
        switch (m_folder.Name(entry.staged, name, entry.error)) {
            case IImportFolder::Named::Written:
                entry.outcome = Outcome::Written;
                return;
            case IImportFolder::Named::Failed:
                entry.outcome = Outcome::Failed;
                m_folder.Discard(entry.staged);
                return;
            case IImportFolder::Named::Taken:
                if (m_folder.Compare(name, entry.bytes) == IImportFolder::Existing::Same) {
                    entry.outcome = Outcome::Unchanged;
                    m_folder.Discard(entry.staged);
                    return;
                }
                break;
        }
    }
    m_folder.Discard(entry.staged);
    entry.outcome = Outcome::Failed;
    entry.path = m_folder.PathOf(LogName(entry.start, 1));
    entry.error = "too many other files are named like " + entry.path;
}

void HistoryImporter::Flush() {
    const bool anyStaged = std::any_of(m_pending.begin(), m_pending.end(), [](const Entry& e) {
        return e.outcome == Outcome::Pending;
    });
    std::string flushError;
    const bool flushed = !anyStaged || m_folder.Flush(flushError);
    bool anyWritten = false;
    for (Entry& entry : m_pending) {
        if (entry.outcome != Outcome::Pending) {
            continue;
        }
        if (!flushed) {
            entry.outcome = Outcome::Failed;
            entry.error = std::exchange(flushError, "");  // said once, with the first log
            m_folder.Discard(entry.staged);
            continue;
        }
        NameStaged(entry);
        anyWritten = anyWritten || entry.outcome == Outcome::Written;
    }
    if (anyWritten) {
        m_folder.Sync();
    }
    for (const Entry& entry : m_pending) {
        Report(entry);
    }
    m_pending.clear();
}

void HistoryImporter::Report(const Entry& entry) {
    const char* status = "failed";
    switch (entry.outcome) {
        case Outcome::Written:
            ++m_counts.written;
            status = "written";
            break;
        case Outcome::Unchanged:
            ++m_counts.unchanged;
            status = "unchanged";
            break;
        case Outcome::Pending:
        case Outcome::Failed:
            ++m_counts.failed;
            break;
    }
    if (!entry.error.empty()) {
        m_err << "torvane: " << entry.error << "\n";
    }

    m_out << DischargeLine(entry.start, entry.end, entry.fromPercent, entry.toPercent) << status
          << "  " << entry.path;
    if (entry.cut) {
        m_out << "  (the first " << BatteryLog::kCapacity << " samples)";
    }
    m_out << "\n";
}

std::string HistoryImporter::Summary() const {
    const std::uint64_t discharges = m_counts.written + m_counts.unchanged + m_counts.failed;
    std::string text = Counted(m_counts.histories, "history file", "history files") + " read, " +
                       Counted(discharges, "discharge", "discharges") + ": " +
                       std::to_string(m_counts.written) + " written, " +
                       std::to_string(m_counts.unchanged) + " unchanged";
    if (m_counts.failed > 0) {
        text += ", " + std::to_string(m_counts.failed) + " failed";
    }
    text += "; skipped " + Counted(m_counts.noise, "run", "runs") +
            " under 10 minutes or 3 points, " +
            Counted(m_counts.unreadable, "unreadable line", "unreadable lines");
    return text;
}

}  // namespace torvane

#include "history/HistoryImporter.h"

#include <cstdio>
#include <ctime>

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

bool HistoryImporter::Import(std::istream& history) {
    DischargeSplitter splitter([this](const Discharge& discharge) { Place(discharge); });
    const HistoryReadCounts read =
        HistoryReader::Read(history, [&splitter](const HistoryRecord& r) { splitter.Add(r); });
    m_counts.unreadable += read.unreadable;
    if (read.failed) {
        m_counts.noise += splitter.NoiseRuns();
        return false;
    }
    splitter.Finish();
    m_counts.noise += splitter.NoiseRuns();
    ++m_counts.histories;
    return true;
}

HistoryImporter::Placed HistoryImporter::Store(std::uint64_t start,
                                               const std::vector<std::uint8_t>& bytes) {
    using Existing = IImportFolder::Existing;
    Placed placed{Outcome::Failed, m_folder.PathOf(LogName(start, 1)), {}};
    if (!m_folderTried) {
        m_folderTried = true;
        m_folderMade = m_folder.Make(m_folderError);
        placed.error = m_folderError;  // said once, with the first log
    }
    if (!m_folderMade) {
        return placed;
    }
    for (int n = 1; n <= kMaxSameNames; ++n) {
        const std::string name = LogName(start, n);
        placed.path = m_folder.PathOf(name);
        Existing existing = m_folder.Compare(name, bytes);
        if (existing == Existing::Missing) {
            switch (m_folder.Create(name, bytes, placed.error)) {
                case IImportFolder::Created::Written:
                    placed.outcome = Outcome::Written;
                    return placed;
                case IImportFolder::Created::Failed:
                    return placed;
                case IImportFolder::Created::Taken:
                    // Made a moment ago, perhaps by another import of this very log.
                    existing = m_folder.Compare(name, bytes);
                    break;
            }
        }
        if (existing == Existing::Same) {
            placed.outcome = Outcome::Unchanged;
            return placed;
        }
    }
    placed.path = m_folder.PathOf(LogName(start, 1));
    placed.error = "too many other files are named like " + placed.path;
    return placed;
}

void HistoryImporter::Place(const Discharge& discharge) {
    const Placed placed = Store(discharge.start, EncodeLogFile(discharge.log));
    const char* status = "failed";
    switch (placed.outcome) {
        case Outcome::Written:
            ++m_counts.written;
            status = "written";
            break;
        case Outcome::Unchanged:
            ++m_counts.unchanged;
            status = "unchanged";
            break;
        case Outcome::Failed:
            ++m_counts.failed;
            break;
    }
    if (!placed.error.empty()) {
        m_err << "torvane: " << placed.error << "\n";
    }

    const std::tm start = LocalTime(discharge.start);
    const std::uint64_t minutes = (discharge.end - discharge.start) / 60;
    char line[128];
    std::snprintf(line, sizeof line, "%04d-%02d-%02d %02d:%02d  %llu:%.2lluh  %d%% -> %d%%  ",
                  start.tm_year + 1900, start.tm_mon + 1, start.tm_mday, start.tm_hour,
                  start.tm_min, static_cast<unsigned long long>(minutes / 60),
                  static_cast<unsigned long long>(minutes % 60), discharge.fromPercent,
                  discharge.toPercent);
    m_out << line << status << "  " << placed.path;
    if (discharge.cut) {
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

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "recorder/DischargeRecorder.h"

#include <algorithm>
#include <utility>

#include "history/DischargeSplitter.h"
#include "history/HistoryImporter.h"
#include "logdata/BatteryEstimate.h"
#include "logdata/IntMath.h"
#include "logfile/BatteryLogFile.h"

namespace torvane {

namespace {

// The same rules as for past discharges, in milliseconds.
constexpr std::int64_t kMaxGapMs = DischargeSplitter::kMaxGapSeconds * 1000;
constexpr std::int64_t kMinDischargeMs = DischargeSplitter::kMinRunSeconds * 1000;

// Whole minutes from `startMs` to `nowMs`, of seconds rounded as the window's session clock
// rounds them, so a reading a little early or late falls in the same minute.
std::int32_t MinutesBetween(std::int64_t startMs, std::int64_t nowMs) {
    const std::int64_t seconds = (std::max<std::int64_t>(nowMs - startMs, 0) + 500) / 1000;
    return intmath::Saturate(seconds / 60);
}

std::uint64_t Seconds(std::int64_t ms) {
    return ms > 0 ? static_cast<std::uint64_t>(ms / 1000) : 0;
}

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

}  // namespace

DischargeRecorder::DischargeRecorder(const RecorderServices& services, RecorderPlaces places,
                                     int timeScale)
    : m_services(services), m_places(std::move(places)), m_scale(std::max(timeScale, 1)) {}

std::int64_t DischargeRecorder::Now(const RealTime& time) const {
    return m_originMs + (time.sinceBootMs - m_originBootMs) * m_scale;
}

std::string DischargeRecorder::PathOf(const std::string& name) const {
    return m_places.folder + "/" + name;
}

void DischargeRecorder::Fail(bool& failing, const std::string& message) {
    if (!failing) {
        m_services.err << "torvane: " << message << "\n";
        m_services.err.flush();
    }
    failing = true;
}

void DischargeRecorder::Begin() {
    const RealTime time = m_services.clock.Now();
    m_originMs = time.sinceEpochMs;
    m_originBootMs = time.sinceBootMs;
    m_services.out << "Recording every discharge into " << m_places.folder;
    if (!m_places.metrics.empty()) {
        m_services.out << "; metrics in " << m_places.metrics;
    }
    m_services.out << "\n";
    m_services.out.flush();
    if (!m_services.makeFolder()) {
        Fail(m_writeFailing, "cannot make the folder " + m_places.folder +
                                 "; discharges are kept in memory until it can be written");
    }
    Restore();
}

void DischargeRecorder::Restore() {
    std::vector<std::uint8_t> text;
    if (m_services.files.ReadFile(m_places.state, RecorderState::kMaxBytes, text) !=
        FileReadResult::Ok) {
        return;  // no discharge was left open
    }
    const auto state =
        RecorderState::Decode({reinterpret_cast<const char*>(text.data()), text.size()});
    Discharge discharge;
    std::vector<std::uint8_t> bytes;
    // The state file is this folder's, whichever way the folder was named when it was written.
    const bool ours = state.has_value();
    if (!ours ||
        m_services.files.ReadFile(PathOf(state->file), kLogFileMaxBytes + 1, bytes) !=
            FileReadResult::Ok ||
        bytes.size() != state->bytes || RecorderState::FingerprintOf(bytes) != state->hash ||
        DecodeLogFile(bytes, discharge.log) != LogFileCheck::Ok || discharge.log.count < 1) {
        if (ours) {
            m_services.err << "torvane: " << PathOf(state->file)
                           << " is not as it was last written, so it is left alone; the next "
                              "discharge begins a new log\n";
            m_services.err.flush();
        }
        ClearState();
        return;
    }
    const BatteryLog& log = discharge.log;
    discharge.startMs = state->startMs;
    discharge.lastMs = state->lastMs;
    discharge.lastRealMs = state->lastRealMs;
    discharge.toPercent = log.percent[static_cast<std::size_t>(log.count - 1)];
    discharge.name = state->file;
    discharge.onDisk = std::move(bytes);
    m_current = std::move(discharge);
    m_takenUp = true;
    // The recorder's clock goes on from that reading by the real time since (none when the
    // clock was set back). After a longer gap than a discharge may have, it ended there.
    const RealTime time = m_services.clock.Now();
    const std::int64_t realGap = std::max<std::int64_t>(time.sinceEpochMs - state->lastRealMs, 0);
    if (realGap > kMaxGapMs / m_scale) {
        End();
        return;
    }
    m_originMs = state->lastMs + realGap * m_scale;
    m_originBootMs = time.sinceBootMs;
    m_stateSavedMs = m_originMs;
}

std::int64_t DischargeRecorder::Read() {
    const RealTime time = m_services.clock.Now();
    const std::int64_t now = Now(time);
    const PowerReading reading = m_services.power.Read();
    const bool onBattery = !reading.onAc;
    m_newSample = false;

    if (m_current && (!onBattery || now - m_current->lastMs > kMaxGapMs)) {
        End();
    }
    if (onBattery) {
        if (m_current) {
            GoOn(*m_current, now, time, reading.percent);
        } else if (reading.percent >= 0) {
            Start(now, time, reading.percent);
        }
    }

    // Logs are written with each new sample, and retried once a minute while they cannot be.
    if (m_newSample || (m_writeFailing && now - m_lastTryMs >= kRefreshMs)) {
        WriteHeld(now);
    } else if (m_current && now - m_stateSavedMs >= kRefreshMs) {
        SaveState(now);  // the last reading, for a restart to measure the gap from
    }
    WriteMetrics(reading, now);
    return onBattery ? kBatteryPeriodMs : kAcPeriodMs;
}

void DischargeRecorder::Finish() {
    const std::int64_t now = Now(m_services.clock.Now());
    WriteHeld(now);
    if (m_current) {
        SaveState(now);
    }
    if (!m_ended.empty() || (m_current && m_current->unwritten)) {
        m_services.err << "torvane: cannot write into " << m_places.folder
                       << ": the samples not written yet are lost\n";
        m_services.err.flush();
    }
}

void DischargeRecorder::Start(std::int64_t nowMs, const RealTime& time, std::int32_t percent) {
    Discharge discharge;
    discharge.startMs = nowMs;
    discharge.lastMs = nowMs;
    discharge.lastRealMs = time.sinceEpochMs;
    discharge.toPercent = percent;
    discharge.log.count = 1;
    discharge.log.minutes[0] = 0;
    discharge.log.percent[0] = percent;
    discharge.unwritten = true;
    m_current = std::move(discharge);
    m_takenUp = false;
    m_newSample = true;
    m_services.out << HistoryImporter::LocalMinute(Seconds(nowMs)) << "  discharge started at "
                   << percent << "%\n";
    m_services.out.flush();
}

void DischargeRecorder::GoOn(Discharge& discharge, std::int64_t nowMs, const RealTime& time,
                             std::int32_t percent) {
    discharge.lastMs = nowMs;
    discharge.lastRealMs = time.sinceEpochMs;
    if (std::exchange(m_takenUp, false)) {
        m_services.out << HistoryImporter::LocalMinute(Seconds(discharge.startMs))
                       << "  discharge goes on at "
                       << (percent >= 0 ? percent : discharge.toPercent) << "%  "
                       << PathOf(discharge.name) << "\n";
        m_services.out.flush();
    }
    if (percent < 0) {
        return;  // no level this second
    }
    discharge.toPercent = percent;
    BatteryLog& log = discharge.log;
    if (log.IsFull() || percent == log.percent[static_cast<std::size_t>(log.count - 1)]) {
        return;
    }
    const auto at = static_cast<std::size_t>(log.count++);
    log.minutes[at] = MinutesBetween(discharge.startMs, nowMs);
    log.percent[at] = percent;
    discharge.unwritten = true;
    m_newSample = true;
}

void DischargeRecorder::End() {
    Discharge discharge = std::move(*m_current);
    m_current.reset();
    m_takenUp = false;
    ClearState();

    const std::int32_t from = discharge.log.percent[0];
    const std::string line = HistoryImporter::DischargeLine(
        Seconds(discharge.startMs), Seconds(discharge.lastMs), from, discharge.toPercent);
    if (discharge.lastMs - discharge.startMs < kMinDischargeMs ||
        from - discharge.toPercent < DischargeSplitter::kMinFall) {
        // Noise. Its file goes, but only while it holds what was written for it.
        std::vector<std::uint8_t> held;
        if (!discharge.name.empty() &&
            m_services.files.ReadFile(PathOf(discharge.name), kLogFileMaxBytes + 1, held) ==
                FileReadResult::Ok &&
            held == discharge.onDisk) {
            m_services.files.RemoveFile(PathOf(discharge.name));
        }
        m_services.out << line << "skipped: under 10 minutes or 3 points\n";
        m_services.out.flush();
        return;
    }
    ++m_kept;
    if (!discharge.unwritten) {
        m_services.out << line << "kept  " << PathOf(discharge.name) << "\n";
    } else {
        m_services.out << line << "kept, to be written into " << m_places.folder
                       << " as soon as it can be\n";
        m_ended.push_back(std::move(discharge));
    }
    m_services.out.flush();
}

void DischargeRecorder::WriteHeld(std::int64_t nowMs) {
    bool failed = false;
    for (auto it = m_ended.begin(); it != m_ended.end();) {
        if (Write(*it)) {
            m_services.out << HistoryImporter::LocalMinute(Seconds(it->startMs)) << "  written  "
                           << PathOf(it->name) << "\n";
            m_services.out.flush();
            it = m_ended.erase(it);
        } else {
            failed = true;
            ++it;
        }
    }
    if (m_current && m_current->unwritten) {
        if (Write(*m_current)) {
            SaveState(nowMs);
        } else {
            failed = true;
        }
    }
    if (failed) {
        m_lastTryMs = nowMs;
    }
}

bool DischargeRecorder::Write(Discharge& discharge) {
    if (!m_services.makeFolder()) {
        Fail(m_writeFailing, "cannot make the folder " + m_places.folder +
                                 "; the discharge is kept in memory until it can be written");
        return false;
    }
    // A file that no longer holds what was written for it is someone else's now; one that is
    // gone is written again.
    std::string name = discharge.name;
    if (!name.empty()) {
        std::vector<std::uint8_t> held;
        const FileReadResult found =
            m_services.files.ReadFile(PathOf(name), kLogFileMaxBytes + 1, held);
        if (found == FileReadResult::ReadFailed ||
            (found == FileReadResult::Ok && held != discharge.onDisk)) {
            name.clear();
        }
    }
    if (name.empty()) {
        name = FreeName(discharge);
    }
    if (name.empty()) {
        Fail(m_writeFailing, "too many other files are named like " +
                                 PathOf(HistoryImporter::LogName(Seconds(discharge.startMs), 1)));
        return false;
    }
    std::vector<std::uint8_t> bytes = EncodeLogFile(discharge.log);
    if (m_services.files.WriteFile(PathOf(name), bytes) != FileWriteResult::Ok) {
        Fail(m_writeFailing, "cannot write " + PathOf(name) +
                                 "; the discharge is kept in memory until it can be written");
        return false;
    }
    discharge.name = std::move(name);
    discharge.onDisk = std::move(bytes);
    discharge.unwritten = false;
    m_writeFailing = false;
    return true;
}

std::string DischargeRecorder::FreeName(const Discharge& discharge) {
    std::vector<std::uint8_t> unused;
    for (int n = 1; n <= HistoryImporter::kMaxSameNames; ++n) {
        std::string name = HistoryImporter::LogName(Seconds(discharge.startMs), n);
        if (m_services.files.ReadFile(PathOf(name), 0, unused) == FileReadResult::CannotOpen) {
            return name;
        }
    }
    return "";
}

void DischargeRecorder::SaveState(std::int64_t nowMs) {
    m_stateSavedMs = nowMs;
    const Discharge& discharge = *m_current;
    if (discharge.name.empty()) {
        return;  // nothing on disk to go on with
    }
    const RecorderState state{m_places.folder,
                              discharge.name,
                              discharge.startMs,
                              discharge.lastMs,
                              discharge.lastRealMs,
                              discharge.onDisk.size(),
                              RecorderState::FingerprintOf(discharge.onDisk)};
    if (m_services.files.WriteFile(m_places.state, Bytes(state.Encode())) == FileWriteResult::Ok) {
        m_stateFailing = false;
        return;
    }
    Fail(m_stateFailing, "cannot write " + m_places.state +
                             "; after a restart the discharge would begin a new log");
}

void DischargeRecorder::ClearState() {
    m_services.files.RemoveFile(m_places.state);
}

void DischargeRecorder::WriteMetrics(const PowerReading& reading, std::int64_t nowMs) {
    if (m_places.metrics.empty()) {
        return;
    }
    RecorderFigures figures;
    figures.onBattery = !reading.onAc;
    figures.percent = reading.percent;
    figures.kept = m_kept;
    figures.batteries = reading.batteries;
    if (m_current) {
        const BatteryLog& log = m_current->log;
        RecorderFigures::Discharge shown;
        shown.startSeconds = m_current->startMs / 1000;
        shown.samples = log.count;
        // The estimate of the window's status line at this reading.
        StatusEstimateInput in;
        in.p = m_current->toPercent;
        in.tNow = MinutesBetween(m_current->startMs, nowMs);
        in.tLast = log.minutes[static_cast<std::size_t>(log.count - 1)];
        in.p0 = log.percent[0];
        in.n = log.count;
        if (const auto estimate = ComputeStatusEstimate(in)) {
            shown.lifeSeconds = std::int64_t{estimate->lifeMinutes} * 60;
            shown.leftSeconds = std::int64_t{estimate->leftMinutes} * 60;
        }
        figures.discharge = shown;
    }
    if (figures == m_shown && nowMs - m_metricsWrittenMs < kRefreshMs) {
        return;
    }
    // A failure is tried again at the next change, or a minute later.
    m_metricsWrittenMs = nowMs;
    if (m_services.files.WriteFile(m_places.metrics, Bytes(figures.MetricsText())) ==
        FileWriteResult::Ok) {
        m_metricsFailing = false;
    } else {
        Fail(m_metricsFailing, "cannot write the metrics file " + m_places.metrics);
    }
    m_shown = std::move(figures);
}

}  // namespace torvane

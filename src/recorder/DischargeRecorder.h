// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "logdata/BatteryLog.h"
#include "platform/IFileStore.h"
#include "platform/IPowerStatus.h"
#include "platform/IRealClock.h"
#include "recorder/RecorderFigures.h"
#include "recorder/RecorderState.h"

namespace torvane {

// The outside world of the recorder.
struct RecorderServices {
    IPowerStatus& power;
    IRealClock& clock;
    IFileStore& files;  // by host path: the logs, the state file, the metrics file
    // Makes the log folder when it is missing; true when it is there.
    std::function<bool()> makeFolder;
    std::ostream& out;  // what it does, a line each
    std::ostream& err;  // what goes wrong, once per run of failures
};

// Where the recorder keeps things, as host paths.
struct RecorderPlaces {
    std::string folder;     // the logs
    std::string state;      // the state file of this folder's recorder
    std::string metrics{};  // the Prometheus text file; empty for none
};

// Records every discharge of the machine as a battery log, without a window. It is driven by
// readings: the caller reads once at the start and then again after the period each reading
// asks for (one second on battery power, five on A/C power).
//
// A discharge starts at the first reading on battery power with a known level, and is sampled
// as a window session samples: a sample at its start and whenever the whole percent differs
// from the last sample, minutes counted from its start on a clock that counts the machine's
// sleep; the first 1000 samples are kept. It ends when A/C power is seen, or at its last
// reading before a gap of more than an hour (the machine slept). One that lasted under ten
// minutes or fell by fewer than three points is noise: its file is removed again.
//
// Each discharge is one log file in the folder, named after its local start time as imported
// logs are, never in place of a different file, and rewritten atomically after each sample. A
// state file says which file and which start, so a run that ends in the middle of a discharge
// (a crash, a kill, a restart) is followed by one that goes on with the same file, as long as
// the file still holds what was written and the discharge has not ended meanwhile. A folder
// that cannot be written stops nothing: the log stays in memory and is written whole as soon
// as it can be.
class DischargeRecorder {
public:
    static constexpr std::int64_t kBatteryPeriodMs = 1000;
    static constexpr std::int64_t kAcPeriodMs = 5000;
    // How often the state's last reading and the metrics are brought up to date, at least.
    static constexpr std::int64_t kRefreshMs = 60000;

    // With a time scale N the recorder's clock runs N times faster than real time, as the
    // window's timers do.
    DischargeRecorder(const RecorderServices& services, RecorderPlaces places, int timeScale);

    // Says where it records, and takes up the discharge an earlier run left, if it can.
    void Begin();
    // One reading of the power status; returns the time until the next one, in the recorder's
    // milliseconds.
    std::int64_t Read();
    // Before the program ends: writes what it holds. A discharge in progress stays open, for
    // the next run to go on with.
    void Finish();

    bool Recording() const { return m_current.has_value(); }
    std::uint64_t Kept() const { return m_kept; }

private:
    struct Discharge {
        std::int64_t startMs = 0;
        std::int64_t lastMs = 0;  // its last reading on battery power
        std::int64_t lastRealMs = 0;
        std::int32_t toPercent = 0;  // the last level read, recorded or not
        BatteryLog log;
        std::string name;                  // its file's name, once written
        std::vector<std::uint8_t> onDisk;  // what the file holds
        bool unwritten = false;            // samples the file lacks
    };

    std::int64_t Now(const RealTime& time) const;
    void Restore();
    void Start(std::int64_t nowMs, const RealTime& time, std::int32_t percent);
    void GoOn(Discharge& discharge, std::int64_t nowMs, const RealTime& time, std::int32_t percent);
    void End();
    // Writes every log that lacks samples: the ended ones, then the current one.
    void WriteHeld(std::int64_t nowMs);
    // Writes a log whole; true when it is on disk.
    bool Write(Discharge& discharge);
    // The first name for the discharge that no file has.
    std::string FreeName(const Discharge& discharge);
    void SaveState(std::int64_t nowMs);
    void ClearState();
    void WriteMetrics(const PowerReading& reading, std::int64_t nowMs);
    std::string PathOf(const std::string& name) const;
    // Says `message` once for a run of failures of the same kind.
    void Fail(bool& failing, const std::string& message);

    RecorderServices m_services;
    RecorderPlaces m_places;
    std::int64_t m_scale;
    // The recorder's time at one moment of the boot clock; it runs from there.
    std::int64_t m_originMs = 0;
    std::int64_t m_originBootMs = 0;

    std::optional<Discharge> m_current;
    bool m_takenUp = false;          // restored from the state; said at its first reading
    std::vector<Discharge> m_ended;  // kept, but not yet written
    std::uint64_t m_kept = 0;
    bool m_newSample = false;
    std::int64_t m_lastTryMs = 0;  // the last write that failed
    std::int64_t m_stateSavedMs = 0;
    std::optional<RecorderFigures> m_shown;  // what the metrics file says
    std::int64_t m_metricsWrittenMs = 0;
    bool m_writeFailing = false;
    bool m_stateFailing = false;
    bool m_metricsFailing = false;
};

}  // namespace torvane

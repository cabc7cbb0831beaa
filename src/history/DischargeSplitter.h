// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>

#include "history/HistoryLine.h"
#include "logdata/BatteryLog.h"

namespace torvane {

// One discharge found in a battery history, as a battery log.
struct Discharge {
    std::uint64_t start = 0;  // time of its first record
    std::uint64_t end = 0;    // time of its last record
    std::int32_t fromPercent = 0;
    std::int32_t toPercent = 0;
    bool cut = false;  // it changed level more often than a log holds: the first samples are kept
    BatteryLog log;
};

// Cuts a battery history into discharges. A discharge is a run of consecutive discharging
// records; any other state ends it (that record is not part of it), and so does a gap of more
// than an hour between two records or a record dated before the one it follows (that record
// may start the next run). Each run becomes a log as a live session records one: a sample at
// its first record and whenever the whole percent changes, minutes counted whole from the
// first record. Runs shorter than ten minutes, or falling by fewer than three points from
// their first record to their last, are noise and are dropped.
class DischargeSplitter {
public:
    static constexpr std::uint64_t kMaxGapSeconds = std::uint64_t{60} * 60;
    static constexpr std::uint64_t kMinRunSeconds = std::uint64_t{10} * 60;
    static constexpr std::int32_t kMinFall = 3;

    using Sink = std::function<void(const Discharge&)>;
    explicit DischargeSplitter(Sink sink) : m_sink(std::move(sink)) {}

    void Add(const HistoryRecord& record);
    // Ends the run in progress at the end of a history.
    void Finish();

    std::uint64_t NoiseRuns() const { return m_noise; }

private:
    void Start(const HistoryRecord& record);
    void End();

    Sink m_sink;
    bool m_open = false;
    Discharge m_run;
    std::uint64_t m_noise = 0;
};

}  // namespace torvane

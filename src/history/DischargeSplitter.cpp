// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/DischargeSplitter.h"

#include <limits>

namespace torvane {

void DischargeSplitter::Add(const HistoryRecord& record) {
    if (m_open) {
        if (record.state != ChargeState::Discharging) {
            End();
            return;
        }
        if (record.time < m_run.end || record.time - m_run.end > kMaxGapSeconds) {
            End();
        }
    }
    if (record.state != ChargeState::Discharging) {
        return;
    }
    if (!m_open) {
        Start(record);
        return;
    }

    m_run.end = record.time;
    m_run.toPercent = record.percent;
    BatteryLog& log = m_run.log;
    if (record.percent == log.percent[static_cast<std::size_t>(log.count - 1)]) {
        return;
    }
    if (log.IsFull()) {
        m_run.cut = true;
        return;
    }
    const std::uint64_t minutes = (record.time - m_run.start) / 60;
    const auto at = static_cast<std::size_t>(log.count++);
    log.minutes[at] = minutes > std::numeric_limits<std::int32_t>::max()
                          ? std::numeric_limits<std::int32_t>::max()
                          : static_cast<std::int32_t>(minutes);
    log.percent[at] = record.percent;
}

void DischargeSplitter::Finish() {
    if (m_open) {
        End();
    }
}

void DischargeSplitter::Start(const HistoryRecord& record) {
    m_open = true;
    m_run.start = record.time;
    m_run.end = record.time;
    m_run.fromPercent = record.percent;
    m_run.toPercent = record.percent;
    m_run.cut = false;
    m_run.log.count = 1;
    m_run.log.minutes[0] = 0;
    m_run.log.percent[0] = record.percent;
}

void DischargeSplitter::End() {
    m_open = false;
    if (m_run.end - m_run.start < kMinRunSeconds ||
        m_run.fromPercent - m_run.toPercent < kMinFall) {
        ++m_noise;
        return;
    }
    m_sink(m_run);
}

}  // namespace torvane

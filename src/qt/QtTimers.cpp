// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/QtTimers.h"

#include <QMetaObject>
#include <QObject>
#include <QTimer>
#include <algorithm>
#include <climits>

namespace torvane {

QtTimers::QtTimers(int timeScale)
    : m_scale(std::max(timeScale, 1)),
      m_clock(m_scale),
      m_postTarget(std::make_unique<QObject>()) {}

QtTimers::~QtTimers() = default;

void QtTimers::SetHandler(Handler handler) {
    m_handler = std::move(handler);
}

int QtTimers::ScaledInterval(unsigned int periodMs, int timeScale) {
    const auto scale = static_cast<unsigned int>(std::max(timeScale, 1));
    // Whole seconds stay whole multiples of one scaled second, so that timers whose periods
    // are multiples of each other fall due together, as they do unscaled, and share a wake-up.
    const unsigned int second = 1000 / scale;
    const unsigned int scaled =
        second > 0 ? periodMs / 1000 * second + periodMs % 1000 / scale : periodMs / scale;
    return static_cast<int>(std::clamp(scaled, 1u, static_cast<unsigned int>(INT_MAX)));
}

unsigned int QtTimers::SetTimer(unsigned int timerId, unsigned int periodMs) {
    auto& timer = m_timers[timerId];
    if (!timer) {
        timer = std::make_unique<QTimer>();
        // The one-second ticks read the power and redraw the run time; they stay on the
        // second so the minute shown turns over when the clock's does.
        timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer.get(), &QTimer::timeout, [this, timerId] {
            // A copy, so the handler may replace itself while it runs.
            const Handler handler = m_handler;
            if (handler) {
                handler(timerId);
            }
        });
    }
    timer->start(ScaledInterval(periodMs, m_scale));
    return timerId != 0 ? timerId : 1;
}

void QtTimers::KillTimer(unsigned int timerId) {
    // Only stopped, never destroyed here: the handler may be running inside its timeout.
    if (auto it = m_timers.find(timerId); it != m_timers.end()) {
        it->second->stop();
    }
}

void QtTimers::Post(std::function<void()> call) {
    QMetaObject::invokeMethod(m_postTarget.get(), std::move(call), Qt::QueuedConnection);
}

bool QtTimers::IsRunning(unsigned int timerId) const {
    const auto it = m_timers.find(timerId);
    return it != m_timers.end() && it->second->isActive();
}

}  // namespace torvane

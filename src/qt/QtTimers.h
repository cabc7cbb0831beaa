// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <map>
#include <memory>

#include "platform/ITimers.h"
#include "platform/ScaledClock.h"

class QObject;
class QTimer;

namespace torvane {

// The window timers as Qt timers on the user-interface thread, one per identifier. With a
// time scale N every period is N times shorter (at least 1 ms), and the clock runs N times
// faster, for demonstrations and tests. Qt itself keeps a timer from firing again while its
// own handler runs.
class QtTimers : public ITimers {
public:
    explicit QtTimers(int timeScale);
    ~QtTimers() override;

    QtTimers(const QtTimers&) = delete;
    QtTimers& operator=(const QtTimers&) = delete;

    void SetHandler(Handler handler) override;
    unsigned int SetTimer(unsigned int timerId, unsigned int periodMs) override;
    void KillTimer(unsigned int timerId) override;
    std::int64_t NowMs() const override { return m_clock.NowMs(); }
    void Post(std::function<void()> call) override;

    bool IsRunning(unsigned int timerId) const;
    // The interval a timer of `periodMs` runs at under `timeScale`.
    static int ScaledInterval(unsigned int periodMs, int timeScale);

private:
    int m_scale;
    ScaledClock m_clock;
    // Posted calls are delivered to it, so they go when the timers do.
    std::unique_ptr<QObject> m_postTarget;
    Handler m_handler;
    std::map<unsigned int, std::unique_ptr<QTimer>> m_timers;
};

}  // namespace torvane

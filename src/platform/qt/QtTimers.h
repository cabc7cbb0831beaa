#pragma once

#include <map>
#include <memory>

#include "platform/ITimers.h"

class QTimer;

namespace torvane {

// The window timers as Qt timers on the user-interface thread, one per identifier. With a
// time scale N every period is N times shorter (at least 1 ms), for demonstrations and tests.
class QtTimers : public ITimers {
public:
    explicit QtTimers(int timeScale);
    ~QtTimers() override;

    QtTimers(const QtTimers&) = delete;
    QtTimers& operator=(const QtTimers&) = delete;

    void SetHandler(Handler handler) override;
    unsigned int SetTimer(unsigned int timerId, unsigned int periodMs) override;
    void KillTimer(unsigned int timerId) override;

    bool IsRunning(unsigned int timerId) const;
    // The interval a timer of `periodMs` runs at under `timeScale`.
    static int ScaledInterval(unsigned int periodMs, int timeScale);

private:
    int m_scale;
    Handler m_handler;
    std::map<unsigned int, std::unique_ptr<QTimer>> m_timers;
};

}  // namespace torvane

#pragma once

#include <functional>

namespace torvane {

// Window timers of the main window: periodic, identified by number, delivered one at a time
// on the user-interface thread to a single handler.
class ITimers {
public:
    using Handler = std::function<void(unsigned int timerId)>;

    virtual ~ITimers() = default;
    virtual void SetHandler(Handler handler) = 0;
    // Starts (or restarts) timer `timerId` with the given period; returns a non-zero handle.
    virtual unsigned int SetTimer(unsigned int timerId, unsigned int periodMs) = 0;
    // Stops timer `timerId`; stopping a timer that does not run is harmless.
    virtual void KillTimer(unsigned int timerId) = 0;
};

}  // namespace torvane

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>

namespace torvane {

// Window timers of the main window: periodic, identified by number, delivered one at a time
// on the user-interface thread to a single handler. A timer is never delivered again while its
// own handler still runs (a box opened from the handler runs a nested loop in which the other
// timers and posted calls go on); its ticks due meanwhile are dropped.
class ITimers {
public:
    using Handler = std::function<void(unsigned int timerId)>;

    virtual ~ITimers() = default;
    virtual void SetHandler(Handler handler) = 0;
    // Starts (or restarts) timer `timerId` with the given period; returns a non-zero handle.
    virtual unsigned int SetTimer(unsigned int timerId, unsigned int periodMs) = 0;
    // Stops timer `timerId`; stopping a timer that does not run is harmless.
    virtual void KillTimer(unsigned int timerId) = 0;
    // The clock the timers run on, in milliseconds of the periods (so sped up as they are).
    virtual std::int64_t NowMs() const = 0;
    // Runs `call` on the user-interface thread from the event loop, as a posted message is:
    // never inside the handler that posts it, but possibly inside a nested loop that handler
    // opens (a box), so the call must not rely on the handler having returned. Calls still
    // waiting when the timers go are dropped.
    virtual void Post(std::function<void()> call) = 0;
};

}  // namespace torvane

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/CMonitorApp.h"
#include "fakes/FakePlatform.h"
#include "fakes/FakeTimers.h"
#include "fakes/MemoryFileStore.h"
#include "fakes/MemoryRegistry.h"

namespace torvane::test {

// Every background service of the program's window as a double, in one place, counting the
// power-offs asked for. Only for tests that link the app library.
struct FakeBackgroundServices {
    FakePowerStatus power;
    FakeTimers timers;
    MemoryRegistry registry;
    MemoryFileStore files;
    FakeSuspendInhibitor inhibitor;
    int powerOffs = 0;

    BackgroundServices Services() { return Services(timers); }
    // The same, on other timers (the real ones, say).
    BackgroundServices Services(ITimers& otherTimers) {
        return {power, otherTimers, registry, files, inhibitor, nullptr, [this] { ++powerOffs; },
                {}};
    }
};

}  // namespace torvane::test

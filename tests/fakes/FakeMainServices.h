// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fakes/FakePlatform.h"
#include "fakes/FakeTimers.h"
#include "fakes/MemoryFileStore.h"
#include "fakes/MemoryRegistry.h"
#include "session/MainServices.h"

namespace torvane::test {

// Every outside service of the main window's owner as a double, in one place. Only for tests
// that link the session library.
struct FakeMainServices {
    FakePowerStatus power;
    FakeTimers timers;
    MemoryRegistry registry;
    FakeWindowHost window;
    ScriptedMessageBox messages;
    ScriptedFileDialog fileDialog;
    MemoryFileStore files;
    FakeNotifyIcon notifyIcon;
    FakePowerOffKey powerOffKey;
    FakeSuspendInhibitor inhibitor;

    MainServices Services() { return Services(power); }
    // The same, reading the battery from `otherPower`.
    MainServices Services(IPowerStatus& otherPower) {
        return {otherPower, timers, registry,   window,      messages,
                fileDialog, files,  notifyIcon, powerOffKey, inhibitor};
    }
};

}  // namespace torvane::test

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace torvane {

class IPowerStatus;
class ITimers;
class IRegistry;
class IWindowHost;
class IMessageBox;
class IFileDialog;
class IFileStore;
class INotifyIcon;
class IPowerOffKey;
class ISuspendInhibitor;
class ISuspendTimeoutJournal;

// The outside services the main window's owner works through; the Qt program passes the
// Linux backends, the tests pass doubles.
struct MainServices {
    IPowerStatus& power;
    ITimers& timers;
    IRegistry& registry;
    IWindowHost& window;
    IMessageBox& messages;
    IFileDialog& fileDialog;
    IFileStore& files;
    INotifyIcon& notifyIcon;
    IPowerOffKey& powerOffKey;
    ISuspendInhibitor& suspendInhibitor;
    // Where a switched-off suspend timeout is kept for a crash; none: nothing is kept.
    ISuspendTimeoutJournal* suspendJournal = nullptr;
};

}  // namespace torvane

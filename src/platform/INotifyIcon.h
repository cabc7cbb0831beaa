// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace torvane {

// The notification-area icon. Failures are ignored (there may be no tray at all).
class INotifyIcon {
public:
    virtual ~INotifyIcon() = default;
    virtual void Add() = 0;
    virtual void Remove() = 0;
    // True when the icon is in a notification area now, so the window can hide behind it. A
    // tray can come and go: asked anew each time, and the icon is added when one has come.
    virtual bool Available() = 0;
};

}  // namespace torvane

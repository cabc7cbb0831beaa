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
};

}  // namespace torvane

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <memory>

#include "platform/INotifyIcon.h"

class QSystemTrayIcon;

namespace torvane {

// The notification-area icon as a system tray icon: an X11 tray or a StatusNotifier host on
// D-Bus, on X11 and on Wayland. Where the desktop has no tray nothing is shown and nothing
// fails.
class QtNotifyIcon : public INotifyIcon {
public:
    // `onTap` runs when the user clicks the icon.
    explicit QtNotifyIcon(std::function<void()> onTap);
    ~QtNotifyIcon() override;

    void Add() override;
    void Remove() override;
    bool Available() override;

private:
    std::function<void()> m_onTap;
    std::unique_ptr<QSystemTrayIcon> m_icon;
};

}  // namespace torvane

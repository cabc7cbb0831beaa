// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace torvane {

// What the main window's owner asks of the window that shows it.
class IWindowHost {
public:
    virtual ~IWindowHost() = default;
    virtual void SetGoCaption(const std::string& caption) = 0;
    virtual void EnableGo(bool enabled) = 0;
    // Invalidate the whole client area with erasing and update at once (ends in OnPaint).
    virtual void FullRedraw() = 0;
    // Draw the graph at once over what the window shows, without invalidating.
    virtual void RedrawNow() = 0;
    virtual void Minimize() = 0;
    // Hide the window; the notification icon brings it back.
    virtual void HideToNotifyIcon() = 0;
    // Show the window, from minimised or hidden, and bring it to the foreground, with the
    // activation token of a later start when there is one (empty: none). True when the desktop
    // was asked with the token; without one it may keep the window behind others.
    virtual bool ShowAndActivate(const std::string& activationToken) = 0;
    // End the modal loop with the given exit code.
    virtual void PostQuit(int exitCode) = 0;
};

}  // namespace torvane

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "platform/IWindowHost.h"

namespace torvane {

// The Go/Stop push button (control 1005): remembers its caption and enabled state and mirrors
// every change to the window that shows it.
class CGoButton {
public:
    explicit CGoButton(IWindowHost& window) : m_window(window) {}

    void SetWindowText(const std::string& caption) {
        m_strCaption = caption;
        m_window.SetGoCaption(caption);
    }
    void EnableWindow(bool enabled) {
        m_bEnabled = enabled;
        m_window.EnableGo(enabled);
    }
    const std::string& Caption() const { return m_strCaption; }
    bool IsEnabled() const { return m_bEnabled; }

private:
    IWindowHost& m_window;
    std::string m_strCaption = "Stop";  // the template's text until start-up captions it
    bool m_bEnabled = true;
};

}  // namespace torvane

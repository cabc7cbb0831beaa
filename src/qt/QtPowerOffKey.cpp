// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/QtPowerOffKey.h"

namespace torvane {

void QtPowerOffKey::KeyEvent(std::uint8_t virtualKey, std::uint32_t flags) {
    if (virtualKey != VK_OFF) {
        return;
    }
    if ((flags & KEYEVENTF_KEYUP) == 0) {
        m_bOffKeyDown = true;
        return;
    }
    if (m_bOffKeyDown) {
        m_bOffKeyDown = false;
        if (m_powerOff) {
            m_powerOff();
        }
    }
}

}  // namespace torvane

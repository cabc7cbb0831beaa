// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>
#include <utility>

#include "platform/IPowerOffKey.h"

namespace torvane {

// The power-off key: a press of the power-off key (down, then
// up) switches the machine off through the action it was given.
class QtPowerOffKey : public IPowerOffKey {
public:
    explicit QtPowerOffKey(std::function<void()> powerOff) : m_powerOff(std::move(powerOff)) {}

    void KeyEvent(std::uint8_t virtualKey, std::uint32_t flags) override;

private:
    std::function<void()> m_powerOff;
    bool m_bOffKeyDown = false;
};

}  // namespace torvane

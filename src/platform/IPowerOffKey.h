// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace torvane {

constexpr std::uint8_t VK_OFF = 223;
constexpr std::uint32_t KEYEVENTF_KEYUP = 2;

// Synthesised key events; the power-off key switches the machine off.
class IPowerOffKey {
public:
    virtual ~IPowerOffKey() = default;
    virtual void KeyEvent(std::uint8_t virtualKey, std::uint32_t flags) = 0;
};

}  // namespace torvane

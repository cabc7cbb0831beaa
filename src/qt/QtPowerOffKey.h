#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "platform/IPowerOffKey.h"

namespace torvane {

// The power-off key: every key event is recorded, and a press of the power-off key (down, then
// up) switches the machine off through the action it was given.
class QtPowerOffKey : public IPowerOffKey {
public:
    explicit QtPowerOffKey(std::function<void()> powerOff) : m_powerOff(std::move(powerOff)) {}

    void KeyEvent(std::uint8_t virtualKey, std::uint32_t flags) override;

    const std::vector<std::pair<std::uint8_t, std::uint32_t>>& Events() const { return m_events; }

private:
    std::function<void()> m_powerOff;
    std::vector<std::pair<std::uint8_t, std::uint32_t>> m_events;
    bool m_bOffKeyDown = false;
};

}  // namespace torvane

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <cstdint>

namespace torvane {

// Session time: real time since the clock was made, run `scale` times faster, the same way
// the timers are sped up.
class ScaledClock {
public:
    explicit ScaledClock(int scale) : m_scale(scale < 1 ? 1 : scale) {}

    std::int64_t NowMs() const {
        const auto elapsed = std::chrono::steady_clock::now() - m_start;
        return std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count() * m_scale;
    }

private:
    int m_scale;
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
};

}  // namespace torvane

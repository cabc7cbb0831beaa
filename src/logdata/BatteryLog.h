// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>

namespace torvane {

// One series of samples: elapsed whole minutes and battery percent. Fixed capacity, held inline.
struct BatteryLog {
    static constexpr int kCapacity = 1000;

    std::int32_t count = 0;
    std::array<std::int32_t, kCapacity> minutes{};
    std::array<std::int32_t, kCapacity> percent{};

    bool IsFull() const { return count >= kCapacity; }
};

}  // namespace torvane

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace torvane {

// One battery of the machine, as the system reports it.
struct BatteryFigures {
    std::string name;  // the system's name for it, such as "BAT0"
    int percent = -1;  // its own level 0 to 100, or -1 when it gives none
    bool discharging = false;
    // Its health: the last full charge and the design capacity, both of the energy pair or
    // both of the charge pair; the design capacity is 0 when neither pair is known.
    std::int64_t full = 0;
    std::int64_t fullDesign = 0;
    std::int64_t cycleCount = 0;  // 0 when the battery does not count its cycles

    bool operator==(const BatteryFigures&) const = default;
};

// The machine's power status at one moment.
struct PowerReading {
    // True when on mains power, and also whenever the status cannot be read.
    bool onAc = true;
    // Battery level 0 to 100 over every battery, or -1 when nothing can be read.
    int percent = -1;
    // The batteries that make up the level, in the order of their names.
    std::vector<BatteryFigures> batteries;
};

// The system's power status: every call reads it afresh, so the A/C line, the level and the
// batteries' figures all come from one look at the machine.
class IPowerStatus {
public:
    virtual ~IPowerStatus() = default;
    virtual PowerReading Read() = 0;
};

}  // namespace torvane

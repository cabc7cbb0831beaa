// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/IPowerStatus.h"

namespace torvane {

// What one supply of the kernel's power_supply class reported at one look: the first line of
// each attribute file without surrounding blanks. A text is empty and a number absent when
// the file is missing, cannot be read, or (for a number) holds no whole number.
struct PowerSupplyRecord {
    std::string name{};  // the supply's folder, such as "BAT0" or "AC"
    std::string type{};  // "Battery", "Mains", "USB", ...
    std::string scope{};
    std::string present{};
    std::string status{};
    std::optional<std::int64_t> online{};
    std::optional<std::int64_t> energyNow{}, energyFull{}, energyFullDesign{};
    std::optional<std::int64_t> chargeNow{}, chargeFull{}, chargeFullDesign{};
    std::optional<std::int64_t> capacity{};
    std::optional<std::int64_t> cycleCount{};
};

// The supplies that feed the machine from outside: mains adapters and USB ports of every kind
// ("USB", "USB_C", "USB_PD", ...). Other types, such as a phone's "BMS", are never chargers.
bool IsChargerType(std::string_view type);

// A battery of the machine: type "Battery", not an empty bay (present "0") and not a
// peripheral's (scope "Device").
bool IsMachineBattery(const PowerSupplyRecord& supply);
// A charger of the machine: a charger type, not a peripheral's.
bool IsMachineCharger(const PowerSupplyRecord& supply);

// The level looks at the charge pair only when some battery of the machine lacks the energy
// pair, and at the capacities only when some battery lacks each pair. A reader may leave out
// what is not looked at: the reading stays the same.
bool LevelUsesChargePair(const std::vector<PowerSupplyRecord>& supplies);
bool LevelUsesCapacity(const std::vector<PowerSupplyRecord>& supplies);
// The charge pair's last full charge counts for a battery's health when its energy pair has
// no health of its own and the charge pair's design capacity is known.
bool HealthUsesChargeFull(const PowerSupplyRecord& battery);

// The machine's power status from its supplies, batteries in the order given.
//
// The level is 100 x the sum of energy_now over the sum of energy_full, or of the charge_
// pair when not every battery reports energy, else the mean of "capacity"; clamped to 0..100,
// and -1 when nothing can be read. Whether the machine is on A/C is decided by its chargers
// when it has any: one online means A/C, all offline means battery power, whatever the
// batteries say; one that cannot be read counts as online. Only without a charger does a
// battery decide: one discharging means battery power. Each battery's own level comes from
// the first of its figures that gives one, its health from the first pair whose last full
// charge and design capacity are both known.
PowerReading ReadingOfSupplies(const std::vector<PowerSupplyRecord>& supplies);

}  // namespace torvane

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PowerSupplyRecord.h"

#include <algorithm>

namespace torvane {

namespace {

// Sums of attribute values in a type wide enough that absurd values cannot overflow.
__extension__ using Wide = __int128;

using Figure = std::optional<std::int64_t> PowerSupplyRecord::*;

// 100 x now / full, within 0..100, when both are known and full is above 0.
std::optional<int> PercentOf(std::optional<std::int64_t> now, std::optional<std::int64_t> full) {
    if (!now || !full || *full <= 0) {
        return std::nullopt;
    }
    return static_cast<int>(std::clamp<Wide>(Wide{100} * *now / *full, 0, 100));
}

bool EveryBatteryHas(const std::vector<PowerSupplyRecord>& supplies, Figure now, Figure full) {
    return std::all_of(supplies.begin(), supplies.end(), [&](const PowerSupplyRecord& s) {
        return !IsMachineBattery(s) || ((s.*now) && (s.*full));
    });
}

// 100 x now / full over every battery, when every battery reports the pair.
std::optional<std::int64_t> PairPercent(const std::vector<PowerSupplyRecord>& supplies, Figure now,
                                        Figure full) {
    Wide sumNow = 0;
    Wide sumFull = 0;
    for (const PowerSupplyRecord& b : supplies) {
        if (!IsMachineBattery(b)) {
            continue;
        }
        if (!(b.*now) || !(b.*full)) {
            return std::nullopt;
        }
        sumNow += *(b.*now);
        sumFull += *(b.*full);
    }
    if (sumFull <= 0) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(std::clamp<Wide>(100 * sumNow / sumFull, -1, 101));
}

// The mean of the capacities the batteries report.
std::optional<std::int64_t> MeanCapacity(const std::vector<PowerSupplyRecord>& supplies) {
    Wide sum = 0;
    std::int64_t count = 0;
    for (const PowerSupplyRecord& b : supplies) {
        if (IsMachineBattery(b) && b.capacity) {
            sum += *b.capacity;
            ++count;
        }
    }
    if (count == 0) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(std::clamp<Wide>(sum / count, -1, 101));
}

struct LevelFigures {
    bool chargePair;
    bool capacity;
};

// One battery's own level, from the first of the figures the level looks at that gives one.
int OwnPercent(const PowerSupplyRecord& b, LevelFigures uses) {
    if (const auto energy = PercentOf(b.energyNow, b.energyFull)) {
        return *energy;
    }
    if (const auto charge = PercentOf(b.chargeNow, b.chargeFull); charge && uses.chargePair) {
        return *charge;
    }
    if (b.capacity && uses.capacity) {
        return static_cast<int>(std::clamp<std::int64_t>(*b.capacity, 0, 100));
    }
    return -1;
}

BatteryFigures FiguresOf(const PowerSupplyRecord& b, LevelFigures uses) {
    BatteryFigures figures{b.name, OwnPercent(b, uses), b.status == "Discharging"};
    if (b.energyFull && b.energyFullDesign) {
        figures.full = *b.energyFull;
        figures.fullDesign = *b.energyFullDesign;
    } else if (b.chargeFull && b.chargeFullDesign) {
        figures.full = *b.chargeFull;
        figures.fullDesign = *b.chargeFullDesign;
    }
    figures.cycleCount = b.cycleCount.value_or(0);
    return figures;
}

}  // namespace

bool IsChargerType(std::string_view type) {
    return type == "Mains" || type.substr(0, 3) == "USB";
}

bool IsMachineBattery(const PowerSupplyRecord& supply) {
    return supply.type == "Battery" && supply.present != "0" && supply.scope != "Device";
}

bool IsMachineCharger(const PowerSupplyRecord& supply) {
    return IsChargerType(supply.type) && supply.scope != "Device";
}

bool LevelUsesChargePair(const std::vector<PowerSupplyRecord>& supplies) {
    return !EveryBatteryHas(supplies, &PowerSupplyRecord::energyNow,
                            &PowerSupplyRecord::energyFull);
}

bool LevelUsesCapacity(const std::vector<PowerSupplyRecord>& supplies) {
    return LevelUsesChargePair(supplies) &&
           !EveryBatteryHas(supplies, &PowerSupplyRecord::chargeNow,
                            &PowerSupplyRecord::chargeFull);
}

bool HealthUsesChargeFull(const PowerSupplyRecord& battery) {
    return (!battery.energyFull || !battery.energyFullDesign) && battery.chargeFullDesign;
}

PowerReading ReadingOfSupplies(const std::vector<PowerSupplyRecord>& supplies) {
    PowerReading reading;
    const LevelFigures uses{LevelUsesChargePair(supplies), LevelUsesCapacity(supplies)};
    const bool anyBattery = std::any_of(supplies.begin(), supplies.end(), IsMachineBattery);
    std::optional<std::int64_t> percent;
    if (anyBattery) {
        percent =
            PairPercent(supplies, &PowerSupplyRecord::energyNow, &PowerSupplyRecord::energyFull);
        if (!percent && uses.chargePair) {
            percent = PairPercent(supplies, &PowerSupplyRecord::chargeNow,
                                  &PowerSupplyRecord::chargeFull);
        }
        if (!percent && uses.capacity) {
            percent = MeanCapacity(supplies);
        }
    }
    if (percent) {
        reading.percent = static_cast<int>(std::clamp<std::int64_t>(*percent, 0, 100));
    }

    bool anyCharger = false;
    bool chargerOnline = false;
    bool discharging = false;
    for (const PowerSupplyRecord& s : supplies) {
        if (IsMachineBattery(s)) {
            reading.batteries.push_back(FiguresOf(s, uses));
            discharging = discharging || reading.batteries.back().discharging;
        } else if (IsMachineCharger(s)) {
            anyCharger = true;
            // One that cannot be read counts as online.
            chargerOnline = chargerOnline || !s.online || *s.online > 0;
        }
    }
    // The chargers know whether the cable is in; a battery may still read "Full" or "Not
    // charging" for a while after it was pulled.
    reading.onAc = anyCharger ? chargerOnline : !discharging;
    return reading;
}

}  // namespace torvane

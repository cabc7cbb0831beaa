#pragma once

#include <string>

#include "platform/IPowerStatus.h"

namespace torvane {

// The machine's power status from the kernel's power_supply class folder, read afresh on
// every call.
//
// Batteries are the supplies of type "Battery" that are present and not a peripheral's
// (scope "Device"). Their level is 100 x the sum of energy_now over the sum of energy_full,
// or of the charge_ pair when not every battery reports energy, else the mean of "capacity";
// clamped to 0..100, and -1 when nothing can be read. The machine is on A/C when any other
// supply is online; with none online, a discharging battery means battery power; in every
// other case, and when the folder cannot be read, it counts as A/C.
class SysfsPowerStatus : public IPowerStatus {
public:
    explicit SysfsPowerStatus(std::string powerSupplyDir);

    int BatteryPercent() override;
    bool OnAcPower() override;

    struct Reading {
        int percent = -1;
        bool onAc = true;
    };
    Reading Read() const;

private:
    std::string m_dir;
};

}  // namespace torvane

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <dirent.h>
#include <sys/types.h>

#include <map>
#include <string>
#include <vector>

#include "platform/IPowerStatus.h"

namespace torvane {

// The machine's power status from the kernel's power_supply class folder, read afresh on
// every call.
//
// Batteries are the supplies of type "Battery" that are present and not a peripheral's
// (scope "Device"). Their level is 100 x the sum of energy_now over the sum of energy_full,
// or of the charge_ pair when not every battery reports energy, else the mean of "capacity";
// clamped to 0..100, and -1 when nothing can be read. Whether the machine is on A/C is decided
// by its chargers (mains and USB supplies, not a peripheral's) when it has any: one online
// means A/C, all offline means battery power, whatever the batteries say. Only without a
// charger does a battery decide: one discharging means battery power. In every other case,
// and when the folder or a charger cannot be read, it counts as A/C.
class SysfsPowerStatus : public IPowerStatus {
public:
    explicit SysfsPowerStatus(std::string powerSupplyDir);
    ~SysfsPowerStatus() override;

    SysfsPowerStatus(const SysfsPowerStatus&) = delete;
    SysfsPowerStatus& operator=(const SysfsPowerStatus&) = delete;

    PowerReading Read() override;

private:
    // The folder and each supply's folder stay open between readings (every attribute is
    // still opened afresh, by name): a reading costs system calls, and these are most of them.
    int SupplyFd(const std::string& name);
    PowerReading ReadSupplies(const std::vector<std::string>& names);
    void CloseAll();

    std::string m_dir;
    struct KeptFolder {
        int fd;
        dev_t dev;
        ino_t ino;
    };
    DIR* m_folder = nullptr;
    dev_t m_folderDev = 0;
    ino_t m_folderIno = 0;
    std::map<std::string, KeptFolder> m_supplies;
};

}  // namespace torvane

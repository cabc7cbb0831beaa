#pragma once

#include <dirent.h>
#include <sys/types.h>

#include <cstdint>
#include <functional>
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
    // Monotonic time in nanoseconds; the steady clock unless a test gives another.
    using Clock = std::function<std::int64_t()>;

    explicit SysfsPowerStatus(std::string powerSupplyDir, Clock clock = {});
    ~SysfsPowerStatus() override;

    SysfsPowerStatus(const SysfsPowerStatus&) = delete;
    SysfsPowerStatus& operator=(const SysfsPowerStatus&) = delete;

    int BatteryPercent() override;
    bool OnAcPower() override;

    struct Reading {
        int percent = -1;
        bool onAc = true;
    };
    Reading Read() const;

    // The two questions of one timer tick are asked microseconds apart; they are answered
    // from one reading, which halves the cost of a tick. A reading older than this is never
    // reused, so answers stay fresh for anything that asks once per tick or less often.
    static constexpr std::int64_t kSameTickNs = 250'000;

private:
    Reading Current();
    // The folder and each supply's folder stay open between readings (every attribute is
    // still opened afresh, by name): a reading costs system calls, and these are most of them.
    int SupplyFd(const std::string& name) const;
    Reading ReadSupplies(const std::vector<std::string>& names) const;
    void CloseAll() const;

    std::string m_dir;
    Clock m_clock;
    struct KeptFolder {
        int fd;
        dev_t dev;
        ino_t ino;
    };
    mutable DIR* m_folder = nullptr;
    mutable dev_t m_folderDev = 0;
    mutable ino_t m_folderIno = 0;
    mutable std::map<std::string, KeptFolder> m_supplies;
    Reading m_last;
    std::int64_t m_lastNs = 0;
    bool m_bHaveLast = false;
};

}  // namespace torvane

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <dirent.h>
#include <sys/types.h>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/IPowerStatus.h"
#include "platform/PowerSupplyRecord.h"

namespace torvane {

// The machine's power status from the kernel's power_supply class folder (see
// ReadingOfSupplies for what the figures mean).
//
// A reading runs on every session tick, so it costs as few system calls as it can: each
// supply's attribute files are opened when the supply is first seen (the kernel gives a supply
// its attributes when it registers it) and read again from offset 0, which gives a fresh value
// in sysfs; only the files the reading needs are read. The folder is listed again at the
// auto-start monitor's pace, for supplies that came or went and a supply folder or the whole
// folder made anew, and the health figures (design capacities and cycle count, which change
// rarely) are read again then. A kept file that fails because its supply went away (such as a
// USB battery unplugged) lists the folder again at once. Readings asked for within the same
// millisecond, such as the auto-start monitor's and the session's when their ticks fall due
// together, share one look at the machine.
class SysfsPowerStatus : public IPowerStatus {
public:
    using Clock = std::function<std::int64_t()>;  // milliseconds
    static constexpr std::int64_t kListingPeriodMs = 5000;

    // Paced by the steady clock.
    explicit SysfsPowerStatus(std::string powerSupplyDir);
    SysfsPowerStatus(std::string powerSupplyDir, Clock clock);
    ~SysfsPowerStatus() override;

    SysfsPowerStatus(const SysfsPowerStatus&) = delete;
    SysfsPowerStatus& operator=(const SysfsPowerStatus&) = delete;

    PowerReading Read() override;

private:
    enum Attribute : std::size_t {
        kOnline,
        kPresent,
        kStatus,
        kEnergyNow,
        kEnergyFull,
        kEnergyFullDesign,
        kChargeNow,
        kChargeFull,
        kChargeFullDesign,
        kCapacity,
        kCycleCount,
        kAttributeCount
    };
    struct KeptSupply {
        int dir = -1;
        ino_t listedIno = 0;  // the folder entry's own, as listed
        bool failed = false;  // a file failed as those of a supply that went away do
        std::array<int, kAttributeCount> files{};
    };

    void List();
    bool OpenSupply(const std::string& name, KeptSupply& supply, PowerSupplyRecord& record);
    void ReadHealth(KeptSupply& supply, PowerSupplyRecord& record);
    void ReadRecords();
    // An attribute's first line, read again from offset 0 into `buffer`; none when the supply
    // lacks it or the read fails. A supply that went away is listed again at the next reading.
    std::optional<std::string_view> ReadLine(KeptSupply& supply, Attribute attribute,
                                             std::array<char, 256>& buffer);
    bool ReadText(KeptSupply& supply, Attribute attribute, std::string& text);
    std::optional<std::int64_t> ReadNumber(KeptSupply& supply, Attribute attribute);
    static void Close(KeptSupply& supply);
    void CloseAll();

    std::string m_dir;
    Clock m_clock;
    std::optional<std::int64_t> m_listedAtMs;
    std::optional<PowerReading> m_lastReading;
    std::int64_t m_lastReadingAtMs = 0;
    bool m_listAgain = false;  // a kept file failed
    DIR* m_folder = nullptr;
    dev_t m_folderDev = 0;
    ino_t m_folderIno = 0;
    // The supplies in the order of their names, each with its record as last read, which a
    // reading refreshes in place.
    std::vector<KeptSupply> m_supplies;
    std::vector<PowerSupplyRecord> m_records;
};

}  // namespace torvane

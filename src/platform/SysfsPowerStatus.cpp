// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SysfsPowerStatus.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <string_view>
#include <system_error>
#include <utility>

namespace torvane {

namespace {

constexpr const char* kAttributeNames[] = {"online",     "present",     "status",
                                           "energy_now", "energy_full", "energy_full_design",
                                           "charge_now", "charge_full", "charge_full_design",
                                           "capacity",   "cycle_count"};

// The first line of what an attribute file gave, without surrounding blanks.
std::string FirstLine(const char* buffer, ssize_t got) {
    std::string_view line(buffer, static_cast<std::size_t>(got));
    line = line.substr(0, line.find('\n'));
    const auto first = line.find_first_not_of(" \t\r");
    const auto last = line.find_last_not_of(" \t\r");
    return first == std::string_view::npos ? std::string()
                                           : std::string(line.substr(first, last - first + 1));
}

// An attribute read once, when its supply is first seen: the type and scope never change.
std::optional<std::string> ReadOnce(int supplyDir, const char* name) {
    const int fd = ::openat(supplyDir, name, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return std::nullopt;
    }
    char buffer[256];
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    ::close(fd);
    if (got <= 0) {
        return std::nullopt;
    }
    return FirstLine(buffer, got);
}

bool IsBatteryToRead(const std::string& type, const std::string& scope) {
    return type == "Battery" && scope != "Device";
}

bool IsChargerToRead(const std::string& type, const std::string& scope) {
    return IsChargerType(type) && scope != "Device";
}

}  // namespace

SysfsPowerStatus::SysfsPowerStatus(std::string powerSupplyDir)
    : SysfsPowerStatus(std::move(powerSupplyDir), [] {
          return std::chrono::duration_cast<std::chrono::milliseconds>(
                     std::chrono::steady_clock::now().time_since_epoch())
              .count();
      }) {}

SysfsPowerStatus::SysfsPowerStatus(std::string powerSupplyDir, Clock clock)
    : m_dir(std::move(powerSupplyDir)), m_clock(std::move(clock)) {}

SysfsPowerStatus::~SysfsPowerStatus() {
    CloseAll();
}

void SysfsPowerStatus::Close(KeptSupply& supply) {
    for (int& fd : supply.files) {
        if (fd >= 0) {
            ::close(fd);
            fd = -1;
        }
    }
    if (supply.dir >= 0) {
        ::close(supply.dir);
        supply.dir = -1;
    }
}

void SysfsPowerStatus::CloseAll() {
    for (auto& [name, supply] : m_supplies) {
        Close(supply);
    }
    m_supplies.clear();
    if (m_folder != nullptr) {
        ::closedir(m_folder);
        m_folder = nullptr;
    }
}

PowerReading SysfsPowerStatus::Read() {
    const std::int64_t now = m_clock();
    if (!m_listedAtMs || m_listAgain || now < *m_listedAtMs ||
        now - *m_listedAtMs >= kListingPeriodMs) {
        List();
    }
    auto records = ReadRecords();
    if (m_listAgain) {
        // A supply went away under the reading: the folder as it is now gives the reading.
        List();
        records = ReadRecords();
    }
    return ReadingOfSupplies(records);
}

void SysfsPowerStatus::List() {
    m_listedAtMs = m_clock();
    m_listAgain = false;
    // The kept folder must still be the one at the path.
    struct stat now {};
    if (::stat(m_dir.c_str(), &now) != 0) {
        CloseAll();
        return;
    }
    if (m_folder != nullptr && (now.st_dev != m_folderDev || now.st_ino != m_folderIno)) {
        CloseAll();
    }
    if (m_folder == nullptr) {
        m_folder = ::opendir(m_dir.c_str());
        struct stat opened {};
        if (m_folder == nullptr || ::fstat(::dirfd(m_folder), &opened) != 0) {
            CloseAll();
            return;
        }
        m_folderDev = opened.st_dev;
        m_folderIno = opened.st_ino;
    } else {
        ::rewinddir(m_folder);
    }
    // The folder's entries with their inode numbers: a supply removed and made again, or a
    // folder renamed over it, is a new entry and is opened afresh.
    std::vector<std::pair<std::string, ino_t>> entries;
    for (;;) {
        errno = 0;  // readdir tells its end from a failure only through errno
        const dirent* entry = ::readdir(m_folder);
        if (entry == nullptr) {
            if (errno != 0) {
                CloseAll();
                return;
            }
            break;
        }
        if (entry->d_name[0] != '.' && entry->d_type != DT_REG) {
            entries.emplace_back(entry->d_name, entry->d_ino);
        }
    }
    std::sort(entries.begin(), entries.end());
    for (auto it = m_supplies.begin(); it != m_supplies.end();) {
        const auto listed = std::lower_bound(entries.begin(), entries.end(),
                                             std::pair<std::string, ino_t>(it->first, 0));
        if (listed != entries.end() && listed->first == it->first &&
            listed->second == it->second.listedIno && !it->second.failed) {
            ReadHealth(it->second);
            ++it;
        } else {
            Close(it->second);
            it = m_supplies.erase(it);
        }
    }
    for (const auto& [name, ino] : entries) {
        if (m_supplies.count(name) == 0) {
            if (auto opened = OpenSupply(name, ino)) {
                m_supplies.emplace(name, *opened);
            }
        }
    }
}

std::optional<SysfsPowerStatus::KeptSupply> SysfsPowerStatus::OpenSupply(const std::string& name,
                                                                         ino_t listedIno) {
    KeptSupply supply;
    supply.files.fill(-1);
    supply.listedIno = listedIno;
    supply.dir = ::openat(::dirfd(m_folder), name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    auto type = supply.dir >= 0 ? ReadOnce(supply.dir, "type") : std::nullopt;
    if (!type) {
        // Not kept, so the next listing looks again.
        Close(supply);
        return std::nullopt;
    }
    supply.type = std::move(*type);
    supply.scope = ReadOnce(supply.dir, "scope").value_or("");
    // Only what a reading can look at: a charger's online flag, a battery's figures. Other
    // supplies are kept without files, so they cost nothing until they go.
    std::size_t first = 0;
    std::size_t end = 0;
    if (IsChargerToRead(supply.type, supply.scope)) {
        first = kOnline;
        end = kOnline + 1;
    } else if (IsBatteryToRead(supply.type, supply.scope)) {
        first = kPresent;
        end = kAttributeCount;
    }
    for (std::size_t i = first; i < end; ++i) {
        supply.files[i] =
            ::openat(supply.dir, kAttributeNames[i], O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    }
    ReadHealth(supply);
    return supply;
}

void SysfsPowerStatus::ReadHealth(KeptSupply& supply) {
    supply.energyFullDesign = Number(supply, kEnergyFullDesign);
    supply.chargeFullDesign = Number(supply, kChargeFullDesign);
    supply.cycleCount = Number(supply, kCycleCount);
}

std::optional<std::string> SysfsPowerStatus::Text(KeptSupply& supply, Attribute attribute) {
    const int fd = supply.files[attribute];
    if (fd < 0) {
        return std::nullopt;
    }
    char buffer[256];
    const ssize_t got = ::pread(fd, buffer, sizeof buffer, 0);
    if (got < 0 && (errno == ENODEV || errno == ENOENT)) {
        supply.failed = true;
        m_listAgain = true;
    }
    if (got <= 0) {
        return std::nullopt;
    }
    return FirstLine(buffer, got);
}

std::optional<std::int64_t> SysfsPowerStatus::Number(KeptSupply& supply, Attribute attribute) {
    const auto text = Text(supply, attribute);
    if (!text || text->empty()) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), value);
    if (ec != std::errc() || end != text->data() + text->size()) {
        return std::nullopt;
    }
    return value;
}

std::vector<PowerSupplyRecord> SysfsPowerStatus::ReadRecords() {
    std::vector<PowerSupplyRecord> records;
    std::vector<KeptSupply*> kept;
    records.reserve(m_supplies.size());
    kept.reserve(m_supplies.size());
    for (auto& [name, supply] : m_supplies) {
        PowerSupplyRecord& r = records.emplace_back();
        kept.push_back(&supply);
        r.name = name;
        r.type = supply.type;
        r.scope = supply.scope;
        if (IsChargerToRead(supply.type, supply.scope)) {
            r.online = Number(supply, kOnline);
            continue;
        }
        if (!IsBatteryToRead(supply.type, supply.scope)) {
            continue;
        }
        r.present = Text(supply, kPresent).value_or("");
        if (r.present == "0") {
            continue;  // an empty bay
        }
        r.status = Text(supply, kStatus).value_or("");
        r.energyNow = Number(supply, kEnergyNow);
        r.energyFull = Number(supply, kEnergyFull);
        r.energyFullDesign = supply.energyFullDesign;
        r.chargeFullDesign = supply.chargeFullDesign;
        r.cycleCount = supply.cycleCount;
    }
    // What the level needs beyond the energy pair, read only when it needs it.
    const bool chargePair = LevelUsesChargePair(records);
    for (std::size_t i = 0; chargePair && i < records.size(); ++i) {
        if (IsMachineBattery(records[i])) {
            records[i].chargeNow = Number(*kept[i], kChargeNow);
            records[i].chargeFull = Number(*kept[i], kChargeFull);
        }
    }
    const bool capacity = LevelUsesCapacity(records);
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (!IsMachineBattery(records[i])) {
            continue;
        }
        if (capacity) {
            records[i].capacity = Number(*kept[i], kCapacity);
        }
        if (!chargePair && HealthUsesChargeFull(records[i])) {
            records[i].chargeFull = Number(*kept[i], kChargeFull);
        }
    }
    return records;
}

}  // namespace torvane

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linux/SysfsPowerStatus.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
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
std::string_view FirstLine(const char* buffer, ssize_t got) {
    std::string_view line(buffer, static_cast<std::size_t>(got));
    line = line.substr(0, line.find('\n'));
    const auto first = line.find_first_not_of(" \t\r");
    const auto last = line.find_last_not_of(" \t\r");
    return first == std::string_view::npos ? std::string_view()
                                           : line.substr(first, last - first + 1);
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
    return std::string(FirstLine(buffer, got));
}

bool IsBatteryToRead(const PowerSupplyRecord& supply) {
    return supply.type == "Battery" && supply.scope != "Device";
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
    for (KeptSupply& supply : m_supplies) {
        Close(supply);
    }
    m_supplies.clear();
    m_records.clear();
    if (m_folder != nullptr) {
        ::closedir(m_folder);
        m_folder = nullptr;
    }
}

PowerReading SysfsPowerStatus::Read() {
    const std::int64_t now = m_clock();
    if (m_lastReading && now == m_lastReadingAtMs) {
        return *m_lastReading;
    }
    if (!m_listedAtMs || m_listAgain || now < *m_listedAtMs ||
        now - *m_listedAtMs >= kListingPeriodMs) {
        List();
    }
    ReadRecords();
    if (m_listAgain) {
        // A supply went away under the reading: the folder as it is now gives the reading.
        List();
        ReadRecords();
    }
    PowerReading reading = ReadingOfSupplies(m_records);
    // Copied into the kept one's own storage, so a reading costs no more allocations.
    if (m_lastReading) {
        *m_lastReading = reading;
    } else {
        m_lastReading = reading;
    }
    m_lastReadingAtMs = now;
    return reading;
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

    std::vector<KeptSupply> supplies;
    std::vector<PowerSupplyRecord> records;
    std::vector<bool> kept(m_supplies.size(), false);
    for (const auto& [name, ino] : entries) {
        const auto same = std::lower_bound(
            m_records.begin(), m_records.end(), name,
            [](const PowerSupplyRecord& record, const std::string& n) { return record.name < n; });
        const auto i = static_cast<std::size_t>(same - m_records.begin());
        if (same != m_records.end() && same->name == name && m_supplies[i].listedIno == ino &&
            !m_supplies[i].failed) {
            kept[i] = true;
            supplies.push_back(m_supplies[i]);
            records.push_back(std::move(*same));
            ReadHealth(supplies.back(), records.back());
            continue;
        }
        KeptSupply supply;
        supply.listedIno = ino;
        PowerSupplyRecord record;
        if (OpenSupply(name, supply, record)) {
            supplies.push_back(supply);
            records.push_back(std::move(record));
        }
    }
    // Supplies that went away, or were made anew, give up their files.
    for (std::size_t i = 0; i < m_supplies.size(); ++i) {
        if (!kept[i]) {
            Close(m_supplies[i]);
        }
    }
    m_supplies = std::move(supplies);
    m_records = std::move(records);
}

bool SysfsPowerStatus::OpenSupply(const std::string& name, KeptSupply& supply,
                                  PowerSupplyRecord& record) {
    supply.files.fill(-1);
    supply.dir = ::openat(::dirfd(m_folder), name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    auto type = supply.dir >= 0 ? ReadOnce(supply.dir, "type") : std::nullopt;
    if (!type) {
        // Not kept, so the next listing looks again.
        Close(supply);
        return false;
    }
    record.name = name;
    record.type = std::move(*type);
    record.scope = ReadOnce(supply.dir, "scope").value_or("");
    // Only what a reading can look at: a charger's online flag, a battery's figures. Other
    // supplies are kept without files, so they cost nothing until they go.
    std::size_t first = 0;
    std::size_t end = 0;
    if (IsMachineCharger(record)) {
        first = kOnline;
        end = kOnline + 1;
    } else if (IsBatteryToRead(record)) {
        first = kPresent;
        end = kAttributeCount;
    }
    for (std::size_t i = first; i < end; ++i) {
        supply.files[i] =
            ::openat(supply.dir, kAttributeNames[i], O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    }
    ReadHealth(supply, record);
    return true;
}

void SysfsPowerStatus::ReadHealth(KeptSupply& supply, PowerSupplyRecord& record) {
    record.energyFullDesign = ReadNumber(supply, kEnergyFullDesign);
    record.chargeFullDesign = ReadNumber(supply, kChargeFullDesign);
    record.cycleCount = ReadNumber(supply, kCycleCount);
}

std::optional<std::string_view> SysfsPowerStatus::ReadLine(KeptSupply& supply, Attribute attribute,
                                                           std::array<char, 256>& buffer) {
    const int fd = supply.files[attribute];
    if (fd < 0) {
        return std::nullopt;
    }
    const ssize_t got = ::pread(fd, buffer.data(), buffer.size(), 0);
    if (got < 0 && (errno == ENODEV || errno == ENOENT)) {
        supply.failed = true;
        m_listAgain = true;
    }
    if (got <= 0) {
        return std::nullopt;
    }
    return FirstLine(buffer.data(), got);
}

bool SysfsPowerStatus::ReadText(KeptSupply& supply, Attribute attribute, std::string& text) {
    std::array<char, 256> buffer;
    const std::optional<std::string_view> line = ReadLine(supply, attribute, buffer);
    text = line.value_or(std::string_view());
    return line.has_value();
}

std::optional<std::int64_t> SysfsPowerStatus::ReadNumber(KeptSupply& supply, Attribute attribute) {
    std::array<char, 256> buffer;
    const std::optional<std::string_view> line = ReadLine(supply, attribute, buffer);
    if (!line) {
        return std::nullopt;
    }
    const std::string_view text = *line;
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

void SysfsPowerStatus::ReadRecords() {
    for (std::size_t i = 0; i < m_records.size(); ++i) {
        KeptSupply& supply = m_supplies[i];
        PowerSupplyRecord& r = m_records[i];
        r.present.clear();
        r.status.clear();
        r.online = r.energyNow = r.energyFull = r.chargeNow = r.chargeFull = r.capacity =
            std::nullopt;
        if (IsMachineCharger(r)) {
            r.online = ReadNumber(supply, kOnline);
        } else if (IsBatteryToRead(r) &&
                   (ReadText(supply, kPresent, r.present), r.present != "0")) {
            ReadText(supply, kStatus, r.status);
            r.energyNow = ReadNumber(supply, kEnergyNow);
            r.energyFull = ReadNumber(supply, kEnergyFull);
        }
    }
    // What the level needs beyond the energy pair, read only when it needs it.
    const bool chargePair = LevelUsesChargePair(m_records);
    for (std::size_t i = 0; chargePair && i < m_records.size(); ++i) {
        if (IsMachineBattery(m_records[i])) {
            m_records[i].chargeNow = ReadNumber(m_supplies[i], kChargeNow);
            m_records[i].chargeFull = ReadNumber(m_supplies[i], kChargeFull);
        }
    }
    const bool capacity = LevelUsesCapacity(m_records);
    for (std::size_t i = 0; i < m_records.size(); ++i) {
        PowerSupplyRecord& r = m_records[i];
        if (!IsMachineBattery(r)) {
            continue;
        }
        if (capacity) {
            r.capacity = ReadNumber(m_supplies[i], kCapacity);
        }
        if (!chargePair && HealthUsesChargeFull(r)) {
            r.chargeFull = ReadNumber(m_supplies[i], kChargeFull);
        }
    }
}

}  // namespace torvane

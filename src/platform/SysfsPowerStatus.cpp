// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SysfsPowerStatus.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

namespace torvane {

namespace {

// Sums of attribute values in a type wide enough that absurd values cannot overflow.
__extension__ using Wide = __int128;

// The first line of a sysfs attribute without surrounding blanks; nothing when unreadable.
// Read with plain system calls: this runs on every session tick, and a stream per file costs
// more than everything else in a tick.
std::optional<std::string> ReadAttribute(int supplyDir, const char* name) {
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
    std::string_view line(buffer, static_cast<std::size_t>(got));
    line = line.substr(0, line.find('\n'));
    const auto first = line.find_first_not_of(" \t\r");
    const auto last = line.find_last_not_of(" \t\r");
    return first == std::string_view::npos ? std::string()
                                           : std::string(line.substr(first, last - first + 1));
}

std::optional<std::int64_t> ReadNumber(int supplyDir, const char* name) {
    const auto text = ReadAttribute(supplyDir, name);
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

// The supplies that feed the machine from outside: mains adapters and USB ports of every kind
// ("USB", "USB_C", "USB_PD", ...). Other types, such as a phone's "BMS", are never chargers.
bool IsChargerType(std::string_view type) {
    return type == "Mains" || type.substr(0, 3) == "USB";
}

struct Battery {
    const std::string* name = nullptr;
    std::optional<std::int64_t> energyNow, energyFull, chargeNow, chargeFull, capacity;
    std::optional<std::int64_t> energyFullDesign, chargeFullDesign, cycleCount;
    bool discharging = false;
};

// 100 x now / full, within 0..100, when both are known and full is above 0.
std::optional<int> PercentOf(std::optional<std::int64_t> now, std::optional<std::int64_t> full) {
    if (!now || !full || *full <= 0) {
        return std::nullopt;
    }
    return static_cast<int>(std::clamp<Wide>(Wide{100} * *now / *full, 0, 100));
}

// One battery's own level, from the first of its figures that gives one.
int OwnPercent(const Battery& b) {
    if (const auto energy = PercentOf(b.energyNow, b.energyFull)) {
        return *energy;
    }
    if (const auto charge = PercentOf(b.chargeNow, b.chargeFull)) {
        return *charge;
    }
    if (b.capacity) {
        return static_cast<int>(std::clamp<std::int64_t>(*b.capacity, 0, 100));
    }
    return -1;
}

// The battery's figures as the reading gives them, its health from the first pair whose last
// full charge and design capacity are both known.
BatteryFigures FiguresOf(const Battery& b) {
    BatteryFigures figures{*b.name, OwnPercent(b), b.discharging};
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

// 100 x now / full over every battery, when every battery reports the pair.
std::optional<std::int64_t> PairPercent(const std::vector<Battery>& batteries,
                                        std::optional<std::int64_t> Battery::*now,
                                        std::optional<std::int64_t> Battery::*full) {
    Wide sumNow = 0;
    Wide sumFull = 0;
    for (const Battery& b : batteries) {
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

}  // namespace

SysfsPowerStatus::SysfsPowerStatus(std::string powerSupplyDir) : m_dir(std::move(powerSupplyDir)) {}

SysfsPowerStatus::~SysfsPowerStatus() {
    CloseAll();
}

void SysfsPowerStatus::CloseAll() {
    for (auto& [name, kept] : m_supplies) {
        ::close(kept.fd);
    }
    m_supplies.clear();
    if (m_folder != nullptr) {
        ::closedir(m_folder);
        m_folder = nullptr;
    }
}

int SysfsPowerStatus::SupplyFd(const std::string& name) {
    // The kept folder must still be the one the name stands for: a supply removed and made
    // again, or a folder renamed over it, is opened afresh.
    struct stat now {};
    if (::fstatat(::dirfd(m_folder), name.c_str(), &now, 0) != 0 || !S_ISDIR(now.st_mode)) {
        return -1;
    }
    auto it = m_supplies.find(name);
    if (it != m_supplies.end()) {
        if (it->second.dev == now.st_dev && it->second.ino == now.st_ino) {
            return it->second.fd;
        }
        ::close(it->second.fd);
        m_supplies.erase(it);
    }
    const int fd = ::openat(::dirfd(m_folder), name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    struct stat opened {};
    if (fd < 0) {
        return -1;
    }
    if (::fstat(fd, &opened) != 0) {
        ::close(fd);
        return -1;
    }
    m_supplies.emplace(name, KeptFolder{fd, opened.st_dev, opened.st_ino});
    return fd;
}

PowerReading SysfsPowerStatus::Read() {
    // The kept folder must still be the one at the path.
    struct stat now {};
    if (::stat(m_dir.c_str(), &now) != 0) {
        CloseAll();
        return PowerReading{};
    }
    if (m_folder != nullptr && (now.st_dev != m_folderDev || now.st_ino != m_folderIno)) {
        CloseAll();
    }
    if (m_folder == nullptr) {
        m_folder = ::opendir(m_dir.c_str());
        struct stat opened {};
        if (m_folder == nullptr || ::fstat(::dirfd(m_folder), &opened) != 0) {
            CloseAll();
            return PowerReading{};
        }
        m_folderDev = opened.st_dev;
        m_folderIno = opened.st_ino;
    } else {
        ::rewinddir(m_folder);
    }
    std::vector<std::string> names;
    for (;;) {
        errno = 0;  // readdir tells its end from a failure only through errno
        const dirent* entry = ::readdir(m_folder);
        if (entry == nullptr) {
            if (errno != 0) {
                CloseAll();
                return PowerReading{};
            }
            break;
        }
        if (entry->d_name[0] != '.') {
            names.emplace_back(entry->d_name);
        }
    }
    // In the order of their names, so the batteries' figures come in the same order every time.
    std::sort(names.begin(), names.end());
    // Supplies that went away give up their folders.
    for (auto it = m_supplies.begin(); it != m_supplies.end();) {
        if (std::find(names.begin(), names.end(), it->first) == names.end()) {
            ::close(it->second.fd);
            it = m_supplies.erase(it);
        } else {
            ++it;
        }
    }
    return ReadSupplies(names);
}

PowerReading SysfsPowerStatus::ReadSupplies(const std::vector<std::string>& names) {
    PowerReading reading;
    std::vector<Battery> batteries;
    std::vector<int> batteryDirs;
    bool anyCharger = false;
    bool chargerOnline = false;
    bool chargerUnknown = false;
    for (const std::string& name : names) {
        const int supply = SupplyFd(name);
        const auto type = supply >= 0 ? ReadAttribute(supply, "type") : std::nullopt;
        if (!type) {
            continue;
        }
        if (*type != "Battery") {
            if (!IsChargerType(*type) ||
                ReadAttribute(supply, "scope") == std::optional<std::string>("Device")) {
                continue;
            }
            anyCharger = true;
            const auto online = ReadNumber(supply, "online");
            chargerOnline = chargerOnline || (online && *online > 0);
            chargerUnknown = chargerUnknown || !online;
            continue;
        }
        if (ReadAttribute(supply, "present") == std::optional<std::string>("0") ||
            ReadAttribute(supply, "scope") == std::optional<std::string>("Device")) {
            continue;
        }
        Battery b;
        b.name = &name;
        b.energyNow = ReadNumber(supply, "energy_now");
        b.energyFull = ReadNumber(supply, "energy_full");
        b.energyFullDesign = ReadNumber(supply, "energy_full_design");
        b.cycleCount = ReadNumber(supply, "cycle_count");
        b.discharging =
            ReadAttribute(supply, "status") == std::optional<std::string>("Discharging");
        batteries.push_back(b);
        batteryDirs.push_back(supply);
    }
    // The charge pair and the capacity are read only when the energy pair does not give the
    // level of every battery.
    const auto everyBatteryHas = [&batteries](std::optional<std::int64_t> Battery::*now,
                                              std::optional<std::int64_t> Battery::*full) {
        return std::all_of(batteries.begin(), batteries.end(),
                           [&](const Battery& b) { return (b.*now) && (b.*full); });
    };
    if (!everyBatteryHas(&Battery::energyNow, &Battery::energyFull)) {
        for (std::size_t i = 0; i < batteries.size(); ++i) {
            batteries[i].chargeNow = ReadNumber(batteryDirs[i], "charge_now");
            batteries[i].chargeFull = ReadNumber(batteryDirs[i], "charge_full");
        }
        if (!everyBatteryHas(&Battery::chargeNow, &Battery::chargeFull)) {
            for (std::size_t i = 0; i < batteries.size(); ++i) {
                batteries[i].capacity = ReadNumber(batteryDirs[i], "capacity");
            }
        }
    }

    // The charge pair's health figures only for a battery whose energy pair gives none.
    for (std::size_t i = 0; i < batteries.size(); ++i) {
        Battery& b = batteries[i];
        if (!b.energyFull || !b.energyFullDesign) {
            if (!b.chargeFull) {
                b.chargeFull = ReadNumber(batteryDirs[i], "charge_full");
            }
            b.chargeFullDesign = ReadNumber(batteryDirs[i], "charge_full_design");
        }
    }

    std::optional<std::int64_t> percent;
    if (!batteries.empty()) {
        percent = PairPercent(batteries, &Battery::energyNow, &Battery::energyFull);
        if (!percent) {
            percent = PairPercent(batteries, &Battery::chargeNow, &Battery::chargeFull);
        }
        if (!percent) {
            Wide sum = 0;
            std::int64_t count = 0;
            for (const Battery& b : batteries) {
                if (b.capacity) {
                    sum += *b.capacity;
                    ++count;
                }
            }
            if (count > 0) {
                percent = static_cast<std::int64_t>(std::clamp<Wide>(sum / count, -1, 101));
            }
        }
    }
    if (percent) {
        reading.percent = static_cast<int>(std::clamp<std::int64_t>(*percent, 0, 100));
    }
    reading.batteries.reserve(batteries.size());
    for (const Battery& b : batteries) {
        reading.batteries.push_back(FiguresOf(b));
    }

    if (anyCharger) {
        // The chargers know whether the cable is in; a battery may still read "Full" or "Not
        // charging" for a while after it was pulled. One that cannot be read counts as online.
        reading.onAc = chargerOnline || chargerUnknown;
        return reading;
    }
    bool discharging = false;
    for (const Battery& b : batteries) {
        discharging = discharging || b.discharging;
    }
    reading.onAc = !discharging;
    return reading;
}

}  // namespace torvane

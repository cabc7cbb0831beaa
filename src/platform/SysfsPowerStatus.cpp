#include "platform/SysfsPowerStatus.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>
#include <vector>

namespace torvane {

namespace fs = std::filesystem;

namespace {

// Sums of attribute values in a type wide enough that absurd values cannot overflow.
__extension__ using Wide = __int128;

// The first line of a sysfs attribute without surrounding blanks; nothing when unreadable.
std::optional<std::string> ReadAttribute(const fs::path& supply, const char* name) {
    std::ifstream in(supply / name);
    std::string line;
    if (!in || !std::getline(in, line)) {
        return std::nullopt;
    }
    const auto first = line.find_first_not_of(" \t\r");
    const auto last = line.find_last_not_of(" \t\r");
    return first == std::string::npos ? std::string() : line.substr(first, last - first + 1);
}

std::optional<std::int64_t> ReadNumber(const fs::path& supply, const char* name) {
    const auto text = ReadAttribute(supply, name);
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

struct Battery {
    std::optional<std::int64_t> energyNow, energyFull, chargeNow, chargeFull, capacity;
    bool discharging = false;
};

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

SysfsPowerStatus::Reading SysfsPowerStatus::Read() const {
    Reading reading;
    std::error_code ec;
    fs::directory_iterator it(m_dir, ec);
    if (ec) {
        return reading;
    }
    std::vector<Battery> batteries;
    bool supplyOnline = false;
    for (fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
        const fs::path supply = it->path();
        const auto type = ReadAttribute(supply, "type");
        if (!type) {
            continue;
        }
        if (*type != "Battery") {
            const auto online = ReadNumber(supply, "online");
            supplyOnline = supplyOnline || (online && *online > 0);
            continue;
        }
        if (ReadAttribute(supply, "present") == std::optional<std::string>("0") ||
            ReadAttribute(supply, "scope") == std::optional<std::string>("Device")) {
            continue;
        }
        Battery b;
        b.energyNow = ReadNumber(supply, "energy_now");
        b.energyFull = ReadNumber(supply, "energy_full");
        b.chargeNow = ReadNumber(supply, "charge_now");
        b.chargeFull = ReadNumber(supply, "charge_full");
        b.capacity = ReadNumber(supply, "capacity");
        b.discharging =
            ReadAttribute(supply, "status") == std::optional<std::string>("Discharging");
        batteries.push_back(b);
    }
    if (ec) {
        return Reading{};
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

    bool discharging = false;
    for (const Battery& b : batteries) {
        discharging = discharging || b.discharging;
    }
    reading.onAc = supplyOnline || !discharging;
    return reading;
}

int SysfsPowerStatus::BatteryPercent() {
    return Read().percent;
}

bool SysfsPowerStatus::OnAcPower() {
    return Read().onAc;
}

}  // namespace torvane

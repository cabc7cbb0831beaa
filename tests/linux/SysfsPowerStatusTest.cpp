// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linux/SysfsPowerStatus.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "fakes/TempDir.h"

namespace torvane::test {
namespace {

// A fake power_supply folder: one sub-folder per supply holding its attribute files.
class PowerSupplyFolder : public ::testing::Test {
protected:
    void Supply(const std::string& name, const std::map<std::string, std::string>& attributes) {
        for (const auto& [attribute, value] : attributes) {
            TempDir::Write(dir / (name + "/" + attribute), value + "\n");
        }
    }
    void Battery(const std::string& name, std::map<std::string, std::string> attributes) {
        attributes.emplace("type", "Battery");
        Supply(name, attributes);
    }
    PowerReading Read() { return SysfsPowerStatus(dir.Path().string()).Read(); }

    TempDir dir;
};

// One battery's level: from its first pair that gives one, else its capacity, up to 100.
TEST_F(PowerSupplyFolder, OneBatterysLevel) {
    const std::pair<std::map<std::string, std::string>, int> rows[] = {
        {{{"energy_now", "30000000"}, {"energy_full", "40000000"}, {"capacity", "12"}}, 75},
        {{{"charge_now", "1500000"}, {"charge_full", "2000000"}, {"capacity", "12"}}, 75},
        {{{"capacity", "42"}}, 42},
        {{{"capacity", "117"}}, 100},
        {{{"capacity", "full"}, {"status", "Discharging"}}, -1},
        {{{"status", "Discharging"}}, -1},
    };
    int n = 0;
    for (const auto& [attributes, percent] : rows) {
        const std::string folder = "row" + std::to_string(n++);
        Battery(folder + "/BAT0", attributes);
        EXPECT_EQ(SysfsPowerStatus(dir / folder).Read().percent, percent) << folder;
    }
    TempDir::Write(dir / "row4/BAT0/capacity", "");  // an empty file is no number either
    EXPECT_EQ(SysfsPowerStatus(dir / "row4").Read().percent, -1);
}

// Health comes from the first pair whose last full charge and design capacity are both known.
TEST_F(PowerSupplyFolder, HealthFiguresFromOnePair) {
    Battery("BAT0", {{"energy_now", "10"},
                     {"energy_full", "20"},
                     {"energy_full_design", "25"},
                     {"charge_full", "7"},
                     {"charge_full_design", "9"},
                     {"cycle_count", "31"}});
    Battery("BAT1", {{"energy_now", "10"},
                     {"energy_full", "20"},
                     {"charge_full", "7"},
                     {"charge_full_design", "9"}});
    Battery("BAT2", {{"energy_now", "10"},
                     {"energy_full", "20"},
                     {"energy_full_design", "0"},
                     {"cycle_count", "none"}});
    const auto batteries = Read().batteries;
    ASSERT_EQ(batteries.size(), 3u);
    const std::tuple<std::int64_t, std::int64_t, std::int64_t> health[] = {
        {20, 25, 31}, {7, 9, 0}, {20, 0, 0}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(std::tuple(batteries[i].full, batteries[i].fullDesign, batteries[i].cycleCount),
                  health[i])
            << batteries[i].name;
    }
}

TEST_F(PowerSupplyFolder, BatteriesReportingDifferentPairsFallBackToTheMeanCapacity) {
    Battery("BAT0", {{"energy_now", "10"}, {"energy_full", "20"}, {"capacity", "51"}});
    Battery("BAT1", {{"charge_now", "9"}, {"charge_full", "10"}, {"capacity", "91"}});
    Battery("BAT2", {{"capacity", "68"}, {"status", "Discharging"}});
    const auto reading = Read();
    EXPECT_EQ(reading.percent, 70);
    EXPECT_EQ(reading.batteries,
              (std::vector<BatteryFigures>{
                  {"BAT0", 50, false}, {"BAT1", 90, false}, {"BAT2", 68, true}}));
}

TEST_F(PowerSupplyFolder, AnEmptyBayAndAPeripheralAreIgnored) {
    Battery("BAT0", {{"capacity", "80"}, {"status", "Full"}});
    Battery("BAT1", {{"present", "0"}, {"capacity", "0"}, {"status", "Discharging"}});
    Battery("hidpp_battery_0", {{"scope", "Device"}, {"capacity", "5"}, {"status", "Discharging"}});
    const auto reading = Read();
    EXPECT_EQ(reading.percent, 80);
    EXPECT_TRUE(reading.onAc);
    EXPECT_EQ(reading.batteries, (std::vector<BatteryFigures>{{"BAT0", 80, false}}));
}

TEST_F(PowerSupplyFolder, AnEmptyOrMissingFolderGivesNoLevelOnAc) {
    auto reading = Read();
    EXPECT_EQ(reading.percent, -1);
    EXPECT_TRUE(reading.onAc);
    EXPECT_TRUE(reading.batteries.empty());
    reading = SysfsPowerStatus(dir / "nowhere").Read();
    EXPECT_EQ(reading.percent, -1);
    EXPECT_TRUE(reading.onAc);
}

// Kept files give what they hold now; the folder is looked at again at the listing pace, when
// supplies come, go and are made again.
TEST_F(PowerSupplyFolder, OneReaderFollowsSuppliesAtTheListingPace) {
    std::int64_t nowMs = 0;
    SysfsPowerStatus reader(dir.Path().string(), [&nowMs] { return nowMs; });
    auto read = [&reader, &nowMs] {
        ++nowMs;  // readings within one millisecond are one look at the machine
        const auto reading = reader.Read();
        return std::make_pair(reading.percent, reading.onAc);
    };
    auto readListed = [&] {
        nowMs += SysfsPowerStatus::kListingPeriodMs;
        return read();
    };
    Battery("BAT0", {{"capacity", "50"}, {"status", "Discharging"}});
    Supply("AC", {{"type", "Mains"}, {"online", "0"}});
    EXPECT_EQ(read(), std::make_pair(50, false));
    TempDir::Write(dir / "BAT0/capacity", "49\n");
    EXPECT_EQ(reader.Read().percent, 50);
    EXPECT_EQ(read(), std::make_pair(49, false));

    // A charger that comes is seen at the next listing, not before.
    Supply("USB", {{"type", "USB"}, {"online", "1"}});
    nowMs = SysfsPowerStatus::kListingPeriodMs - 1;  // the first listing was at 1 ms
    EXPECT_EQ(read(), std::make_pair(49, false));
    EXPECT_EQ(readListed(), std::make_pair(49, true));

    std::filesystem::remove_all(dir.Path() / "USB");
    EXPECT_EQ(readListed(), std::make_pair(49, false));

    // A supply folder moved away and another made in its place.
    const std::filesystem::path movedBattery = dir.Path().string() + "-bat";
    std::filesystem::rename(dir.Path() / "BAT0", movedBattery);
    Battery("BAT0", {{"capacity", "25"}, {"status", "Discharging"}});
    EXPECT_EQ(readListed(), std::make_pair(25, false));
    std::filesystem::remove_all(movedBattery);

    // The whole folder made again.
    const std::filesystem::path moved = dir.Path().string() + "-old";
    std::filesystem::rename(dir.Path(), moved);
    std::filesystem::create_directories(dir.Path());
    Battery("BAT1", {{"capacity", "20"}, {"status", "Discharging"}});
    EXPECT_EQ(readListed(), std::make_pair(20, false));
    std::filesystem::remove_all(moved);
}

}  // namespace
}  // namespace torvane::test

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PowerSupplyRecord.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace torvane::test {
namespace {

PowerSupplyRecord Battery(const std::string& name, PowerSupplyRecord figures) {
    figures.name = name;
    figures.type = "Battery";
    return figures;
}

PowerSupplyRecord Supply(const std::string& name, const std::string& type,
                         std::optional<std::int64_t> online, const std::string& scope = "") {
    PowerSupplyRecord supply;
    supply.name = name;
    supply.type = type;
    supply.scope = scope;
    supply.online = online;
    return supply;
}

// The level, the A/C line and each battery's figures, from the supplies' records.
TEST(PowerSupplyRecords, ReadingOfTheSupplies) {
    constexpr std::int64_t kHuge = std::numeric_limits<std::int64_t>::max();
    const auto mainsOff = Supply("AC", "Mains", 0);
    struct Row {
        const char* what;
        std::vector<PowerSupplyRecord> supplies;
        int percent;
        bool onAc;
        std::vector<BatteryFigures> batteries;  // checked when given
    };
    const Row rows[] = {
        {"weighted by energy, not the mean of 50 and 90",
         {Battery("BAT0", {.energyNow = 10, .energyFull = 20, .capacity = 5}),
          Battery("BAT1", {.energyNow = 90, .energyFull = 100, .capacity = 9})},
         83,
         true,
         {{"BAT0", 50, false}, {"BAT1", 90, false}}},
        {"the charge pair when one battery lacks the energy pair",
         {Battery("BAT0", {.energyNow = 1, .energyFull = 2, .chargeNow = 1, .chargeFull = 4}),
          Battery("BAT1", {.chargeNow = 3, .chargeFull = 4, .capacity = 9})},
         50,
         true,
         {{"BAT0", 50, false}, {"BAT1", 75, false}}},
        {"different pairs fall back to the mean capacity",
         {Battery("BAT0", {.energyNow = 10, .energyFull = 20, .capacity = 51}),
          Battery("BAT1", {.chargeNow = 9, .chargeFull = 10, .capacity = 91}),
          Battery("BAT2", {.status = "Discharging", .capacity = 68})},
         70,
         false,
         {{"BAT0", 50, false}, {"BAT1", 90, false}, {"BAT2", 68, true}}},
        {"every battery has the energy pair: nothing else is looked at",
         {Battery(
             "BAT0",
             {.energyNow = 5, .energyFull = 0, .chargeNow = 1, .chargeFull = 2, .capacity = 80})},
         -1,
         true,
         {{"BAT0", -1, false}}},
        {"capacity above 100", {Battery("BAT0", {.capacity = 117})}, 100, true, {}},
        {"nothing readable", {Battery("BAT0", {.status = "Discharging"})}, -1, false, {}},
        {"below empty", {Battery("BAT0", {.energyNow = -5, .energyFull = 10})}, 0, true, {}},
        {"absurdly large",
         {Battery("BAT0", {.energyNow = kHuge, .energyFull = 1}),
          Battery("BAT1", {.energyNow = kHuge, .energyFull = 1})},
         100,
         true,
         {}},
        {"an empty bay and a peripheral are not the machine's",
         {Battery("BAT0", {.status = "Full", .capacity = 80}),
          Battery("BAT1", {.present = "0", .status = "Discharging", .capacity = 0}),
          Battery("hidpp_battery_0", {.scope = "Device", .status = "Discharging", .capacity = 5})},
         80,
         true,
         {{"BAT0", 80, false}}},
        {"health from the first pair with both figures",
         {Battery("BAT0", {.energyNow = 10,
                           .energyFull = 20,
                           .energyFullDesign = 25,
                           .chargeFull = 7,
                           .chargeFullDesign = 9,
                           .cycleCount = 31}),
          Battery("BAT1",
                  {.energyNow = 10, .energyFull = 20, .chargeFull = 7, .chargeFullDesign = 9}),
          Battery("BAT2", {.energyNow = 10, .energyFull = 20, .energyFullDesign = 0})},
         50,
         true,
         {{"BAT0", 50, false, 20, 25, 31}, {"BAT1", 50, false, 7, 9}, {"BAT2", 50, false, 20, 0}}},
        {"mains online",
         {Supply("AC", "Mains", 1), Battery("BAT0", {.status = "Discharging"})},
         -1,
         true,
         {}},
        {"mains offline", {mainsOff, Battery("BAT0", {.status = "Discharging"})}, -1, false, {}},
        {"unplugged at full", {mainsOff, Battery("BAT0", {.status = "Full"})}, -1, false, {}},
        {"unplugged, not charging",
         {mainsOff, Battery("BAT0", {.status = "Not charging"})},
         -1,
         false,
         {}},
        {"a USB-C port online",
         {mainsOff, Supply("ucsi-source-psy-USBC000:001", "USB", 1),
          Battery("BAT0", {.status = "Discharging"})},
         -1,
         true,
         {}},
        {"a USB-C port offline",
         {Supply("usb-c", "USB_C", 0), Battery("BAT0", {.status = "Full"})},
         -1,
         false,
         {}},
        {"a peripheral's dock",
         {Supply("dock", "Mains", 1, "Device"), Battery("BAT0", {.status = "Discharging"})},
         -1,
         false,
         {}},
        {"a phone's BMS is no charger",
         {Supply("bms", "BMS", 1), Battery("BAT0", {.status = "Discharging"})},
         -1,
         false,
         {}},
        {"a charger that cannot be read",
         {Supply("AC", "Mains", std::nullopt), Battery("BAT0", {.status = "Discharging"})},
         -1,
         true,
         {}},
        {"no charger, not charging", {Battery("BAT0", {.status = "Not charging"})}, -1, true, {}},
        {"a supply whose type cannot be read", {Supply("AC", "", 0)}, -1, true, {}},
        {"no supplies", {}, -1, true, {}},
    };
    for (const Row& row : rows) {
        const PowerReading reading = ReadingOfSupplies(row.supplies);
        EXPECT_EQ(reading.percent, row.percent) << row.what;
        EXPECT_EQ(reading.onAc, row.onAc) << row.what;
        if (!row.batteries.empty()) {
            EXPECT_EQ(reading.batteries, row.batteries) << row.what;
        }
    }
}

}  // namespace
}  // namespace torvane::test

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/WinTypes.h"
#include "settings/CSettingsStore.h"

namespace torvane {

// Every value under the program's settings key, in the order of kSettingsTable.
enum class Setting : std::uint8_t {
    InitData,
    ScaleHours,
    DrawEstimations,
    ShowVGrid,
    ShowHGrid,
    ShowRef1,
    ShowRef2,
    ShowRef3,
    ShowDetailedGrid,
    ColorGrid1,
    ColorGrid2,
    ColorGrid3,
    ColorRef1,
    ColorRef2,
    ColorRef3,
    ColorSess,
    ColorStatus,
    AutoPowerOff,
    AutoPowerOffAt,
    MinimizeOnStart,
    IgnorePowerOff,
    AutoStart,
    SavePath,
    AutoSaveSessions,
    AutoStartSessions
};
inline constexpr std::size_t kSettingCount = 25;

enum class SettingType {
    Number,  // REG_DWORD, 32 bits
    Text,    // REG_SZ, UTF-16 with its terminating zero
};

enum class StoredSense {
    Plain,     // a switch that is on when the stored number is not 0
    Inverted,  // a switch that is on when the stored number is 0 or absent
    AsStored,  // the number or text itself
};

// What the first-run step writes, in the stored sense.
struct FirstRun {
    constexpr FirstRun() = default;
    constexpr FirstRun(DWORD n) : written(true), number(n) {}
    constexpr FirstRun(const char* t) : written(true), text(t) {}

    bool written = false;
    DWORD number = 0;
    const char* text = nullptr;
};

// The range the Options pages keep; for a text, its longest length in UTF-16 units.
struct SettingLimits {
    std::int32_t lowest;
    std::int32_t highest;
};

struct SettingDef {
    Setting id;
    const char* name;
    SettingType type;
    StoredSense sense;
    // The number the settings load takes when the value is absent or 0 (an absent text reads
    // as the empty text).
    DWORD absent;
    FirstRun firstRun;
    std::optional<SettingLimits> limits;
};

inline constexpr DWORD kInitDataDone = 3;

// The one place each value is named and described.
inline constexpr std::array<SettingDef, kSettingCount> kSettingsTable = [] {
    using enum Setting;
    using enum SettingType;
    using enum StoredSense;
    constexpr auto kLongestText = static_cast<std::int32_t>(CSettingsStore::kMaxStringUnits - 1);
    return std::array<SettingDef, kSettingCount>{{
        // id, name, type, sense, absent or 0 reads, first-run value, limits
        {InitData, "InitData", Number, AsStored, 0, kInitDataDone, {}},
        {ScaleHours, "ScaleHours", Number, AsStored, 7, {}, SettingLimits{1, 50}},
        {DrawEstimations, "DrawEstimations", Number, Inverted, 0, {}, {}},
        {ShowVGrid, "ShowVGrid", Number, Inverted, 0, {}, {}},
        {ShowHGrid, "ShowHGrid", Number, Inverted, 0, {}, {}},
        {ShowRef1, "ShowRef1", Number, Inverted, 0, {}, {}},
        {ShowRef2, "ShowRef2", Number, Inverted, 0, {}, {}},
        {ShowRef3, "ShowRef3", Number, Inverted, 0, {}, {}},
        {ShowDetailedGrid, "ShowDetailedGrid", Number, Inverted, 0, {}, {}},
        {ColorGrid1, "ColorGrid1", Number, AsStored, 0, 0x7F0000u, {}},
        {ColorGrid2, "ColorGrid2", Number, AsStored, 0, 0x7F0000u, {}},
        {ColorGrid3, "ColorGrid3", Number, AsStored, 0, 0x7F0000u, {}},
        {ColorRef1, "ColorRef1", Number, AsStored, 0, 0x7F007Fu, {}},
        {ColorRef2, "ColorRef2", Number, AsStored, 0, 0x7F7F00u, {}},
        {ColorRef3, "ColorRef3", Number, AsStored, 0, 0x007F7Fu, {}},
        {ColorSess, "ColorSess", Number, AsStored, 0, 0x0000FFu, {}},
        {ColorStatus, "ColorStatus", Number, AsStored, 0, 0x00009Cu, {}},
        {AutoPowerOff, "AutoPowerOff", Number, Plain, 0, {}, {}},
        {AutoPowerOffAt, "AutoPowerOffAt", Number, AsStored, 0, {}, SettingLimits{1, 99}},
        {MinimizeOnStart, "MinimizeOnStart", Number, Plain, 0, {}, {}},
        {IgnorePowerOff, "IgnorePowerOff", Number, Plain, 0, {}, {}},
        {AutoStart, "AutoStart", Number, Plain, 0, {}, {}},
        {SavePath, "SavePath", Text, AsStored, 0, "\\My Documents", SettingLimits{0, kLongestText}},
        {AutoSaveSessions, "AutoSaveSessions", Number, Inverted, 0, {}, {}},
        // Stored 1, so auto-start on battery is off until the user switches it on.
        {AutoStartSessions, "AutoStartSessions", Number, Inverted, 0, 1u, {}},
    }};
}();

constexpr const SettingDef& Def(Setting setting) {
    return kSettingsTable[static_cast<std::size_t>(setting)];
}

constexpr SettingLimits Limits(Setting setting) {
    return Def(setting).limits.value();
}

constexpr bool TableFollowsTheEnum() {
    for (std::size_t i = 0; i < kSettingCount; ++i) {
        if (static_cast<std::size_t>(kSettingsTable[i].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(TableFollowsTheEnum(), "every setting has its own row, in the enum's order");

// A setting named where only one kind will do. The check runs while compiling, so naming a
// setting of another kind there does not compile.
struct FlagSetting {
    consteval FlagSetting(Setting s) : id(s) {
        if (Def(s).type != SettingType::Number || Def(s).sense == StoredSense::AsStored) {
            throw "a switch is stored plain or inverted";
        }
    }
    Setting id;
};
struct NumberSetting {
    consteval NumberSetting(Setting s) : id(s) {
        if (Def(s).type != SettingType::Number || Def(s).sense != StoredSense::AsStored) {
            throw "a number is stored as it is";
        }
    }
    Setting id;
};
struct TextSetting {
    consteval TextSetting(Setting s) : id(s) {
        if (Def(s).type != SettingType::Text) {
            throw "not a text";
        }
    }
    Setting id;
};

// A switch in its in-memory sense, read from and written to its stored sense.
bool ReadFlag(CSettingsStore& store, FlagSetting setting);
bool WriteFlag(CSettingsStore& store, FlagSetting setting, bool on);

// A number as the settings load takes it: the table's value when absent or 0.
DWORD ReadNumber(CSettingsStore& store, NumberSetting setting);
// A number exactly as stored: 0 when absent.
DWORD ReadStoredNumber(CSettingsStore& store, NumberSetting setting);
bool WriteNumber(CSettingsStore& store, NumberSetting setting, DWORD value);

std::string ReadText(CSettingsStore& store, TextSetting setting);
bool WriteText(CSettingsStore& store, TextSetting setting, const std::string& text);

}  // namespace torvane

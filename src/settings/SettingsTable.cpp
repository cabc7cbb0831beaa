// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/SettingsTable.h"

namespace torvane {

namespace {

// Inverted switches store 0 for on, so a value that was never written reads as on.
bool Inverts(const SettingDef& def) {
    return def.sense == StoredSense::Inverted;
}

}  // namespace

bool ReadFlag(CSettingsStore& store, FlagSetting setting) {
    const SettingDef& def = Def(setting.id);
    return (store.ReadDword(def.name) != 0) != Inverts(def);
}

bool WriteFlag(CSettingsStore& store, FlagSetting setting, bool on) {
    const SettingDef& def = Def(setting.id);
    return store.WriteDword(def.name, on != Inverts(def) ? 1 : 0);
}

DWORD ReadNumber(CSettingsStore& store, NumberSetting setting) {
    const DWORD stored = ReadStoredNumber(store, setting);
    return stored != 0 ? stored : Def(setting.id).absent;
}

DWORD ReadStoredNumber(CSettingsStore& store, NumberSetting setting) {
    return store.ReadDword(Def(setting.id).name);
}

bool WriteNumber(CSettingsStore& store, NumberSetting setting, DWORD value) {
    return store.WriteDword(Def(setting.id).name, value);
}

std::string ReadText(CSettingsStore& store, TextSetting setting) {
    return store.ReadString(Def(setting.id).name);
}

bool WriteText(CSettingsStore& store, TextSetting setting, const std::string& text) {
    return store.WriteString(Def(setting.id).name, text);
}

}  // namespace torvane

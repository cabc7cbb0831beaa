// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/SettingsRecord.h"

#include "settings/SettingsTable.h"

namespace torvane {

void InitDefaultSettings(CSettingsStore& store) {
    const SettingDef& marker = Def(Setting::InitData);
    if (ReadStoredNumber(store, Setting::InitData) == marker.firstRun.number) {
        return;
    }
    for (const SettingDef& def : kSettingsTable) {
        if (def.id == Setting::InitData || !def.firstRun.written) {
            continue;
        }
        if (def.type == SettingType::Text) {
            store.WriteString(def.name, def.firstRun.text);
        } else {
            store.WriteDword(def.name, def.firstRun.number);
        }
    }
    store.WriteDword(marker.name, marker.firstRun.number);
}

SettingsRecord LoadSettings(CSettingsStore& store) {
    SettingsRecord r;
    r.m_nScaleHours = static_cast<std::int32_t>(ReadNumber(store, Setting::ScaleHours));
    r.m_bShowEstimations = ReadFlag(store, Setting::DrawEstimations);
    r.m_bShowVGrid = ReadFlag(store, Setting::ShowVGrid);
    r.m_bShowHGrid = ReadFlag(store, Setting::ShowHGrid);
    r.m_bShowRef = {ReadFlag(store, Setting::ShowRef1), ReadFlag(store, Setting::ShowRef2),
                    ReadFlag(store, Setting::ShowRef3)};
    r.m_bShowDetailedGrid = ReadFlag(store, Setting::ShowDetailedGrid);
    r.m_crGrid1 = ReadNumber(store, Setting::ColorGrid1);
    r.m_crGrid2 = ReadNumber(store, Setting::ColorGrid2);
    r.m_crGrid3 = ReadNumber(store, Setting::ColorGrid3);
    r.m_crRef = {ReadNumber(store, Setting::ColorRef1), ReadNumber(store, Setting::ColorRef2),
                 ReadNumber(store, Setting::ColorRef3)};
    r.m_crSess = ReadNumber(store, Setting::ColorSess);
    r.m_crStatus = ReadNumber(store, Setting::ColorStatus);
    r.m_bAutoPowerOff = ReadFlag(store, Setting::AutoPowerOff);
    r.m_nAutoPowerOffAt = static_cast<std::int32_t>(ReadNumber(store, Setting::AutoPowerOffAt));
    r.m_bMinimizeOnStart = ReadFlag(store, Setting::MinimizeOnStart);
    r.m_bIgnorePowerOff = ReadFlag(store, Setting::IgnorePowerOff);
    r.m_strSavePath = ReadText(store, Setting::SavePath);
    r.m_bAutoSave = ReadFlag(store, Setting::AutoSaveSessions);
    r.m_bAutoStartMode = ReadFlag(store, Setting::AutoStartSessions);
    return r;
}

}  // namespace torvane

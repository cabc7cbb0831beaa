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
    r.scaleHours = static_cast<std::int32_t>(ReadNumber(store, Setting::ScaleHours));
    r.showEstimations = ReadFlag(store, Setting::DrawEstimations);
    r.showVGrid = ReadFlag(store, Setting::ShowVGrid);
    r.showHGrid = ReadFlag(store, Setting::ShowHGrid);
    r.showRef = {ReadFlag(store, Setting::ShowRef1), ReadFlag(store, Setting::ShowRef2),
                 ReadFlag(store, Setting::ShowRef3)};
    r.showDetailedGrid = ReadFlag(store, Setting::ShowDetailedGrid);
    r.gridColour = ReadNumber(store, Setting::ColorGrid1);
    r.gridDetailColour = ReadNumber(store, Setting::ColorGrid2);
    r.gridScaleColour = ReadNumber(store, Setting::ColorGrid3);
    r.refColour = {ReadNumber(store, Setting::ColorRef1), ReadNumber(store, Setting::ColorRef2),
                   ReadNumber(store, Setting::ColorRef3)};
    r.sessionColour = ReadNumber(store, Setting::ColorSess);
    r.statusColour = ReadNumber(store, Setting::ColorStatus);
    r.autoPowerOff = ReadFlag(store, Setting::AutoPowerOff);
    r.autoPowerOffAt = static_cast<std::int32_t>(ReadNumber(store, Setting::AutoPowerOffAt));
    r.minimizeOnStart = ReadFlag(store, Setting::MinimizeOnStart);
    r.ignorePowerOff = ReadFlag(store, Setting::IgnorePowerOff);
    r.savePath = ReadText(store, Setting::SavePath);
    r.autoSave = ReadFlag(store, Setting::AutoSaveSessions);
    r.autoStartMode = ReadFlag(store, Setting::AutoStartSessions);
    return r;
}

}  // namespace torvane

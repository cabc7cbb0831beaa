#include "session/CDlgMain.h"

namespace torvane {

namespace {

constexpr DWORD kInitDataDone = 3;
constexpr std::int32_t kDefaultScaleHours = 7;

// Display and session switches are stored inverted, so an absent value reads as on.
BOOL Inverted(DWORD stored) {
    return stored == 0 ? 1 : 0;
}
BOOL Plain(DWORD stored) {
    return stored != 0 ? 1 : 0;
}

}  // namespace

void CDlgMain::InitDefaultSettings() {
    if (m_settings.ReadDword("InitData") == kInitDataDone) {
        return;
    }
    m_settings.WriteDword("ColorGrid1", 0x7F0000);
    m_settings.WriteDword("ColorGrid2", 0x7F0000);
    m_settings.WriteDword("ColorGrid3", 0x7F0000);
    m_settings.WriteDword("ColorRef1", 0x7F007F);
    m_settings.WriteDword("ColorRef2", 0x7F7F00);
    m_settings.WriteDword("ColorRef3", 0x007F7F);
    m_settings.WriteDword("ColorSess", 0x0000FF);
    m_settings.WriteDword("ColorStatus", 0x00009C);
    m_settings.WriteString("SavePath", "\\My Documents");
    m_settings.WriteDword("AutoStartSessions", 1);
    // Last, so that an interrupted first run is redone at the next start.
    m_settings.WriteDword("InitData", kInitDataDone);
}

void CDlgMain::LoadSettings() {
    CSettingsStore& store = m_settings;
    m_nScaleHours = static_cast<std::int32_t>(store.ReadDword("ScaleHours"));
    if (m_nScaleHours == 0) {
        m_nScaleHours = kDefaultScaleHours;
    }

    m_bShowEstimations = Inverted(store.ReadDword("DrawEstimations"));
    m_bShowVGrid = Inverted(store.ReadDword("ShowVGrid"));
    m_bShowHGrid = Inverted(store.ReadDword("ShowHGrid"));
    m_bShowRef[0] = Inverted(store.ReadDword("ShowRef1"));
    m_bShowRef[1] = Inverted(store.ReadDword("ShowRef2"));
    m_bShowRef[2] = Inverted(store.ReadDword("ShowRef3"));
    m_bShowDetailedGrid = Inverted(store.ReadDword("ShowDetailedGrid"));

    m_crGrid1 = store.ReadDword("ColorGrid1");
    m_crGrid2 = store.ReadDword("ColorGrid2");
    m_crGrid3 = store.ReadDword("ColorGrid3");
    m_crRef1 = store.ReadDword("ColorRef1");
    m_crRef2 = store.ReadDword("ColorRef2");
    m_crRef3 = store.ReadDword("ColorRef3");
    m_crSess = store.ReadDword("ColorSess");
    m_crStatus = store.ReadDword("ColorStatus");

    m_bAutoPowerOff = Plain(store.ReadDword("AutoPowerOff"));
    m_nAutoPowerOffAt = static_cast<std::int32_t>(store.ReadDword("AutoPowerOffAt"));

    m_bMinimizeOnStart = Plain(store.ReadDword("MinimizeOnStart"));
    if (m_bMinimizeOnStart == 0) {
        m_bMinimizePending = 0;
    }
    m_bIgnorePowerOff = Plain(store.ReadDword("IgnorePowerOff"));

    m_strSavePath = store.ReadString("SavePath");
    m_bAutoSave = Inverted(store.ReadDword("AutoSaveSessions"));

    m_bAutoStartMode = Inverted(store.ReadDword("AutoStartSessions"));
    // In auto-start mode sessions start and stop by themselves, so Go/Stop is not offered.
    m_btnGo.EnableWindow(m_bAutoStartMode == 0);
}

}  // namespace torvane

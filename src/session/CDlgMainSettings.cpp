#include "session/CDlgMain.h"

namespace torvane {

void CDlgMain::InitDefaultSettings() {
    torvane::InitDefaultSettings(m_settings);
}

void CDlgMain::LoadSettings() {
    ApplySettings(torvane::LoadSettings(m_settings));
}

void CDlgMain::ApplySettings(const SettingsRecord& settings) {
    m_nScaleHours = settings.scaleHours;
    m_bShowEstimations = settings.showEstimations;
    m_bShowVGrid = settings.showVGrid;
    m_bShowHGrid = settings.showHGrid;
    m_bShowRef = settings.showRef;
    m_bShowDetailedGrid = settings.showDetailedGrid;
    m_crGrid1 = settings.gridColour;
    m_crGrid2 = settings.gridDetailColour;
    m_crGrid3 = settings.gridScaleColour;
    m_crRef1 = settings.refColour[0];
    m_crRef2 = settings.refColour[1];
    m_crRef3 = settings.refColour[2];
    m_crSess = settings.sessionColour;
    m_crStatus = settings.statusColour;
    m_bAutoPowerOff = settings.autoPowerOff;
    m_nAutoPowerOffAt = settings.autoPowerOffAt;
    m_bMinimizeOnStart = settings.minimizeOnStart;
    if (!m_bMinimizeOnStart) {
        m_bMinimizePending = 0;
    }
    m_bIgnorePowerOff = settings.ignorePowerOff;
    m_strSavePath = settings.savePath;
    m_bAutoSave = settings.autoSave;
    m_bAutoStartMode = settings.autoStartMode;
    // In auto-start mode sessions start and stop by themselves, so Go/Stop is not offered.
    m_btnGo.EnableWindow(!m_bAutoStartMode);
}

}  // namespace torvane

#include "options/logic/CDlgSessionCfg.h"

#include "options/logic/OptionsControlIds.h"

namespace torvane {

void CDlgSessionCfg::ReadSettings() {
    m_strSavePath = m_store.ReadString("SavePath");
    m_bAutoSave = m_store.ReadDword("AutoSaveSessions") == 0 ? 1 : 0;
    m_bAutoStartOnBattery = m_store.ReadDword("AutoStartSessions") == 0 ? 1 : 0;
}

void CDlgSessionCfg::DoDataExchange(CDataExchange& dx) {
    dx.Check(IDC_AUTO_SAVE_SESSIONS, m_bAutoSave);
    dx.Check(IDC_AUTO_START_SESSIONS, m_bAutoStartOnBattery);
    dx.Text(IDC_SAVE_PATH, m_strSavePath, kSavePathMaxUnits);
}

bool CDlgSessionCfg::OnApply() {
    if (!UpdateData(true)) {
        return false;
    }
    // Stored as typed: whether the folder exists is for the auto-save to find out.
    m_store.WriteString("SavePath", m_strSavePath);
    m_store.WriteDword("AutoSaveSessions", m_bAutoSave != 0 ? 0 : 1);
    m_store.WriteDword("AutoStartSessions", m_bAutoStartOnBattery != 0 ? 0 : 1);
    return true;
}

}  // namespace torvane

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/logic/CDlgSessionCfg.h"

#include "options/logic/OptionsControlIds.h"
#include "settings/SettingsTable.h"

namespace torvane {

void CDlgSessionCfg::ReadSettings() {
    m_strSavePath = ReadText(m_store, Setting::SavePath);
    m_bAutoSave = ReadFlag(m_store, Setting::AutoSaveSessions);
    m_bAutoStartOnBattery = ReadFlag(m_store, Setting::AutoStartSessions);
}

void CDlgSessionCfg::DoDataExchange(CDataExchange& dx) {
    dx.Check(IDC_AUTO_SAVE_SESSIONS, m_bAutoSave);
    dx.Check(IDC_AUTO_START_SESSIONS, m_bAutoStartOnBattery);
    dx.Text(IDC_SAVE_PATH, m_strSavePath, Limits(Setting::SavePath).highest);
}

bool CDlgSessionCfg::OnApply() {
    if (!UpdateData(true)) {
        return false;
    }
    // Stored as typed: whether the folder exists is for the auto-save to find out.
    WriteText(m_store, Setting::SavePath, m_strSavePath);
    WriteFlag(m_store, Setting::AutoSaveSessions, m_bAutoSave);
    WriteFlag(m_store, Setting::AutoStartSessions, m_bAutoStartOnBattery);
    return true;
}

}  // namespace torvane

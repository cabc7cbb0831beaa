// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/logic/CDlgSessionCfg.h"

#include "options/logic/OptionsControlIds.h"

namespace torvane {

CDlgSessionCfg::CDlgSessionCfg(const CSettingsStore& store, IPageControls& controls)
    : COptionsPage(store, controls) {
    // The folder is stored as typed: whether it exists is for the auto-save to find out.
    Bind({
        {IDC_SAVE_PATH, m_strSavePath, Setting::SavePath},
        {IDC_AUTO_SAVE_SESSIONS, m_bAutoSave, Setting::AutoSaveSessions},
        {IDC_AUTO_START_SESSIONS, m_bAutoStartOnBattery, Setting::AutoStartSessions},
    });
}

}  // namespace torvane

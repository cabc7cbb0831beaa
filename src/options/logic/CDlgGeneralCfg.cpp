// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/logic/CDlgGeneralCfg.h"

#include "options/logic/OptionsControlIds.h"
#include "settings/SettingsTable.h"

namespace torvane {

CDlgGeneralCfg::CDlgGeneralCfg(const CSettingsStore& store, IStartupShortcut& shortcut,
                               IPageControls& controls)
    : COptionsPage(store, controls), m_shortcut(shortcut) {}

void CDlgGeneralCfg::ReadSettings() {
    m_bAutoPowerOff = ReadFlag(m_store, Setting::AutoPowerOff);
    Controls().EnableControl(IDC_POWER_OFF_AT, m_bAutoPowerOff);
    // Shown as stored; the field keeps it within range once the user has been in it.
    m_nAutoPowerOffAt = static_cast<int>(ReadNumber(m_store, Setting::AutoPowerOffAt));
    m_bAutoStart = ReadFlag(m_store, Setting::AutoStart);
    m_bAutoStartApplied = m_bAutoStart;
    m_bMinimizeOnStart = ReadFlag(m_store, Setting::MinimizeOnStart);
    m_bIgnorePowerOff = ReadFlag(m_store, Setting::IgnorePowerOff);
}

void CDlgGeneralCfg::DoDataExchange(CDataExchange& dx) {
    dx.Check(IDC_AUTO_POWER_OFF, m_bAutoPowerOff);
    dx.Check(IDC_AUTO_START, m_bAutoStart);
    dx.Check(IDC_IGNORE_POWER_OFF, m_bIgnorePowerOff);
    dx.Check(IDC_MINIMIZE_ON_START, m_bMinimizeOnStart);
    dx.Int(IDC_POWER_OFF_AT, m_nAutoPowerOffAt);
}

void CDlgGeneralCfg::OnClicked(int id) {
    if (id != IDC_AUTO_POWER_OFF) {
        return;
    }
    // A non-number in the field is told here, with the focus back in the field, and the box's
    // new state is taken all the same.
    UpdateData(true);
    Controls().EnableControl(IDC_POWER_OFF_AT, m_bAutoPowerOff);
}

void CDlgGeneralCfg::OnKillFocus(int id) {
    if (id != IDC_POWER_OFF_AT || !UpdateData(true)) {
        return;
    }
    constexpr SettingLimits limits = Limits(Setting::AutoPowerOffAt);
    if (m_nAutoPowerOffAt > limits.highest) {
        m_nAutoPowerOffAt = limits.highest;
        UpdateData(false);
    }
    if (m_nAutoPowerOffAt < limits.lowest) {
        m_nAutoPowerOffAt = limits.lowest;
        UpdateData(false);
    }
}

bool CDlgGeneralCfg::OnApply() {
    if (!UpdateData(true)) {
        return false;
    }
    WriteFlag(m_store, Setting::IgnorePowerOff, m_bIgnorePowerOff);
    WriteFlag(m_store, Setting::AutoPowerOff, m_bAutoPowerOff);
    WriteNumber(m_store, Setting::AutoPowerOffAt, static_cast<DWORD>(m_nAutoPowerOffAt));
    if (m_bAutoStart != m_bAutoStartApplied) {
        // Remembered and stored before the shortcut step, whatever that step's outcome.
        m_bAutoStartApplied = m_bAutoStart;
        WriteFlag(m_store, Setting::AutoStart, m_bAutoStart);
        if (m_bAutoStart) {
            m_shortcut.Create();
        } else {
            m_shortcut.Delete();
        }
    }
    WriteFlag(m_store, Setting::MinimizeOnStart, m_bMinimizeOnStart);
    return true;
}

}  // namespace torvane

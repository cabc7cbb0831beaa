// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/logic/CDlgGeneralCfg.h"

#include <string>

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
    m_bAutoPowerOff = Controls().IsChecked(IDC_AUTO_POWER_OFF);
    const auto typed = ParseDialogInt(Controls().GetText(IDC_POWER_OFF_AT));
    if (typed) {
        m_nAutoPowerOffAt = *typed;
    } else if (!m_bAutoPowerOff) {
        // A field about to be disabled must not keep an entry the user can no longer correct
        // but Apply would refuse: it gets back the last good number.
        Controls().SetText(IDC_POWER_OFF_AT, std::to_string(m_nAutoPowerOffAt));
    }
    Controls().EnableControl(IDC_POWER_OFF_AT, m_bAutoPowerOff);
}

void CDlgGeneralCfg::OnKillFocus(int id) {
    if (id != IDC_POWER_OFF_AT) {
        return;
    }
    // A non-number is left as typed (Apply will say what is wrong); nagging on every focus
    // change would keep the user from leaving the field at all.
    const auto typed = ParseDialogInt(Controls().GetText(IDC_POWER_OFF_AT));
    if (!typed) {
        return;
    }
    m_nAutoPowerOffAt = *typed;
    constexpr SettingLimits limits = Limits(Setting::AutoPowerOffAt);
    if (m_nAutoPowerOffAt > limits.highest) {
        m_nAutoPowerOffAt = limits.highest;
        Controls().SetText(IDC_POWER_OFF_AT, std::to_string(m_nAutoPowerOffAt));
    }
    if (m_nAutoPowerOffAt < limits.lowest) {
        m_nAutoPowerOffAt = limits.lowest;
        Controls().SetText(IDC_POWER_OFF_AT, std::to_string(m_nAutoPowerOffAt));
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

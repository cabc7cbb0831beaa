// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/logic/CDlgGeneralCfg.h"

#include "options/logic/OptionsControlIds.h"

namespace torvane {

CDlgGeneralCfg::CDlgGeneralCfg(const CSettingsStore& store, IStartupShortcut& shortcut,
                               IPageControls& controls)
    : COptionsPage(store, controls), m_shortcut(shortcut) {
    Bind({
        {IDC_IGNORE_POWER_OFF, m_bIgnorePowerOff, Setting::IgnorePowerOff},
        {IDC_AUTO_POWER_OFF, m_bAutoPowerOff, Setting::AutoPowerOff},
        // Shown as stored; the field keeps it within range once the user has been in it.
        {IDC_POWER_OFF_AT, m_nAutoPowerOffAt, Setting::AutoPowerOffAt,
         PageBinding::Range::Unchecked},
        {IDC_AUTO_START, m_bAutoStart, Setting::AutoStart},
        {IDC_MINIMIZE_ON_START, m_bMinimizeOnStart, Setting::MinimizeOnStart},
    });
}

void CDlgGeneralCfg::ReadSettings() {
    COptionsPage::ReadSettings();
    m_bAutoStartApplied = m_bAutoStart;
    Controls().EnableControl(IDC_POWER_OFF_AT, m_bAutoPowerOff);
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

void CDlgGeneralCfg::Store(const PageBinding& binding) {
    if (binding.GetSetting() != Setting::AutoStart) {
        COptionsPage::Store(binding);
        return;
    }
    if (m_bAutoStart == m_bAutoStartApplied) {
        return;
    }
    // Remembered and stored before the shortcut step, whatever that step's outcome.
    m_bAutoStartApplied = m_bAutoStart;
    COptionsPage::Store(binding);
    if (m_bAutoStart) {
        m_shortcut.Create();
    } else {
        m_shortcut.Delete();
    }
}

}  // namespace torvane

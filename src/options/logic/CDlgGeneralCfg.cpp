#include "options/logic/CDlgGeneralCfg.h"

#include <string>

#include "options/logic/OptionsControlIds.h"

namespace torvane {

namespace {

BOOL Plain(DWORD stored) {
    return stored != 0 ? 1 : 0;
}

}  // namespace

CDlgGeneralCfg::CDlgGeneralCfg(const CSettingsStore& store, IStartupShortcut& shortcut,
                               IPageControls& controls)
    : COptionsPage(store, controls), m_shortcut(shortcut) {}

void CDlgGeneralCfg::ReadSettings() {
    m_bAutoPowerOff = Plain(m_store.ReadDword("AutoPowerOff"));
    Controls().EnableControl(IDC_POWER_OFF_AT, m_bAutoPowerOff != 0);
    // Shown as stored; the field keeps it within range once the user has been in it.
    m_nAutoPowerOffAt = static_cast<int>(m_store.ReadDword("AutoPowerOffAt"));
    m_bAutoStart = Plain(m_store.ReadDword("AutoStart"));
    m_bAutoStartApplied = m_bAutoStart;
    m_bMinimizeOnStart = Plain(m_store.ReadDword("MinimizeOnStart"));
    m_bIgnorePowerOff = Plain(m_store.ReadDword("IgnorePowerOff"));
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
    m_bAutoPowerOff = Controls().IsChecked(IDC_AUTO_POWER_OFF) ? 1 : 0;
    const auto typed = ParseDialogInt(Controls().GetText(IDC_POWER_OFF_AT));
    if (typed) {
        m_nAutoPowerOffAt = *typed;
    } else if (m_bAutoPowerOff == 0) {
        // A field about to be disabled must not keep an entry the user can no longer correct
        // but Apply would refuse: it gets back the last good number.
        Controls().SetText(IDC_POWER_OFF_AT, std::to_string(m_nAutoPowerOffAt));
    }
    Controls().EnableControl(IDC_POWER_OFF_AT, m_bAutoPowerOff != 0);
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
    if (m_nAutoPowerOffAt > kPowerOffAtHighest) {
        m_nAutoPowerOffAt = kPowerOffAtHighest;
        Controls().SetText(IDC_POWER_OFF_AT, std::to_string(m_nAutoPowerOffAt));
    }
    if (m_nAutoPowerOffAt < kPowerOffAtLowest) {
        m_nAutoPowerOffAt = kPowerOffAtLowest;
        Controls().SetText(IDC_POWER_OFF_AT, std::to_string(m_nAutoPowerOffAt));
    }
}

bool CDlgGeneralCfg::OnApply() {
    if (!UpdateData(true)) {
        return false;
    }
    m_store.WriteDword("IgnorePowerOff", m_bIgnorePowerOff != 0 ? 1 : 0);
    m_store.WriteDword("AutoPowerOff", m_bAutoPowerOff != 0 ? 1 : 0);
    m_store.WriteDword("AutoPowerOffAt", static_cast<DWORD>(m_nAutoPowerOffAt));
    if (m_bAutoStart != m_bAutoStartApplied) {
        // Remembered before the shortcut step, whatever that step's outcome.
        m_bAutoStartApplied = m_bAutoStart;
        if (m_bAutoStart != 0) {
            m_store.WriteDword("AutoStart", 1);
            m_shortcut.Create();
        } else {
            m_store.WriteDword("AutoStart", 0);
            m_shortcut.Delete();
        }
    }
    m_store.WriteDword("MinimizeOnStart", m_bMinimizeOnStart != 0 ? 1 : 0);
    return true;
}

}  // namespace torvane

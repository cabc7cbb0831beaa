// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/logic/CDlgViewOptions.h"

#include "options/logic/OptionsControlIds.h"
#include "settings/SettingsTable.h"

namespace torvane {

void CDlgViewOptions::ReadSettings() {
    // As stored: an absent scale shows 0, which Apply then refuses.
    m_nScaleHours = static_cast<int>(ReadStoredNumber(m_store, Setting::ScaleHours));
    m_bDrawEstimations = ReadFlag(m_store, Setting::DrawEstimations);
    m_bShowRef1 = ReadFlag(m_store, Setting::ShowRef1);
    m_bShowRef2 = ReadFlag(m_store, Setting::ShowRef2);
    m_bShowRef3 = ReadFlag(m_store, Setting::ShowRef3);
    m_bShowHGrid = ReadFlag(m_store, Setting::ShowHGrid);
    m_bShowVGrid = ReadFlag(m_store, Setting::ShowVGrid);
    m_bShowDetailedGrid = ReadFlag(m_store, Setting::ShowDetailedGrid);
}

void CDlgViewOptions::DoDataExchange(CDataExchange& dx) {
    dx.Check(IDC_SHOW_DETAILED_GRID, m_bShowDetailedGrid);
    dx.Check(IDC_SHOW_HGRID, m_bShowHGrid);
    dx.Check(IDC_DRAW_ESTIMATIONS, m_bDrawEstimations);
    dx.Check(IDC_SHOW_REF1, m_bShowRef1);
    dx.Check(IDC_SHOW_REF2, m_bShowRef2);
    dx.Check(IDC_SHOW_REF3, m_bShowRef3);
    dx.Check(IDC_SHOW_VGRID, m_bShowVGrid);
    dx.Int(IDC_SCALE_HOURS, m_nScaleHours);
    constexpr SettingLimits limits = Limits(Setting::ScaleHours);
    dx.MinMaxInt(m_nScaleHours, limits.lowest, limits.highest);
}

bool CDlgViewOptions::OnApply() {
    if (!UpdateData(true)) {
        return false;
    }
    WriteNumber(m_store, Setting::ScaleHours, static_cast<DWORD>(m_nScaleHours));
    WriteFlag(m_store, Setting::DrawEstimations, m_bDrawEstimations);
    WriteFlag(m_store, Setting::ShowRef1, m_bShowRef1);
    WriteFlag(m_store, Setting::ShowRef2, m_bShowRef2);
    WriteFlag(m_store, Setting::ShowRef3, m_bShowRef3);
    WriteFlag(m_store, Setting::ShowHGrid, m_bShowHGrid);
    WriteFlag(m_store, Setting::ShowVGrid, m_bShowVGrid);
    WriteFlag(m_store, Setting::ShowDetailedGrid, m_bShowDetailedGrid);
    return true;
}

}  // namespace torvane

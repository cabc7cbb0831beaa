// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/logic/CDlgViewOptions.h"

#include "options/logic/OptionsControlIds.h"

namespace torvane {

CDlgViewOptions::CDlgViewOptions(const CSettingsStore& store, IPageControls& controls)
    : COptionsPage(store, controls) {
    using Range = PageBinding::Range;
    Bind({
        // An absent scale shows 0, which Apply then refuses.
        {IDC_SCALE_HOURS, m_nScaleHours, Setting::ScaleHours, Range::Checked},
        {IDC_DRAW_ESTIMATIONS, m_bDrawEstimations, Setting::DrawEstimations},
        {IDC_SHOW_REF1, m_bShowRef1, Setting::ShowRef1},
        {IDC_SHOW_REF2, m_bShowRef2, Setting::ShowRef2},
        {IDC_SHOW_REF3, m_bShowRef3, Setting::ShowRef3},
        {IDC_SHOW_HGRID, m_bShowHGrid, Setting::ShowHGrid},
        {IDC_SHOW_VGRID, m_bShowVGrid, Setting::ShowVGrid},
        {IDC_SHOW_DETAILED_GRID, m_bShowDetailedGrid, Setting::ShowDetailedGrid},
    });
}

}  // namespace torvane

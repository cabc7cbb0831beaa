// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/logic/CDlgColors.h"

#include "options/logic/OptionsControlIds.h"

namespace torvane {

CDlgColors::CDlgColors(const CSettingsStore& store, IPageControls& controls)
    : COptionsPage(store, controls) {
    // Read and stored Grid first, Status text last.
    Bind({
        {IDC_COLOR_GRID1, m_crColours[0], Setting::ColorGrid1},
        {IDC_COLOR_GRID2, m_crColours[1], Setting::ColorGrid2},
        {IDC_COLOR_GRID3, m_crColours[2], Setting::ColorGrid3},
        {IDC_COLOR_REF1, m_crColours[3], Setting::ColorRef1},
        {IDC_COLOR_REF2, m_crColours[4], Setting::ColorRef2},
        {IDC_COLOR_REF3, m_crColours[5], Setting::ColorRef3},
        {IDC_COLOR_SESS, m_crColours[6], Setting::ColorSess},
        {IDC_COLOR_STATUS, m_crColours[7], Setting::ColorStatus},
    });
}

}  // namespace torvane

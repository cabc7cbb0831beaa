// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/logic/CDlgColors.h"

namespace torvane {

void CDlgColors::ReadSettings() {
    for (std::size_t i = 0; i < kColourSettings.size(); ++i) {
        m_crColours[i] = ReadNumber(m_store, kColourSettings[i].setting);
    }
}

void CDlgColors::DoDataExchange(CDataExchange& dx) {
    for (std::size_t i = 0; i < kColourSettings.size(); ++i) {
        if (dx.SaveAndValidate()) {
            m_crColours[i] = Controls().GetColour(kColourSettings[i].pickerId);
        } else {
            Controls().SetColour(kColourSettings[i].pickerId, m_crColours[i]);
        }
    }
}

bool CDlgColors::OnApply() {
    UpdateData(true);
    for (std::size_t i = 0; i < kColourSettings.size(); ++i) {
        WriteNumber(m_store, kColourSettings[i].setting, m_crColours[i]);
    }
    return true;
}

}  // namespace torvane

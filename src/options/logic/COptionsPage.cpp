// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/logic/COptionsPage.h"

namespace torvane {

void COptionsPage::OnInitDialog() {
    ReadSettings();
    UpdateData(false);
}

bool COptionsPage::UpdateData(bool saveAndValidate) {
    CDataExchange dx(m_controls, saveAndValidate);
    DoDataExchange(dx);
    return !dx.Failed();
}

void COptionsPage::OnClicked(int /*id*/) {}

void COptionsPage::OnKillFocus(int /*id*/) {}

}  // namespace torvane

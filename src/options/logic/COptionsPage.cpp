// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/logic/COptionsPage.h"

namespace torvane {

void COptionsPage::OnInitDialog() {
    ReadSettings();
    UpdateData(false);
}

void COptionsPage::ReadSettings() {
    for (const PageBinding& binding : m_bindings) {
        binding.Read(m_store);
    }
}

void COptionsPage::DoDataExchange(CDataExchange& dx) {
    // Fields last: a refused entry ends the exchange, and the boxes are taken all the same.
    for (const bool fields : {false, true}) {
        for (const PageBinding& binding : m_bindings) {
            if (binding.IsField() == fields) {
                binding.Exchange(dx);
            }
        }
    }
}

bool COptionsPage::UpdateData(bool saveAndValidate) {
    CDataExchange dx(m_controls, saveAndValidate);
    DoDataExchange(dx);
    return !dx.Failed();
}

bool COptionsPage::OnApply() {
    if (!UpdateData(true)) {
        return false;
    }
    for (const PageBinding& binding : m_bindings) {
        Store(binding);
    }
    return true;
}

void COptionsPage::Store(const PageBinding& binding) {
    binding.Store(m_store);
}

void COptionsPage::OnClicked(int /*id*/) {}

void COptionsPage::OnKillFocus(int /*id*/) {}

}  // namespace torvane

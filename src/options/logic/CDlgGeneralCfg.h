// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "options/logic/COptionsPage.h"
#include "options/logic/IStartupShortcut.h"

namespace torvane {

// The General page: power and start-up behaviour. Its settings are stored plain: 1 for a
// checked box, 0 for an unchecked one.
class CDlgGeneralCfg : public COptionsPage {
public:
    CDlgGeneralCfg(const CSettingsStore& store, IStartupShortcut& shortcut,
                   IPageControls& controls);

    void OnClicked(int id) override;
    void OnKillFocus(int id) override;

protected:
    void ReadSettings() override;
    void Store(const PageBinding& binding) override;

private:
    IStartupShortcut& m_shortcut;
    // Power.
    bool m_bIgnorePowerOff = false;
    bool m_bAutoPowerOff = false;
    int m_nAutoPowerOffAt = 0;
    // Start up.
    bool m_bAutoStart = false;
    // The box as last read or applied: the shortcut is touched only when the box differs.
    bool m_bAutoStartApplied = false;
    bool m_bMinimizeOnStart = false;
};

}  // namespace torvane

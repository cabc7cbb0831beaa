// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "options/logic/COptionsPage.h"

namespace torvane {

// The Sessions page: auto-start on battery, auto-save and the save folder. Its boxes are stored
// inverted: 0 for a checked box, 1 for an unchecked one, so an absent value shows checked.
class CDlgSessionCfg : public COptionsPage {
public:
    CDlgSessionCfg(const CSettingsStore& store, IPageControls& controls);

private:
    std::string m_strSavePath;
    bool m_bAutoSave = false;
    bool m_bAutoStartOnBattery = false;
};

}  // namespace torvane

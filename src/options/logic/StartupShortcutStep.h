// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "options/logic/IStartupShortcut.h"
#include "settings/StartupShortcut.h"

namespace torvane {

// The General page's shortcut step carried out on the program's start-up shortcut.
class StartupShortcutStep : public IStartupShortcut {
public:
    explicit StartupShortcutStep(StartupShortcut& shortcut) : m_shortcut(shortcut) {}
    bool Create() override { return m_shortcut.Create(); }
    void Delete() override { m_shortcut.Delete(); }

private:
    StartupShortcut& m_shortcut;
};

}  // namespace torvane

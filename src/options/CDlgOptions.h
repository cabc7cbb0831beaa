// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

#include "options/logic/IStartupShortcut.h"
#include "platform/IMessageBox.h"
#include "settings/CSettingsStore.h"

class QTabWidget;

namespace torvane {

class OptionsPageWidget;
class StartupShortcut;

// The Options sheet: the pages "General", "Colors", "View" and "Sessions", in that order,
// opening on the first. Each page stores its own settings when its Apply is pressed; the sheet
// itself stores nothing, and closing it, by a page's Close, Escape or the window's close
// button, keeps only what was applied.
class CDlgOptions : public QDialog {
    Q_OBJECT
public:
    CDlgOptions(QWidget* parent, const CSettingsStore& store, IStartupShortcut& shortcut,
                IMessageBox& messages, int startPage = 0);
    ~CDlgOptions() override;

    QTabWidget* Tabs() const { return m_pTabs; }
    OptionsPageWidget* Page(int index) const;

private:
    QTabWidget* m_pTabs;
};

// Runs the Options sheet modally over `parent` and returns when it has closed, whatever the
// way. The caller then reloads every setting from the store and redraws (the sheet's changes
// reach the main window only that way).
int RunOptionsSheet(QWidget* parent, CSettingsStore& store, IStartupShortcut& shortcut);
int RunOptionsSheet(QWidget* parent, CSettingsStore& store, StartupShortcut& shortcut);

}  // namespace torvane

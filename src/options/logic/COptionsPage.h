// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "options/logic/CDataExchange.h"
#include "options/logic/IPageControls.h"
#include "settings/CSettingsStore.h"

namespace torvane {

// What every Options page does: it reads its settings from the store when it is first shown,
// shows them in its controls, and writes them back to the store itself only when its own Apply
// is pressed. The main window learns of the changes after the sheet has closed.
class COptionsPage {
public:
    COptionsPage(const CSettingsStore& store, IPageControls& controls)
        : m_store(store), m_controls(controls) {}
    virtual ~COptionsPage() = default;
    COptionsPage(const COptionsPage&) = delete;
    COptionsPage& operator=(const COptionsPage&) = delete;

    // The page is shown for the first time: read the store, then fill the controls.
    void OnInitDialog();
    // Takes the values from the controls (true) or puts them into the controls (false). False
    // when a value could not be taken; the user has then been told and the focus moved.
    bool UpdateData(bool saveAndValidate);

    // Apply: true when the page's values were stored, false when an entry was refused.
    virtual bool OnApply() = 0;
    // A button or check box of the page was clicked.
    virtual void OnClicked(int id);
    // An edit field of the page lost the keyboard focus.
    virtual void OnKillFocus(int id);

protected:
    virtual void ReadSettings() = 0;
    virtual void DoDataExchange(CDataExchange& dx) = 0;

    IPageControls& Controls() { return m_controls; }

    CSettingsStore m_store;

private:
    IPageControls& m_controls;
};

}  // namespace torvane

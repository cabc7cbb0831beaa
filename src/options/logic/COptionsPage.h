// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <initializer_list>
#include <vector>

#include "options/logic/CDataExchange.h"
#include "options/logic/IPageControls.h"
#include "options/logic/PageBinding.h"
#include "settings/CSettingsStore.h"

namespace torvane {

// What every Options page does: it reads its settings from the store when it is first shown,
// shows them in its controls, and writes them back to the store itself only when its own Apply
// is pressed. The main window learns of the changes after the sheet has closed. Each page
// binds its controls once, in a table; reading, showing, taking and storing walk that table.
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

    // Apply: true when the page's values were stored, in the order of its table, false when an
    // entry was refused and nothing was stored.
    virtual bool OnApply();
    // A button or check box of the page was clicked.
    virtual void OnClicked(int id);
    // An edit field of the page lost the keyboard focus.
    virtual void OnKillFocus(int id);

protected:
    // The page's table, in the order its values are read and stored. The members it names
    // belong to the page, which can be neither copied nor moved.
    void Bind(std::initializer_list<PageBinding> bindings) { m_bindings = bindings; }

    virtual void ReadSettings();
    // Stores one row of the table; a page that does more with one of its values overrides it.
    virtual void Store(const PageBinding& binding);

    IPageControls& Controls() { return m_controls; }

    CSettingsStore m_store;

private:
    void DoDataExchange(CDataExchange& dx);

    IPageControls& m_controls;
    std::vector<PageBinding> m_bindings;
};

}  // namespace torvane

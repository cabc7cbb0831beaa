// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include "options/logic/COptionsPage.h"
#include "settings/SettingsTable.h"

namespace torvane {

// One colour of the Colors page: its picker and the value it is stored under.
struct ColourSetting {
    int pickerId;
    NumberSetting setting;
};

// The eight colours in the order they are read and stored: Grid first, Status text last.
inline constexpr std::array<ColourSetting, 8> kColourSettings = {{
    {1015, Setting::ColorGrid1},
    {1018, Setting::ColorGrid2},
    {1019, Setting::ColorGrid3},
    {1021, Setting::ColorRef1},
    {1022, Setting::ColorRef2},
    {1023, Setting::ColorRef3},
    {1020, Setting::ColorSess},
    {1024, Setting::ColorStatus},
}};

// The Colors page: eight colour pickers. Colours are stored as they are, the automatic marker
// 0xFF000000 included. The pickers' own notifications are of no interest here: their colours
// are read when Apply is pressed, so a choice that is never applied is never stored.
class CDlgColors : public COptionsPage {
public:
    CDlgColors(const CSettingsStore& store, IPageControls& controls)
        : COptionsPage(store, controls) {}

    bool OnApply() override;

protected:
    void ReadSettings() override;
    void DoDataExchange(CDataExchange& dx) override;

private:
    std::array<COLORREF, 8> m_crColours{};
};

}  // namespace torvane

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/WinTypes.h"
#include "settings/CSettingsStore.h"

namespace torvane {

// The settings as the main window works with them, each value in its in-memory sense: a switch
// is true when on, whatever its stored sense. Filled by LoadSettings. The main window keeps one
// as its copy of the settings, so the members carry the window's names for them.
struct SettingsRecord {
    std::int32_t m_nScaleHours = 0;  // hours across the graph
    bool m_bShowEstimations = false;
    bool m_bShowVGrid = false;
    bool m_bShowHGrid = false;
    std::array<bool, 3> m_bShowRef{};  // reference slots 1 to 3
    bool m_bShowDetailedGrid = false;
    COLORREF m_crGrid1 = 0;  // solid grid lines
    COLORREF m_crGrid2 = 0;  // dashed detailed grid lines
    COLORREF m_crGrid3 = 0;  // percent and time labels
    std::array<COLORREF, 3> m_crRef{};
    COLORREF m_crSess = 0;
    COLORREF m_crStatus = 0;
    bool m_bAutoPowerOff = false;
    std::int32_t m_nAutoPowerOffAt = 0;  // taken as stored, without a range check
    bool m_bMinimizeOnStart = false;
    bool m_bIgnorePowerOff = false;
    std::string m_strSavePath;  // taken as stored: no check that the folder exists
    bool m_bAutoSave = false;
    bool m_bAutoStartMode = false;
};

// The first-run step: unless "InitData" says it has run, writes every first-run value of the
// settings table in its order, and "InitData" last, so an interrupted first run is redone at
// the next start.
void InitDefaultSettings(CSettingsStore& store);

// Reads every value the main window holds, in the table's order; writes nothing.
SettingsRecord LoadSettings(CSettingsStore& store);

}  // namespace torvane

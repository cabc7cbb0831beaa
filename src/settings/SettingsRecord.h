#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/WinTypes.h"
#include "settings/CSettingsStore.h"

namespace torvane {

// The settings as the main window works with them, each value in its in-memory sense: a switch
// is true when on, whatever its stored sense. Filled by LoadSettings.
struct SettingsRecord {
    std::int32_t scaleHours = 0;  // hours across the graph
    bool showEstimations = false;
    bool showVGrid = false;
    bool showHGrid = false;
    std::array<bool, 3> showRef{};  // reference slots 1 to 3
    bool showDetailedGrid = false;
    COLORREF gridColour = 0;
    COLORREF gridDetailColour = 0;
    COLORREF gridScaleColour = 0;
    std::array<COLORREF, 3> refColour{};
    COLORREF sessionColour = 0;
    COLORREF statusColour = 0;
    bool autoPowerOff = false;
    std::int32_t autoPowerOffAt = 0;  // taken as stored, without a range check
    bool minimizeOnStart = false;
    bool ignorePowerOff = false;
    std::string savePath;  // taken as stored: no check that the folder exists
    bool autoSave = false;
    bool autoStartMode = false;
};

// The first-run step: unless "InitData" says it has run, writes every first-run value of the
// settings table in its order, and "InitData" last, so an interrupted first run is redone at
// the next start.
void InitDefaultSettings(CSettingsStore& store);

// Reads every value the main window holds, in the table's order; writes nothing.
SettingsRecord LoadSettings(CSettingsStore& store);

}  // namespace torvane

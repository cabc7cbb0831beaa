// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/MainGraphInput.h"

namespace torvane {

GraphInput MakeGraphInput(const SettingsRecord& settings, const BatteryLog& log,
                          const std::array<BatteryLog, 3>& refs, const std::string& status,
                          std::int32_t scaleHours) {
    GraphInput in;
    in.scaleHours = scaleHours;
    in.showHGrid = settings.m_bShowHGrid;
    in.showVGrid = settings.m_bShowVGrid;
    in.showDetailedGrid = settings.m_bShowDetailedGrid;
    in.showEstimations = settings.m_bShowEstimations;
    in.showRef = settings.m_bShowRef;
    in.gridColour = settings.m_crGrid1;
    in.gridDetailColour = settings.m_crGrid2;
    in.gridScaleColour = settings.m_crGrid3;
    in.refColour = settings.m_crRef;
    in.sessionColour = settings.m_crSess;
    in.statusColour = settings.m_crStatus;
    in.log = log;
    in.ref = refs;
    in.status = status;
    return in;
}

}  // namespace torvane

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "graph/GraphInput.h"
#include "logdata/BatteryLog.h"
#include "settings/SettingsRecord.h"

namespace torvane {

// The picture of the main window: its colours and view switches from `settings`, the time scale
// `scaleHours`, the live log, the reference slots and the status line under the graph.
GraphInput MakeGraphInput(const SettingsRecord& settings, const BatteryLog& log,
                          const std::array<BatteryLog, 3>& refs, const std::string& status,
                          std::int32_t scaleHours);

}  // namespace torvane

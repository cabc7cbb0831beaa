#include "session/MainGraphInput.h"

namespace torvane {

GraphInput MakeGraphInput(const SettingsRecord& settings, const BatteryLog& log,
                          const std::array<BatteryLog, 3>& refs, const std::string& status,
                          std::int32_t scaleHours) {
    GraphInput in;
    in.scaleHours = scaleHours;
    in.showHGrid = settings.showHGrid;
    in.showVGrid = settings.showVGrid;
    in.showDetailedGrid = settings.showDetailedGrid;
    in.showEstimations = settings.showEstimations;
    in.showRef = settings.showRef;
    in.gridColour = settings.gridColour;
    in.gridDetailColour = settings.gridDetailColour;
    in.gridScaleColour = settings.gridScaleColour;
    in.refColour = settings.refColour;
    in.sessionColour = settings.sessionColour;
    in.statusColour = settings.statusColour;
    in.log = log;
    in.ref = refs;
    in.status = status;
    return in;
}

}  // namespace torvane

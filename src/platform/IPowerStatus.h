#pragma once

namespace torvane {

// The system's power status, refreshed on every call.
class IPowerStatus {
public:
    virtual ~IPowerStatus() = default;
    // Battery level 0 to 100, or -1 when nothing can be read.
    virtual int BatteryPercent() = 0;
    // True when on mains power, and also whenever the status cannot be read.
    virtual bool OnAcPower() = 0;
};

}  // namespace torvane

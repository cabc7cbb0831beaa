#pragma once

namespace torvane {

// The notification-area icon. Failures are ignored (there may be no tray at all).
class INotifyIcon {
public:
    virtual ~INotifyIcon() = default;
    virtual void Add() = 0;
    virtual void Remove() = 0;
};

}  // namespace torvane

#pragma once

#include <string>

namespace torvane {

// The program's paths on the host. A path that starts with '/' is a host path; any other path
// is a device path and lies under the device root (a leading backslash names the root).
// Backslashes and slashes both separate components.
class DevicePaths {
public:
    explicit DevicePaths(std::string deviceRoot);

    // The host path for a program path. Device paths cannot leave the device root ("..", as
    // at the root of any file system, stays there), and a component that does not exist as
    // written takes the spelling of an existing entry that differs only in case, as the
    // handheld's file system would find it.
    std::string ToHostPath(const std::string& programPath) const;

    // Makes the device root and its "My Documents" folder when they are missing. On failure,
    // false with a message for the user in `error`.
    bool PrepareDeviceRoot(std::string& error) const;

    const std::string& Root() const { return m_root; }

private:
    std::string m_root;
};

}  // namespace torvane

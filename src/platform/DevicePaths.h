// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace torvane {

// The program's paths on the host. A path that starts with '/' is a host path, the desktop's
// own, used exactly as it is: a backslash in it is a character of a name. Any other path is a
// device path and lies under the device root (a leading backslash names the root); in a device
// path backslashes and slashes both separate components.
//
// A folder and a name within it are joined with Join, then resolved with ToHostPath:
//     paths.ToHostPath(DevicePaths::Join(folder, "autosave.blf"))
// which works alike for "\My Documents" and "/home/ann/logs".
class DevicePaths {
public:
    explicit DevicePaths(std::string deviceRoot);

    static bool IsHostPath(const std::string& programPath) {
        return !programPath.empty() && programPath.front() == '/';
    }

    // `name` inside `folder`, joined with the folder's own separator: '/' for a host folder,
    // '\' for a device folder. Nothing is added or removed besides, so a folder that ends in
    // a separator gives two of them (harmless in either kind), and an empty folder gives
    // "\name", a file at the device root.
    static std::string Join(const std::string& folder, const std::string& name) {
        return folder + (IsHostPath(folder) ? "/" : "\\") + name;
    }

    // The host path for a program path. A host path comes back unchanged. Device paths cannot
    // leave the device root ("..", as at the root of any file system, stays there), and a
    // component that does not exist as written takes the spelling of an existing entry that
    // differs only in case, as a file system that ignores case would find it.
    std::string ToHostPath(const std::string& programPath) const;

    // Makes the device root and its "My Documents" folder when they are missing. On failure,
    // false with a message for the user in `error`.
    bool PrepareDeviceRoot(std::string& error) const;

private:
    std::string m_root;
};

}  // namespace torvane

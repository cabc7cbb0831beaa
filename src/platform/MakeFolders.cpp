// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/MakeFolders.h"

#include <sys/stat.h>

#include <cerrno>

namespace torvane {

bool MakeFolders(const std::string& hostPath) {
    if (hostPath.empty()) {
        return false;
    }
    for (std::size_t pos = 1; pos <= hostPath.size(); ++pos) {
        if (pos != hostPath.size() && hostPath[pos] != '/') {
            continue;
        }
        const std::string part = hostPath.substr(0, pos);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
            return false;
        }
    }
    struct stat info {};
    return ::stat(hostPath.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace torvane

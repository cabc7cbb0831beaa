// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linux/MakeFolders.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

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

bool MakePrivateFolder(const std::string& hostPath, std::string& problem) {
    if (!MakeFolders(hostPath)) {
        problem = "cannot make the folder " + hostPath;
        return false;
    }
    const int fd = ::open(hostPath.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat info {};
    if (fd < 0) {
        const int error = errno;
        const bool link = ::lstat(hostPath.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
        problem = hostPath + (link ? " is a symbolic link, which is not followed"
                                   : std::string(" cannot be opened: ") + std::strerror(error));
        return false;
    }
    bool ok = ::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode);
    if (!ok) {
        problem = hostPath + " is not a folder";
    } else if (info.st_uid != ::getuid()) {
        problem = hostPath + " belongs to another user";
        ok = false;
    } else if ((info.st_mode & 077) != 0 && ::fchmod(fd, 0700) != 0) {
        problem = hostPath + " is open to other users and cannot be made private";
        ok = false;
    }
    ::close(fd);
    return ok;
}

}  // namespace torvane

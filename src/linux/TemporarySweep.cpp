// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linux/TemporarySweep.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>

namespace torvane {

int SweepTemporaries(const std::string& folder,
                     const std::function<bool(std::string_view name)>& isTemporary,
                     std::chrono::seconds minAge) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return 0;
    }
    DIR* dir = ::fdopendir(fd);
    if (dir == nullptr) {
        ::close(fd);
        return 0;
    }
    const std::time_t before = std::time(nullptr) - static_cast<std::time_t>(minAge.count());
    const uid_t user = ::getuid();
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        if (!isTemporary(entry->d_name)) {
            continue;
        }
        struct stat info {};
        if (::fstatat(fd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode) && info.st_uid == user && info.st_mtime < before &&
            ::unlinkat(fd, entry->d_name, 0) == 0) {
            ++removed;
        }
    }
    ::closedir(dir);  // closes fd as well
    return removed;
}

std::string SweepReport(int removed) {
    if (removed <= 0) {
        return {};
    }
    return "removed " + std::to_string(removed) +
           (removed == 1 ? " temporary file" : " temporary files") +
           " that interrupted writes had left";
}

}  // namespace torvane

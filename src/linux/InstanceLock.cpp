// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linux/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <utility>

#include "linux/MakeFolders.h"

namespace torvane {

namespace {

// A short name for a settings file: socket paths have little room.
std::string NameFor(const std::string& canonicalHivePath) {
    std::uint64_t hash = 14695981039346656037u;  // FNV-1a
    for (char c : canonicalHivePath) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211u;
    }
    char name[24];
    std::snprintf(name, sizeof name, "%016llx", static_cast<unsigned long long>(hash));
    return name;
}

}  // namespace

std::string InstanceLock::LockPathFor(const std::string& folder,
                                      const std::string& canonicalHivePath) {
    return folder + "/running." + NameFor(canonicalHivePath) + ".lock";
}

std::string InstanceLock::SocketPathFor(const std::string& folder,
                                        const std::string& canonicalHivePath) {
    return folder + "/" + NameFor(canonicalHivePath) + ".sock";
}

InstanceLock::InstanceLock(std::string lockPath) : m_path(std::move(lockPath)) {}

InstanceLock::~InstanceLock() {
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

InstanceLock::Result InstanceLock::Acquire() {
    if (m_fd >= 0) {
        return Result::Held;
    }
    // The folder holds the running copy's socket too: it must be the user's alone.
    const auto slash = m_path.find_last_of('/');
    if (slash != std::string::npos && slash > 0 &&
        !MakePrivateFolder(m_path.substr(0, slash), m_problem)) {
        return Result::Failed;
    }
    const int fd =
        ::open(m_path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0600);
    if (fd < 0) {
        m_problem = m_path + (errno == ELOOP ? " is a symbolic link, which is not followed"
                                             : " cannot be locked");
        return Result::Failed;
    }
    int rc = 0;
    do {
        rc = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        const bool busy = errno == EWOULDBLOCK;
        ::close(fd);
        m_problem = m_path + " cannot be locked";
        return busy ? Result::HeldElsewhere : Result::Failed;
    }
    m_fd = fd;
    return Result::Held;
}

}  // namespace torvane

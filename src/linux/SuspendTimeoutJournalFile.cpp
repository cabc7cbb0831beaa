// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linux/SuspendTimeoutJournalFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string_view>
#include <utility>

#include "linux/AtomicFile.h"
#include "linux/MakeFolders.h"

namespace torvane {

namespace {

std::string ParentOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The number as the file holds it: decimal digits, then an optional line end; nothing else.
std::optional<DWORD> ParseTimeout(std::string_view text) {
    if (!text.empty() && text.back() == '\n') {
        text.remove_suffix(1);
    }
    if (text.empty() || text.size() > 10) {
        return std::nullopt;
    }
    std::uint64_t number = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        number = number * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (number > 0xFFFFFFFFu) {
        return std::nullopt;
    }
    return static_cast<DWORD>(number);
}

// True when some other open file holds the lock on the file at `path`.
bool LockedElsewhere(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
    if (fd < 0) {
        return false;
    }
    const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return locked;
}

}  // namespace

std::string SuspendTimeoutJournalFile::PathFor(const std::string& stateDir,
                                               const std::string& hivePath) {
    std::uint64_t hash = 14695981039346656037u;  // FNV-1a
    for (char c : hivePath) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211u;
    }
    char name[40];
    std::snprintf(name, sizeof name, "suspend-timeout.%016llx",
                  static_cast<unsigned long long>(hash));
    return stateDir + "/" + name;
}

SuspendTimeoutJournalFile::SuspendTimeoutJournalFile(std::string path, Warn warn)
    : m_path(std::move(path)), m_warn(std::move(warn)) {}

SuspendTimeoutJournalFile::~SuspendTimeoutJournalFile() {
    Forget();
}

void SuspendTimeoutJournalFile::Forget() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

bool SuspendTimeoutJournalFile::LinkInTheWay() {
    struct stat info {};
    if (::lstat(m_path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
        return false;
    }
    if (!m_bToldLink && m_warn) {
        m_warn(m_path +
               " is a symbolic link, which is not followed; the suspend timeout is "
               "not kept against a crash while it is there");
    }
    m_bToldLink = true;
    return true;
}

bool SuspendTimeoutJournalFile::Record(DWORD savedTimeout) {
    // A link in the file's place is not ours to write through; a file another running copy
    // owns holds the value to keep.
    if (LinkInTheWay() || (m_fd < 0 && LockedElsewhere(m_path))) {
        return false;
    }
    const std::string folder = ParentOf(m_path);
    if (!MakeFolders(folder)) {
        return false;
    }
    std::string temp;
    const int fd = AtomicFile::CreateTemporary(folder, m_path, temp, 0600);
    if (fd < 0) {
        return false;
    }
    const std::string text = std::to_string(savedTimeout) + "\n";
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || !WriteAll(fd, text) || ::fsync(fd) != 0 ||
        ::rename(temp.c_str(), m_path.c_str()) != 0) {
        ::close(fd);
        ::unlink(temp.c_str());
        return false;
    }
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    Forget();
    m_fd = fd;
    return true;
}

std::optional<DWORD> SuspendTimeoutJournalFile::Pending() {
    // Not blocking: a pipe put in its place must not hold up the start.
    const int fd = ::open(m_path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
    if (fd < 0) {
        if (errno == ELOOP) {
            LinkInTheWay();
        }
        return std::nullopt;
    }
    // Only a regular file holds a value. Locked: the run that wrote it is still going (perhaps
    // this one).
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return std::nullopt;
    }
    std::string text;
    char buffer[32];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0 || text.size() > 64) {
            break;
        }
        text.append(buffer, static_cast<std::size_t>(n));
    }
    const std::optional<DWORD> timeout = ParseTimeout(text);
    if (!timeout) {
        // Nothing can be put back from a damaged file; drop it so it is not tried again.
        ::unlink(m_path.c_str());
        ::close(fd);
        return std::nullopt;
    }
    Forget();
    m_fd = fd;
    return timeout;
}

void SuspendTimeoutJournalFile::Clear() {
    if (m_fd < 0) {
        return;
    }
    // Remove the file only while it is still the one this run owns.
    struct stat owned {};
    struct stat now {};
    if (::fstat(m_fd, &owned) == 0 && ::lstat(m_path.c_str(), &now) == 0 &&
        owned.st_dev == now.st_dev && owned.st_ino == now.st_ino) {
        ::unlink(m_path.c_str());
    }
    Forget();
}

}  // namespace torvane

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linux/HostImportFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "linux/AtomicFile.h"
#include "linux/MakeFolders.h"

namespace torvane {

namespace {

bool SyncPath(const std::string& path, int flags) {
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

}  // namespace

HostImportFolder::~HostImportFolder() {
    for (const std::string& staged : m_staged) {
        ::unlink(staged.c_str());
    }
}

bool HostImportFolder::Make(std::string& error) {
    if (MakeFolders(m_path)) {
        return true;
    }
    const int why = errno;
    struct stat st {};
    const bool inTheWay = ::stat(m_path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
    error = "cannot make the folder " + m_path + ": " +
            (inTheWay ? std::string("a file is in the way") : std::string(std::strerror(why)));
    return false;
}

IImportFolder::Existing HostImportFolder::Compare(const std::string& name,
                                                  const std::vector<std::uint8_t>& bytes) {
    const std::string path = PathOf(name);
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 && errno == ENOENT) {
        return Existing::Missing;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
    if (fd < 0) {
        return Existing::Different;
    }
    std::vector<std::uint8_t> held(bytes.size() + 1);
    std::size_t got = 0;
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    while (ok && got < held.size()) {
        const ssize_t n = ::read(fd, held.data() + got, held.size() - got);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return ok && got == bytes.size() && std::memcmp(held.data(), bytes.data(), got) == 0
               ? Existing::Same
               : Existing::Different;
}

bool HostImportFolder::Stage(const std::string& name, const std::vector<std::uint8_t>& bytes,
                             std::string& staged, std::string& error) {
    const std::string path = PathOf(name);
    if (AtomicFile::WriteTemporary(path, bytes, staged) != FileWriteResult::Ok) {
        error = "Cannot create file " + path;
        return false;
    }
    m_staged.push_back(staged);
    return true;
}

bool HostImportFolder::Flush(std::string& error) {
    const int fd = ::open(m_path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        const bool flushed = ::syncfs(fd) == 0;
        ::close(fd);
        if (flushed) {
            return true;
        }
    }
    // Where the whole file system cannot be flushed, or reports a fault, each log is.
    for (const std::string& staged : m_staged) {
        if (!SyncPath(staged, O_RDONLY)) {
            error = "cannot write to the disk in " + m_path + ": " + std::strerror(errno);
            return false;
        }
    }
    return true;
}

IImportFolder::Named HostImportFolder::Name(const std::string& staged, const std::string& name,
                                            std::string& error) {
    const std::string path = PathOf(name);
    switch (AtomicFile::NameNew(staged, path)) {
        case NewFileResult::Created:
            m_staged.erase(std::remove(m_staged.begin(), m_staged.end(), staged), m_staged.end());
            return Named::Written;
        case NewFileResult::Exists:
            return Named::Taken;
        case NewFileResult::Failed:
            break;
    }
    error = "Cannot create file " + path;
    return Named::Failed;
}

void HostImportFolder::Discard(const std::string& staged) {
    ::unlink(staged.c_str());
    m_staged.erase(std::remove(m_staged.begin(), m_staged.end(), staged), m_staged.end());
}

void HostImportFolder::Sync() {
    SyncPath(m_path, O_RDONLY | O_DIRECTORY);
}

std::string HostImportFolder::PathOf(const std::string& name) const {
    return m_path == "/" ? "/" + name : m_path + "/" + name;
}

}  // namespace torvane

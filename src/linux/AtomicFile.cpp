// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linux/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace torvane {

namespace {

// Closes a descriptor when it goes out of scope.
class Fd {
public:
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int Get() const { return m_fd; }
    // Closes now and reports whether the close succeeded (it may report a late write error).
    bool Close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

bool WriteAll(int fd, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a path finally names, following symbolic links; the path itself when it is not a
// link or the link dangles.
std::string FinalTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
        return path;
    }
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr) {
        return path;
    }
    return resolved;
}

void SyncFolder(const std::string& folder) {
    Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0) {
        (void)::fsync(dir.Get());
    }
}

}  // namespace

int AtomicFile::CreateTemporary(const std::string& folder, const std::string& target,
                                std::string& temp, mode_t mode) {
    const std::string base = target.substr(target.find_last_of('/') + 1);
    std::random_device random;
    int raw = -1;
    for (int attempt = 0; attempt < 100 && raw < 0; ++attempt) {
        temp = folder;
        temp.append("/.").append(base).append(kTemporaryMark);
        temp.append(std::to_string(::getpid())).append("-").append(std::to_string(random()));
        // Always a new file: whatever already has the name, a link included, is left alone.
        raw = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (raw < 0 && errno != EEXIST) {
            break;
        }
    }
    return raw;
}

bool AtomicFile::IsTemporaryName(std::string_view name) {
    // "." base ".tmp-" pid "-" number, with a base of at least one character.
    const auto digits = [](std::string_view text) {
        return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
    };
    const auto mark = name.rfind(kTemporaryMark);
    if (name.size() < 2 || name.front() != '.' || mark == std::string_view::npos || mark < 2) {
        return false;
    }
    const std::string_view tail = name.substr(mark + kTemporaryMark.size());
    const auto dash = tail.find('-');
    return dash != std::string_view::npos && digits(tail.substr(0, dash)) &&
           digits(tail.substr(dash + 1));
}

FileReadResult AtomicFile::Read(const std::string& hostPath, std::size_t maxBytes,
                                std::vector<std::uint8_t>& out) {
    Fd fd(::open(hostPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.Get() < 0) {
        return FileReadResult::CannotOpen;
    }
    struct stat st {};
    if (::fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode)) {
        return FileReadResult::CannotOpen;
    }
    // The size on disk is only a hint, and never one that raises the caller's bound.
    std::vector<std::uint8_t> bytes;
    bytes.reserve(std::min(maxBytes, static_cast<std::size_t>(std::max<off_t>(st.st_size, 0))));
    std::uint8_t buffer[65536];
    while (bytes.size() < maxBytes) {
        const std::size_t want = std::min(sizeof buffer, maxBytes - bytes.size());
        const ssize_t n = ::read(fd.Get(), buffer, want);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return FileReadResult::ReadFailed;
        }
        if (n == 0) {
            break;
        }
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    out = std::move(bytes);
    return FileReadResult::Ok;
}

FileWriteResult AtomicFile::Replace(const std::string& hostPath, const void* data,
                                    std::size_t size) {
    const std::string target = FinalTarget(hostPath);
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) {
        return FileWriteResult::CannotCreate;
    }

    const std::string folder = FolderOf(target);
    std::string temp;
    const int raw = CreateTemporary(folder, target, temp, 0666);
    if (raw < 0) {
        return FileWriteResult::CannotCreate;
    }
    Fd fd(raw);
    if (exists) {
        (void)::fchmod(fd.Get(), existing.st_mode & 07777);
    }

    const bool written =
        WriteAll(fd.Get(), static_cast<const std::uint8_t*>(data), size) && ::fsync(fd.Get()) == 0;
    if (!fd.Close() || !written || ::rename(temp.c_str(), target.c_str()) != 0) {
        ::unlink(temp.c_str());
        return FileWriteResult::WriteFailed;
    }

    // Make the rename itself durable. The new content is in place whatever this reports.
    SyncFolder(folder);
    return FileWriteResult::Ok;
}

FileWriteResult AtomicFile::WriteTemporary(const std::string& hostPath,
                                           const std::vector<std::uint8_t>& bytes,
                                           std::string& tempPath) {
    const int raw = CreateTemporary(FolderOf(hostPath), hostPath, tempPath, 0666);
    if (raw < 0) {
        return FileWriteResult::CannotCreate;
    }
    Fd fd(raw);
    const bool written = WriteAll(fd.Get(), bytes.data(), bytes.size());
    if (!fd.Close() || !written) {
        ::unlink(tempPath.c_str());
        return FileWriteResult::WriteFailed;
    }
    return FileWriteResult::Ok;
}

NewFileResult AtomicFile::NameNew(const std::string& tempPath, const std::string& hostPath) {
    int moved =
        ::renameat2(AT_FDCWD, tempPath.c_str(), AT_FDCWD, hostPath.c_str(), RENAME_NOREPLACE);
    int error = moved == 0 ? 0 : errno;
    if (moved != 0 && error != EEXIST) {
        // A file system without that kind of rename: a hard link refuses an existing name too,
        // and where there are no links either, the name is looked at just before the rename.
        moved = ::link(tempPath.c_str(), hostPath.c_str());
        error = moved == 0 ? 0 : errno;
        if (moved == 0) {
            ::unlink(tempPath.c_str());
        } else if (error != EEXIST) {
            struct stat st {};
            if (::lstat(hostPath.c_str(), &st) == 0) {
                error = EEXIST;
            } else {
                moved = ::rename(tempPath.c_str(), hostPath.c_str());
                error = moved == 0 ? 0 : errno;
            }
        }
    }
    if (moved != 0) {
        return error == EEXIST ? NewFileResult::Exists : NewFileResult::Failed;
    }
    return NewFileResult::Created;
}

}  // namespace torvane

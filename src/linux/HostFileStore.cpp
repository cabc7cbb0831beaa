// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linux/HostFileStore.h"

#include <unistd.h>

#include <cerrno>

#include "linux/AtomicFile.h"

namespace torvane {

FileReadResult HostFileStore::ReadFile(const std::string& path, std::size_t maxBytes,
                                       std::vector<std::uint8_t>& out) {
    return AtomicFile::Read(m_paths.ToHostPath(path), maxBytes, out);
}

FileWriteResult HostFileStore::WriteFile(const std::string& path,
                                         const std::vector<std::uint8_t>& bytes) {
    return AtomicFile::Replace(m_paths.ToHostPath(path), bytes);
}

bool HostFileStore::RemoveFile(const std::string& path) {
    return ::unlink(m_paths.ToHostPath(path).c_str()) == 0 || errno == ENOENT;
}

}  // namespace torvane

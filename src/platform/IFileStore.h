// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace torvane {

enum class FileWriteResult {
    Ok,
    CannotCreate,  // the file (or its temporary) could not be created
    WriteFailed,   // created, but writing, flushing or replacing failed; the old file is intact
};

enum class FileReadResult {
    Ok,
    CannotOpen,
    ReadFailed,
};

// Whole-file access by program path: a path starting with '/' is a host path, used as it is;
// any other lies under the device root. Writes are atomic: the target holds either its old
// content or the new content, never a mix.
class IFileStore {
public:
    virtual ~IFileStore() = default;
    // Reads the file from its start, at most `maxBytes` bytes; a longer file gives its first
    // `maxBytes` bytes. Every read names its bound: nothing is read whole on the strength of a
    // size found on disk.
    virtual FileReadResult ReadFile(const std::string& path, std::size_t maxBytes,
                                    std::vector<std::uint8_t>& out) = 0;
    virtual FileWriteResult WriteFile(const std::string& path,
                                      const std::vector<std::uint8_t>& bytes) = 0;
    virtual bool RemoveFile(const std::string& path) = 0;
};

}  // namespace torvane

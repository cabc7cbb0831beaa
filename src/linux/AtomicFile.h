// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/IFileStore.h"

namespace torvane {

enum class NewFileResult {
    Created,
    Exists,  // a file of that name is there; both are left as they were
    Failed,  // the name could not be given; the temporary file is left as it was
};

// Whole-file reads and crash-safe replacement of files on the host's file system.
class AtomicFile {
public:
    // Reads a regular file from its start, at most `maxBytes` bytes: a longer file gives its
    // first `maxBytes` bytes, so a huge or damaged file costs no more than the caller allows.
    // Anything that is not a regular file (a folder, a pipe, a device) cannot be opened, so a
    // mistaken path never blocks or floods the program.
    static FileReadResult Read(const std::string& hostPath, std::size_t maxBytes,
                               std::vector<std::uint8_t>& out);

    // Writes `size` bytes to a new file in the target's folder, flushes it to disk and renames
    // it over the target, so the target holds either its old or its new content whatever
    // happens. A symbolic link is followed and the file it names is replaced; an existing
    // file keeps its permissions. On failure the temporary file is removed.
    static FileWriteResult Replace(const std::string& hostPath, const void* data, std::size_t size);
    static FileWriteResult Replace(const std::string& hostPath,
                                   const std::vector<std::uint8_t>& bytes) {
        return Replace(hostPath, bytes.data(), bytes.size());
    }

    // Writing a file under a name not taken yet, in two halves, so that many files can be
    // flushed to disk at once in between. The first half writes the bytes into a fresh hidden
    // file beside `hostPath`, not yet flushed, and gives its path in `tempPath`.
    static FileWriteResult WriteTemporary(const std::string& hostPath,
                                          const std::vector<std::uint8_t>& bytes,
                                          std::string& tempPath);
    // The second half, once the temporary file is on disk: it takes the name `hostPath`, but
    // never in place of an existing file (or folder or link) of that name, even one made a
    // moment before; then it is left as it was.
    static NewFileResult NameNew(const std::string& tempPath, const std::string& hostPath);

    // Opens a new, empty file with `mode` in `folder` under a hidden name made from `target`'s
    // name, for writing, and gives its path in `temp`; -1 when none can be made. It never opens
    // an existing file or follows a link.
    static int CreateTemporary(const std::string& folder, const std::string& target,
                               std::string& temp, mode_t mode);
    // Whether `name` (without its folder) is one CreateTemporary gives, so that a start can tell
    // what an interrupted write left behind.
    static bool IsTemporaryName(std::string_view name);

private:
    static constexpr std::string_view kTemporaryMark = ".tmp-";
};

}  // namespace torvane

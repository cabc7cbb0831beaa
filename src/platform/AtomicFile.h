#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/IFileStore.h"

namespace torvane {

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
};

}  // namespace torvane

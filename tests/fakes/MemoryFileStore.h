// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/IFileStore.h"

namespace torvane::test {

// Files in memory by program path, found as the host's file store finds them: a path starting
// with '/' is the desktop's own, taken as it is (a backslash is part of a name); any other is a
// device path, whose components backslashes and slashes both separate, with "." and ".."
// resolved within the root and names matched without regard to case (a file keeps the spelling
// it was first written with). Like the host's store, a read returns at most what it asks for; a
// file cannot be made in a missing folder or in place of a folder; and a write that fails
// part-way (a full disk) leaves the old file as it was.
class MemoryFileStore : public IFileStore {
public:
    FileReadResult ReadFile(const std::string& path, std::size_t maxBytes,
                            std::vector<std::uint8_t>& out) override;
    FileWriteResult WriteFile(const std::string& path,
                              const std::vector<std::uint8_t>& bytes) override;
    // True when the file is gone afterwards, also when it never existed.
    bool RemoveFile(const std::string& path) override;

    // The file `path` names, as a read would find it; nullptr when there is none.
    const std::vector<std::uint8_t>* Find(const std::string& path) const;

    // The files, each under the spelling it was first written with.
    std::map<std::string, std::vector<std::uint8_t>> files;
    // Folders that do not exist (program paths); with everything in them.
    std::set<std::string> missingFolders;
    // Room left on the disk, in bytes; none: unlimited. A replacement needs room for the whole
    // new file while the old one is still there.
    std::optional<std::size_t> freeBytes;
    // Files that open but fail with an I/O error before their end.
    std::set<std::string> unreadable;
    // Every write fails this way when set.
    std::optional<FileWriteResult> failWritesWith;
    int writes = 0;
};

}  // namespace torvane::test

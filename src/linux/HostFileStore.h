// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/DevicePaths.h"
#include "platform/IFileStore.h"

namespace torvane {

// Files on the host by program path: device paths under the device root, host paths as they
// are. Every write replaces the file atomically.
class HostFileStore : public IFileStore {
public:
    explicit HostFileStore(const DevicePaths& paths) : m_paths(paths) {}

    FileReadResult ReadFile(const std::string& path, std::size_t maxBytes,
                            std::vector<std::uint8_t>& out) override;
    FileWriteResult WriteFile(const std::string& path,
                              const std::vector<std::uint8_t>& bytes) override;
    // True when the file is gone afterwards, also when it never existed.
    bool RemoveFile(const std::string& path) override;

private:
    const DevicePaths& m_paths;
};

}  // namespace torvane

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "platform/IImportFolder.h"

namespace torvane {

// An import folder on the host, by its host path.
class HostImportFolder : public IImportFolder {
public:
    explicit HostImportFolder(std::string hostPath) : m_path(std::move(hostPath)) {}
    // Removes staged logs that were never named.
    ~HostImportFolder() override;
    HostImportFolder(const HostImportFolder&) = delete;
    HostImportFolder& operator=(const HostImportFolder&) = delete;

    bool Make(std::string& error) override;
    // Reads no more of an existing file than the bytes it is compared with, and one more.
    Existing Compare(const std::string& name, const std::vector<std::uint8_t>& bytes) override;
    bool Stage(const std::string& name, const std::vector<std::uint8_t>& bytes, std::string& staged,
               std::string& error) override;
    // One flush of the file system for every staged log, instead of one each.
    bool Flush(std::string& error) override;
    Named Name(const std::string& staged, const std::string& name, std::string& error) override;
    void Discard(const std::string& staged) override;
    void Sync() override;
    std::string PathOf(const std::string& name) const override;

private:
    std::string m_path;
    std::vector<std::string> m_staged;  // host paths of the hidden files
};

}  // namespace torvane

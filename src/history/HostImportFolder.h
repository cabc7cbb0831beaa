#pragma once

#include "history/IImportFolder.h"

namespace torvane {

// An import folder on the host, by its host path.
class HostImportFolder : public IImportFolder {
public:
    explicit HostImportFolder(std::string hostPath) : m_path(std::move(hostPath)) {}

    bool Make(std::string& error) override;
    // Reads no more of an existing file than the bytes it is compared with, and one more.
    Existing Compare(const std::string& name, const std::vector<std::uint8_t>& bytes) override;
    Created Create(const std::string& name, const std::vector<std::uint8_t>& bytes,
                   std::string& error) override;
    std::string PathOf(const std::string& name) const override;

private:
    std::string m_path;
};

}  // namespace torvane

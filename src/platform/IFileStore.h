#pragma once

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

// Whole-file access by program path: a path starting with a backslash lies under the device
// root, a path starting with '/' is a host path. Writes are atomic: the target holds either its
// old content or the new content, never a mix.
class IFileStore {
public:
    virtual ~IFileStore() = default;
    virtual FileReadResult ReadFile(const std::string& path, std::vector<std::uint8_t>& out) = 0;
    virtual FileWriteResult WriteFile(const std::string& path,
                                      const std::vector<std::uint8_t>& bytes) = 0;
    virtual bool RemoveFile(const std::string& path) = 0;
};

}  // namespace torvane

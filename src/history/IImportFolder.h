#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace torvane {

// The folder that imported logs go to, by plain file name.
class IImportFolder {
public:
    enum class Existing {
        Missing,
        Same,       // a file with exactly these bytes
        Different,  // anything else under that name, also what cannot be read: never replaced
    };
    enum class Created {
        Written,
        Taken,   // the name was taken in the meantime; nothing was written
        Failed,  // `error` says why
    };

    virtual ~IImportFolder() = default;

    // Makes the folder when it is missing. False with the reason in `error`.
    virtual bool Make(std::string& error) = 0;
    virtual Existing Compare(const std::string& name, const std::vector<std::uint8_t>& bytes) = 0;
    // Writes a new file atomically, never in place of an existing one.
    virtual Created Create(const std::string& name, const std::vector<std::uint8_t>& bytes,
                           std::string& error) = 0;
    // The file's path as the user can use it.
    virtual std::string PathOf(const std::string& name) const = 0;
};

}  // namespace torvane

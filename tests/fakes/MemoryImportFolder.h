#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "history/IImportFolder.h"

namespace torvane::test {

// An import folder in memory, with the host folder's rules: a name is taken once, an existing
// file is never replaced, and failures come on demand.
class MemoryImportFolder : public IImportFolder {
public:
    bool Make(std::string& error) override {
        ++makes;
        if (makeError) {
            error = *makeError;
            return false;
        }
        return true;
    }
    Existing Compare(const std::string& name, const std::vector<std::uint8_t>& bytes) override {
        const auto it = files.find(name);
        if (it == files.end()) {
            return Existing::Missing;
        }
        return it->second == bytes ? Existing::Same : Existing::Different;
    }
    Created Create(const std::string& name, const std::vector<std::uint8_t>& bytes,
                   std::string& error) override {
        if (beforeCreate) {
            beforeCreate(name);  // another program at work between the look and the write
        }
        if (createError) {
            error = *createError;
            return Created::Failed;
        }
        if (files.count(name) != 0) {
            return Created::Taken;
        }
        files[name] = bytes;
        ++writes;
        return Created::Written;
    }
    std::string PathOf(const std::string& name) const override { return "/logs/" + name; }

    std::map<std::string, std::vector<std::uint8_t>> files;
    std::optional<std::string> makeError;
    std::optional<std::string> createError;
    std::function<void(const std::string& name)> beforeCreate;
    int makes = 0;
    int writes = 0;
};

}  // namespace torvane::test

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/IImportFolder.h"

namespace torvane::test {

// An import folder in memory, with the host folder's rules: a name is taken once, an existing
// file is never replaced, a staged log is named only after a flush, and failures come on
// demand.
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
    bool Stage(const std::string& name, const std::vector<std::uint8_t>& bytes, std::string& handle,
               std::string& error) override {
        if (stageError) {
            error = *stageError + " " + name;
            return false;
        }
        handle = ".staged-" + std::to_string(++stages);
        staged[handle] = {bytes, false};
        return true;
    }
    bool Flush(std::string& error) override {
        ++flushes;
        if (flushError) {
            error = *flushError;
            return false;
        }
        for (auto& [handle, log] : staged) {
            log.flushed = true;
        }
        return true;
    }
    Named Name(const std::string& handle, const std::string& name, std::string& error) override {
        if (beforeName) {
            beforeName(name);  // another program at work between the look and the naming
        }
        const auto it = staged.find(handle);
        if (it == staged.end() || !it->second.flushed) {
            error = "named before it was flushed: " + name;
            return Named::Failed;
        }
        if (nameError) {
            error = *nameError + " " + name;
            return Named::Failed;
        }
        if (files.count(name) != 0) {
            return Named::Taken;
        }
        files[name] = it->second.bytes;
        staged.erase(it);
        ++writes;
        return Named::Written;
    }
    void Discard(const std::string& handle) override { staged.erase(handle); }
    void Sync() override { ++syncs; }
    std::string PathOf(const std::string& name) const override { return "/logs/" + name; }

    struct Staged {
        std::vector<std::uint8_t> bytes;
        bool flushed = false;
    };
    std::map<std::string, std::vector<std::uint8_t>> files;
    std::map<std::string, Staged> staged;
    std::optional<std::string> makeError;
    std::optional<std::string> stageError;
    std::optional<std::string> flushError;
    std::optional<std::string> nameError;
    std::function<void(const std::string& name)> beforeName;
    int makes = 0;
    int stages = 0;
    int flushes = 0;
    int syncs = 0;
    int writes = 0;
};

}  // namespace torvane::test

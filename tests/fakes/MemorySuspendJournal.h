// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include "platform/ISuspendTimeoutJournal.h"

namespace torvane::test {

// The kept suspend timeout in memory, under the rules of the state file: the run that records
// a value, or takes over an ended run's value through Pending, owns the file until it clears it
// or ends. While any run owns the file, Pending finds nothing (its owner included) and no other
// run can record. Each object is one run; runs given the same File share it, as processes
// share the file on disk.
class MemorySuspendJournal : public ISuspendTimeoutJournal {
public:
    // The state file on disk.
    struct File {
        std::optional<DWORD> value;  // none: there is no file
        bool damaged = false;        // there is a file, but it holds no number
        bool unwritable = false;     // its folder cannot be written
        const MemorySuspendJournal* lockedBy = nullptr;
    };

    MemorySuspendJournal() : MemorySuspendJournal(m_ownFile) {}
    explicit MemorySuspendJournal(File& shared) : file(shared) {}
    ~MemorySuspendJournal() override { EndRun(); }

    MemorySuspendJournal(const MemorySuspendJournal&) = delete;
    MemorySuspendJournal& operator=(const MemorySuspendJournal&) = delete;

    bool Record(DWORD savedTimeout) override {
        ++records;
        if (!Owned() && file.lockedBy != nullptr) {
            return false;  // another running copy's value is the one to keep
        }
        if (file.unwritable) {
            return false;
        }
        file.value = savedTimeout;
        file.damaged = false;
        file.lockedBy = this;
        return true;
    }
    std::optional<DWORD> Pending() override {
        if (file.lockedBy != nullptr || (!file.value && !file.damaged)) {
            return std::nullopt;
        }
        if (file.damaged) {
            // Nothing can be put back from it; it is dropped so it is not tried again.
            file.damaged = false;
            file.value.reset();
            return std::nullopt;
        }
        file.lockedBy = this;
        return file.value;
    }
    void Clear() override {
        ++clears;
        if (!Owned()) {
            return;
        }
        file.value.reset();
        file.lockedBy = nullptr;
    }

    // The run ends, however it ends: the system lets its lock go and the file stays.
    void EndRun() {
        if (Owned()) {
            file.lockedBy = nullptr;
        }
    }
    bool Owned() const { return file.lockedBy == this; }

    File& file;
    std::optional<DWORD>& kept = file.value;  // what the file holds; none: no file
    bool& failRecord = file.unwritable;
    int records = 0;
    int clears = 0;

private:
    File m_ownFile;
};

}  // namespace torvane::test

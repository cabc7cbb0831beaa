#pragma once

#include <optional>

#include "platform/ISuspendTimeoutJournal.h"

namespace torvane::test {

// The kept suspend timeout in memory. `pending` plays the file an earlier run left behind.
class MemorySuspendJournal : public ISuspendTimeoutJournal {
public:
    bool Record(DWORD savedTimeout) override {
        ++records;
        if (failRecord) {
            return false;
        }
        kept = savedTimeout;
        return true;
    }
    std::optional<DWORD> Pending() override { return kept; }
    void Clear() override {
        ++clears;
        kept.reset();
    }

    std::optional<DWORD> kept;
    bool failRecord = false;
    int records = 0;
    int clears = 0;
};

}  // namespace torvane::test

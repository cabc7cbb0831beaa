// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "platform/HiveDocument.h"
#include "platform/IRegistry.h"

namespace torvane {

// The registry kept in one hive file. Every call reads the file as it is now. Every change
// happens under an exclusive lock on "<file>.lock" (so two programs writing at once lose
// nothing; a link in its place is not followed) and replaces the file atomically. A damaged
// file never stops the program: what cannot be read is absent, and before the first change
// replaces such a file it is kept as "<file>.bad". A file larger than kMaxFileBytes is no hive:
// it is not read at all, every value is absent, and it is never replaced.
class HiveRegistry : public IRegistry {
public:
    using Warn = std::function<void(const std::string& message)>;

    // A hive holds a few dozen short values, a few kilobytes.
    static constexpr std::size_t kMaxFileBytes = std::size_t{1024} * 1024;

    // `warn`, when given, hears about damaged files and failed writes.
    explicit HiveRegistry(std::string hostPath, Warn warn = {});

    bool CreateKey(const std::string& keyPath) override;
    bool QueryValue(const std::string& keyPath, const std::string& valueName,
                    RegValue& out) override;
    bool SetValue(const std::string& keyPath, const std::string& valueName,
                  const RegValue& value) override;
    bool DeleteValue(const std::string& keyPath, const std::string& valueName) override;

    const std::string& Path() const { return m_path; }

private:
    enum class LoadResult { Ok, Missing, Unreadable };
    struct Loaded {
        LoadResult result = LoadResult::Missing;
        std::string text;
        HiveDocument doc;
    };
    Loaded Load() const;
    // Applies `change` to the file under the lock and writes the result when the change
    // reports that something changed. False when the file could not be read or written.
    bool Modify(const std::function<bool(HiveDocument&)>& change);
    void Report(const std::string& message) const;

    std::string m_path;
    Warn m_warn;
    mutable bool m_bToldTooLarge = false;
    bool m_bToldLockLink = false;
};

}  // namespace torvane

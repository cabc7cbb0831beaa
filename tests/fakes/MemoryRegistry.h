// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/IRegistry.h"

namespace torvane::test {

// A registry held in memory that behaves as the hive file does: names compare with their ASCII
// letters' case folded, names the hive could not store are refused, and a failing store fails
// only the calls the hive's would. Every access is counted per key so tests can tell that a key
// was never touched.
class MemoryRegistry : public IRegistry {
public:
    bool CreateKey(const std::string& keyPath) override;
    bool QueryValue(const std::string& keyPath, const std::string& valueName,
                    RegValue& out) override;
    bool SetValue(const std::string& keyPath, const std::string& valueName,
                  const RegValue& value) override;
    bool DeleteValue(const std::string& keyPath, const std::string& valueName) override;

    // Conveniences for tests.
    void PutDword(const std::string& keyPath, const std::string& valueName, std::uint32_t v);
    bool HasValue(const std::string& keyPath, const std::string& valueName) const;
    std::uint32_t GetDword(const std::string& keyPath, const std::string& valueName) const;
    int AccessCount(const std::string& keyPath) const;

    bool failAll = false;  // every operation fails, as with an unreadable store
    // Every change fails, reads still work (a full disk); a call that changes nothing succeeds.
    bool failWrites = false;
    // Value names written, in order, with their key.
    std::vector<std::pair<std::string, std::string>> writeLog;

private:
    static std::string Fold(const std::string& s);
    const RegValue* Find(const std::string& keyPath, const std::string& valueName) const;
    std::map<std::string, std::map<std::string, RegValue>> m_keys;  // folded names
    std::map<std::string, int> m_access;
};

// The 4-byte number any registry holds under the name; 0xDEADBEEF when it holds none.
std::uint32_t StoredDword(IRegistry& registry, const std::string& keyPath,
                          const std::string& valueName);

}  // namespace torvane::test

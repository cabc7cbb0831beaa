// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace torvane {

enum RegType : std::uint32_t {
    REG_NONE = 0,
    REG_SZ = 1,
    REG_EXPAND_SZ = 2,
    REG_BINARY = 3,
    REG_DWORD = 4,
    REG_MULTI_SZ = 7,
};

struct RegValue {
    std::uint32_t type = REG_NONE;
    std::vector<std::uint8_t> data;  // the stored bytes; REG_SZ is UTF-16LE with its zero
};

// A registry-style store. Keys are full paths such as
// "HKEY_LOCAL_MACHINE\Software\Quillmark\Torvane"; key and value names compare without case.
// Every call works on the store as it is now: nothing is cached between calls.
class IRegistry {
public:
    virtual ~IRegistry() = default;
    // Opens the key, creating it (and its parents) when absent. False when that fails.
    virtual bool CreateKey(const std::string& keyPath) = 0;
    // False when the key or value is absent or the store cannot be read.
    virtual bool QueryValue(const std::string& keyPath, const std::string& valueName,
                            RegValue& out) = 0;
    // Creates the key when absent; false when the value could not be stored.
    virtual bool SetValue(const std::string& keyPath, const std::string& valueName,
                          const RegValue& value) = 0;
    // True when the value is gone afterwards (also when it never existed).
    virtual bool DeleteValue(const std::string& keyPath, const std::string& valueName) = 0;
};

}  // namespace torvane

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

#include "platform/IRegistry.h"
#include "platform/WinTypes.h"

namespace torvane {

constexpr const char* kSettingsKey = "HKEY_LOCAL_MACHINE\\Software\\Quillmark\\Torvane";

// The program's settings: values directly under one registry key. Every call opens (creating
// when absent) the key, does its one read or write and closes it again; nothing is cached.
class CSettingsStore {
public:
    static constexpr std::size_t kMaxStringUnits = 200;  // UTF-16 units with the zero

    explicit CSettingsStore(IRegistry& registry) : m_registry(registry) {}
    virtual ~CSettingsStore() = default;

    // The stored number; 0 when the key cannot be opened, the value is absent or too large.
    DWORD ReadDword(const std::string& valueName);
    // The stored text; empty when the key cannot be opened, the value is absent or too long.
    std::string ReadString(const std::string& valueName);
    bool WriteDword(const std::string& valueName, DWORD number);
    // Texts longer than 199 characters are refused (false), never cut or overrun.
    bool WriteString(const std::string& valueName, const std::string& text);

private:
    IRegistry& m_registry;
};

}  // namespace torvane

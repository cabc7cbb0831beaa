// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "platform/IRegistry.h"
#include "platform/WinTypes.h"

namespace torvane {

constexpr const char* kLocalMachineRoot = "HKEY_LOCAL_MACHINE";
constexpr const char* kPowerTimeoutsKey = "System\\CurrentControlSet\\Control\\Power\\Timeouts";
constexpr const char* kBattSuspendTimeout = "BattSuspendTimeout";

// A 32-bit number under a key of the system's own part of the registry. The key is opened
// (created when absent) for the one query; true when the number was read. The stored type is
// not examined, but a value of no bytes or of more than 4 bytes is no number, and a failed read
// leaves `value` as it was.
bool ReadSystemDword(IRegistry& registry, const std::string& root, const std::string& keyPath,
                     const std::string& valueName, DWORD& value);

// Stores the number as REG_DWORD, 4 bytes; true when it was written.
bool WriteSystemDword(IRegistry& registry, const std::string& root, const std::string& keyPath,
                      const std::string& valueName, DWORD value);

}  // namespace torvane

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

#include "platform/IRegistry.h"

namespace torvane {

// A registry that reads another one and never changes it: values set or deleted here are kept
// in memory and seen by later reads through this object, and keys are never created below.
// For uses that must run the program's own settings steps without touching the user's store.
class ReadOnlyRegistry : public IRegistry {
public:
    explicit ReadOnlyRegistry(IRegistry& below) : m_below(below) {}

    bool CreateKey(const std::string& keyPath) override;
    bool QueryValue(const std::string& keyPath, const std::string& valueName,
                    RegValue& out) override;
    bool SetValue(const std::string& keyPath, const std::string& valueName,
                  const RegValue& value) override;
    bool DeleteValue(const std::string& keyPath, const std::string& valueName) override;

private:
    using Name = std::pair<std::string, std::string>;  // key and value, case folded
    static Name Fold(const std::string& keyPath, const std::string& valueName);

    IRegistry& m_below;
    std::map<Name, std::optional<RegValue>> m_changes;  // nullopt: deleted here
};

}  // namespace torvane

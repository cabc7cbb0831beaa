// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ReadOnlyRegistry.h"

#include "platform/RegistryEncoding.h"

namespace torvane {

ReadOnlyRegistry::Name ReadOnlyRegistry::Fold(const std::string& keyPath,
                                              const std::string& valueName) {
    return {RegistryEncoding::FoldName(keyPath), RegistryEncoding::FoldName(valueName)};
}

bool ReadOnlyRegistry::CreateKey(const std::string&) {
    return true;  // a missing key simply reads as empty
}

bool ReadOnlyRegistry::QueryValue(const std::string& keyPath, const std::string& valueName,
                                  RegValue& out) {
    const auto change = m_changes.find(Fold(keyPath, valueName));
    if (change != m_changes.end()) {
        if (!change->second) {
            return false;
        }
        out = *change->second;
        return true;
    }
    return m_below.QueryValue(keyPath, valueName, out);
}

bool ReadOnlyRegistry::SetValue(const std::string& keyPath, const std::string& valueName,
                                const RegValue& value) {
    m_changes[Fold(keyPath, valueName)] = value;
    return true;
}

bool ReadOnlyRegistry::DeleteValue(const std::string& keyPath, const std::string& valueName) {
    m_changes[Fold(keyPath, valueName)] = std::nullopt;
    return true;
}

}  // namespace torvane

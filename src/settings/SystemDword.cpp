// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/SystemDword.h"

#include "platform/RegistryEncoding.h"

namespace torvane {

namespace {

std::string FullKey(const std::string& root, const std::string& keyPath) {
    return root + "\\" + keyPath;
}

}  // namespace

bool ReadSystemDword(IRegistry& registry, const std::string& root, const std::string& keyPath,
                     const std::string& valueName, DWORD& value) {
    const std::string key = FullKey(root, keyPath);
    if (!registry.CreateKey(key)) {
        return false;
    }
    RegValue stored;
    if (!registry.QueryValue(key, valueName, stored)) {
        return false;
    }
    const auto number = RegistryEncoding::ReadDword(stored.data);
    if (stored.data.empty() || !number) {
        return false;
    }
    value = *number;
    return true;
}

bool WriteSystemDword(IRegistry& registry, const std::string& root, const std::string& keyPath,
                      const std::string& valueName, DWORD value) {
    return registry.SetValue(FullKey(root, keyPath), valueName, RegistryEncoding::Dword(value));
}

}  // namespace torvane

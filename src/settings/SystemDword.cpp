// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/SystemDword.h"

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
    if (stored.data.empty() || stored.data.size() > 4) {
        return false;
    }
    DWORD number = 0;
    for (std::size_t i = stored.data.size(); i-- > 0;) {
        number = (number << 8) | stored.data[i];  // little-endian bytes
    }
    value = number;
    return true;
}

bool WriteSystemDword(IRegistry& registry, const std::string& root, const std::string& keyPath,
                      const std::string& valueName, DWORD value) {
    RegValue stored;
    stored.type = REG_DWORD;
    for (int shift = 0; shift < 32; shift += 8) {
        stored.data.push_back(static_cast<std::uint8_t>(value >> shift));
    }
    return registry.SetValue(FullKey(root, keyPath), valueName, stored);
}

}  // namespace torvane

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakes/MemoryRegistry.h"

#include <cctype>
#include <cstring>

namespace torvane::test {

std::string MemoryRegistry::Fold(const std::string& s) {
    std::string folded = s;
    for (char& c : folded) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return folded;
}

bool MemoryRegistry::CreateKey(const std::string& keyPath) {
    ++m_access[Fold(keyPath)];
    if (failAll || (failWrites && m_keys.count(Fold(keyPath)) == 0)) {
        return false;
    }
    m_keys[Fold(keyPath)];
    return true;
}

bool MemoryRegistry::QueryValue(const std::string& keyPath, const std::string& valueName,
                                RegValue& out) {
    ++m_access[Fold(keyPath)];
    if (failAll) {
        return false;
    }
    auto key = m_keys.find(Fold(keyPath));
    if (key == m_keys.end()) {
        return false;
    }
    auto value = key->second.find(Fold(valueName));
    if (value == key->second.end()) {
        return false;
    }
    out = value->second;
    return true;
}

bool MemoryRegistry::SetValue(const std::string& keyPath, const std::string& valueName,
                              const RegValue& value) {
    ++m_access[Fold(keyPath)];
    if (failAll || failWrites) {
        return false;
    }
    m_keys[Fold(keyPath)][Fold(valueName)] = value;
    writeLog.emplace_back(keyPath, valueName);
    return true;
}

bool MemoryRegistry::DeleteValue(const std::string& keyPath, const std::string& valueName) {
    ++m_access[Fold(keyPath)];
    if (failAll || failWrites) {
        return false;
    }
    auto key = m_keys.find(Fold(keyPath));
    if (key != m_keys.end()) {
        key->second.erase(Fold(valueName));
    }
    return true;
}

void MemoryRegistry::PutDword(const std::string& keyPath, const std::string& valueName,
                              std::uint32_t v) {
    m_keys[Fold(keyPath)][Fold(valueName)] = DwordValue(v);
}

bool MemoryRegistry::HasValue(const std::string& keyPath, const std::string& valueName) const {
    auto key = m_keys.find(Fold(keyPath));
    return key != m_keys.end() && key->second.count(Fold(valueName)) != 0;
}

std::uint32_t MemoryRegistry::GetDword(const std::string& keyPath,
                                       const std::string& valueName) const {
    auto key = m_keys.find(Fold(keyPath));
    if (key == m_keys.end()) {
        return 0;
    }
    auto value = key->second.find(Fold(valueName));
    if (value == key->second.end() || value->second.data.size() != 4) {
        return 0;
    }
    std::uint32_t v = 0;
    std::memcpy(&v, value->second.data.data(), 4);
    return v;
}

RegValue DwordValue(std::uint32_t number) {
    RegValue value{REG_DWORD, std::vector<std::uint8_t>(4)};
    std::memcpy(value.data.data(), &number, 4);  // little-endian host
    return value;
}

std::uint32_t StoredDword(IRegistry& registry, const std::string& keyPath,
                          const std::string& valueName) {
    RegValue value;
    std::uint32_t number = 0xDEADBEEF;
    if (registry.QueryValue(keyPath, valueName, value) && value.data.size() == 4) {
        std::memcpy(&number, value.data.data(), 4);
    }
    return number;
}

int MemoryRegistry::AccessCount(const std::string& keyPath) const {
    auto it = m_access.find(Fold(keyPath));
    return it == m_access.end() ? 0 : it->second;
}

}  // namespace torvane::test

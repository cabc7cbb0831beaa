// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakes/MemoryRegistry.h"

#include <optional>

#include "platform/HiveDocument.h"
#include "platform/RegistryEncoding.h"

namespace torvane::test {

namespace {

// The number in exactly 4 bytes, as the tests' readings expect.
std::optional<std::uint32_t> FourByteNumber(const RegValue& value) {
    if (value.data.size() != RegistryEncoding::kDwordBytes) {
        return std::nullopt;
    }
    return RegistryEncoding::ReadDword(value.data);
}

}  // namespace

std::string MemoryRegistry::Fold(const std::string& s) {
    return RegistryEncoding::FoldName(s);
}

const RegValue* MemoryRegistry::Find(const std::string& keyPath,
                                     const std::string& valueName) const {
    auto key = m_keys.find(Fold(keyPath));
    if (key == m_keys.end()) {
        return nullptr;
    }
    auto value = key->second.find(Fold(valueName));
    return value == key->second.end() ? nullptr : &value->second;
}

bool MemoryRegistry::CreateKey(const std::string& keyPath) {
    ++m_access[Fold(keyPath)];
    if (!HiveDocument::IsValidKeyPath(keyPath) || failAll ||
        (failWrites && !m_keys.contains(Fold(keyPath)))) {
        return false;
    }
    m_keys[Fold(keyPath)];
    return true;
}

bool MemoryRegistry::QueryValue(const std::string& keyPath, const std::string& valueName,
                                RegValue& out) {
    ++m_access[Fold(keyPath)];
    const RegValue* value = failAll ? nullptr : Find(keyPath, valueName);
    if (value == nullptr) {
        return false;
    }
    out = *value;
    return true;
}

bool MemoryRegistry::SetValue(const std::string& keyPath, const std::string& valueName,
                              const RegValue& value) {
    ++m_access[Fold(keyPath)];
    if (!HiveDocument::IsValidKeyPath(keyPath) || !HiveDocument::IsValidValueName(valueName) ||
        failAll) {
        return false;
    }
    // As on a full disk, only a write that changes something fails.
    const RegValue* stored = Find(keyPath, valueName);
    const bool same = stored != nullptr && stored->type == value.type && stored->data == value.data;
    if (failWrites && !same) {
        return false;
    }
    m_keys[Fold(keyPath)][Fold(valueName)] = value;
    writeLog.emplace_back(keyPath, valueName);
    return true;
}

bool MemoryRegistry::DeleteValue(const std::string& keyPath, const std::string& valueName) {
    ++m_access[Fold(keyPath)];
    if (failAll || (failWrites && Find(keyPath, valueName) != nullptr)) {
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
    m_keys[Fold(keyPath)][Fold(valueName)] = RegistryEncoding::Dword(v);
}

bool MemoryRegistry::HasValue(const std::string& keyPath, const std::string& valueName) const {
    return Find(keyPath, valueName) != nullptr;
}

std::uint32_t MemoryRegistry::GetDword(const std::string& keyPath,
                                       const std::string& valueName) const {
    const RegValue* value = Find(keyPath, valueName);
    return value == nullptr ? 0 : FourByteNumber(*value).value_or(0);
}

std::uint32_t StoredDword(IRegistry& registry, const std::string& keyPath,
                          const std::string& valueName) {
    RegValue value;
    if (!registry.QueryValue(keyPath, valueName, value)) {
        return 0xDEADBEEF;
    }
    return FourByteNumber(value).value_or(0xDEADBEEF);
}

int MemoryRegistry::AccessCount(const std::string& keyPath) const {
    auto it = m_access.find(Fold(keyPath));
    return it == m_access.end() ? 0 : it->second;
}

}  // namespace torvane::test

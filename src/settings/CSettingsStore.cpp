// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/CSettingsStore.h"

#include "platform/RegistryEncoding.h"
#include "platform/TextConversion.h"

namespace torvane {

DWORD CSettingsStore::ReadDword(const std::string& valueName) {
    if (!m_registry.CreateKey(kSettingsKey)) {
        return 0;
    }
    RegValue value;
    if (!m_registry.QueryValue(kSettingsKey, valueName, value)) {
        return 0;
    }
    // A shorter value fills the low bytes of a zeroed number, whatever its stored type.
    return RegistryEncoding::ReadDword(value.data).value_or(0);
}

std::string CSettingsStore::ReadString(const std::string& valueName) {
    if (!m_registry.CreateKey(kSettingsKey)) {
        return {};
    }
    RegValue value;
    if (!m_registry.QueryValue(kSettingsKey, valueName, value) ||
        value.data.size() > kMaxStringUnits * 2) {
        return {};
    }
    // The text runs to the first zero unit; whatever the stored type, the bytes are taken as
    // UTF-16. A text that fills all 200 units leaves no room for its zero and does not fit.
    std::u16string units = RegistryEncoding::Units(value.data);
    const auto zero = units.find(u'\0');
    if (zero != std::u16string::npos) {
        units.resize(zero);
    } else if (units.size() >= kMaxStringUnits) {
        return {};
    }
    return Utf16ToUtf8(units);
}

bool CSettingsStore::WriteDword(const std::string& valueName, DWORD number) {
    return m_registry.CreateKey(kSettingsKey) &&
           m_registry.SetValue(kSettingsKey, valueName, RegistryEncoding::Dword(number));
}

bool CSettingsStore::WriteString(const std::string& valueName, const std::string& text) {
    // Refused rather than cut: the store must never hold a text it cannot read back whole.
    const std::u16string units = Utf8ToUtf16(text);
    if (units.size() + 1 > kMaxStringUnits) {
        return false;
    }
    return m_registry.CreateKey(kSettingsKey) &&
           m_registry.SetValue(kSettingsKey, valueName, RegistryEncoding::String(units));
}

}  // namespace torvane

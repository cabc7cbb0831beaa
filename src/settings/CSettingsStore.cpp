// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/CSettingsStore.h"

#include "platform/TextConversion.h"

namespace torvane {

namespace {

constexpr std::size_t kDwordBytes = 4;

}  // namespace

DWORD CSettingsStore::ReadDword(const std::string& valueName) {
    if (!m_registry.CreateKey(kSettingsKey)) {
        return 0;
    }
    RegValue value;
    if (!m_registry.QueryValue(kSettingsKey, valueName, value) || value.data.size() > kDwordBytes) {
        return 0;
    }
    // A shorter value fills the low bytes of a zeroed number, whatever its stored type.
    DWORD number = 0;
    for (std::size_t i = 0; i < value.data.size(); ++i) {
        number |= static_cast<DWORD>(value.data[i]) << (8 * i);
    }
    return number;
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
    std::u16string units;
    bool terminated = false;
    for (std::size_t i = 0; i + 1 < value.data.size(); i += 2) {
        const auto unit = static_cast<char16_t>(value.data[i] | (value.data[i + 1] << 8));
        if (unit == 0) {
            terminated = true;
            break;
        }
        units += unit;
    }
    if (!terminated && units.size() >= kMaxStringUnits) {
        return {};
    }
    return Utf16ToUtf8(units);
}

bool CSettingsStore::WriteDword(const std::string& valueName, DWORD number) {
    RegValue value;
    value.type = REG_DWORD;
    for (std::size_t i = 0; i < kDwordBytes; ++i) {
        value.data.push_back(static_cast<std::uint8_t>((number >> (8 * i)) & 0xFF));
    }
    return m_registry.CreateKey(kSettingsKey) &&
           m_registry.SetValue(kSettingsKey, valueName, value);
}

bool CSettingsStore::WriteString(const std::string& valueName, const std::string& text) {
    // Refused rather than cut: the store must never hold a text it cannot read back whole.
    const std::u16string units = Utf8ToUtf16(text);
    if (units.size() + 1 > kMaxStringUnits) {
        return false;
    }
    RegValue value;
    value.type = REG_SZ;
    for (char16_t unit : units) {
        value.data.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        value.data.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    value.data.push_back(0);
    value.data.push_back(0);
    return m_registry.CreateKey(kSettingsKey) &&
           m_registry.SetValue(kSettingsKey, valueName, value);
}

}  // namespace torvane

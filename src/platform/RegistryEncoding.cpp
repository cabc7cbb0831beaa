// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/RegistryEncoding.h"

#include "platform/TextConversion.h"

namespace torvane {

namespace {

char Fold(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

RegValue RegistryEncoding::Dword(std::uint32_t number) {
    RegValue value;
    value.type = REG_DWORD;
    for (std::size_t i = 0; i < kDwordBytes; ++i) {
        value.data.push_back(static_cast<std::uint8_t>((number >> (8 * i)) & 0xFF));
    }
    return value;
}

std::optional<std::uint32_t> RegistryEncoding::ReadDword(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() > kDwordBytes) {
        return std::nullopt;
    }
    std::uint32_t number = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        number |= static_cast<std::uint32_t>(bytes[i]) << (8 * i);
    }
    return number;
}

RegValue RegistryEncoding::String(std::u16string_view units) {
    RegValue value;
    value.type = REG_SZ;
    value.data.reserve((units.size() + 1) * 2);
    for (char16_t unit : units) {
        value.data.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        value.data.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    value.data.push_back(0);
    value.data.push_back(0);
    return value;
}

RegValue RegistryEncoding::String(std::string_view text) {
    return String(Utf8ToUtf16(text));
}

std::u16string RegistryEncoding::Units(const std::vector<std::uint8_t>& bytes) {
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        units += static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
    }
    return units;
}

std::string RegistryEncoding::FoldName(std::string_view name) {
    std::string folded(name);
    for (char& c : folded) {
        c = Fold(c);
    }
    return folded;
}

bool RegistryEncoding::SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Fold(a[i]) != Fold(b[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace torvane

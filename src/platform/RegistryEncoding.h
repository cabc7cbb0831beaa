// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/IRegistry.h"

namespace torvane {

// How registry values and names are stored. A number (REG_DWORD) is its 4 bytes, little-endian.
// A text (REG_SZ) is its UTF-16 units, little-endian, followed by one zero unit. Key and value
// names compare with the ASCII letters folded to lower case and every other byte as it is, so
// whether two names are the same never depends on the user's locale.
class RegistryEncoding {
public:
    static constexpr std::size_t kDwordBytes = 4;

    static RegValue Dword(std::uint32_t number);
    // The little-endian number in `bytes`; fewer than 4 bytes fill the low bytes of a zero.
    // Nothing when there are more than 4.
    static std::optional<std::uint32_t> ReadDword(const std::vector<std::uint8_t>& bytes);

    static RegValue String(std::u16string_view units);
    // The UTF-8 text as UTF-16 (malformed sequences become U+FFFD).
    static RegValue String(std::string_view text);
    // Every whole little-endian UTF-16 unit in `bytes`, zeros included; an odd last byte is
    // no unit.
    static std::u16string Units(const std::vector<std::uint8_t>& bytes);

    static std::string FoldName(std::string_view name);
    static bool SameName(std::string_view a, std::string_view b);
};

}  // namespace torvane

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace torvane {

// UTF-8 (the program's texts) to UTF-16 (what the settings file's strings hold).
// Malformed UTF-8 becomes U+FFFD; `valid`, when given, tells whether the input was well-formed.
std::u16string Utf8ToUtf16(std::string_view text, bool* valid = nullptr);

// UTF-16 to UTF-8. An unpaired surrogate becomes U+FFFD; `valid` as above.
std::string Utf16ToUtf8(std::u16string_view text, bool* valid = nullptr);

// True when every byte sequence of `text` is well-formed UTF-8.
bool IsValidUtf8(std::string_view text);

}  // namespace torvane

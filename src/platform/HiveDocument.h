// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/IRegistry.h"

namespace torvane {

// The registry hive as text: "REGEDIT4", then one [key] section per key with its values as
// "name"=value lines (strings, dword:, hex:, hex(T):). Key and value names compare without
// regard to case and keep the case they were first given.
class HiveDocument {
public:
    struct Value {
        std::string name;
        RegValue value;
    };
    struct Key {
        std::string path;
        std::vector<Value> values;
        std::unordered_map<std::string, std::size_t> index;  // folded name -> position
    };

    // Reads hive text. Whatever cannot be read (a bad line, the values under a bad section, a
    // missing header) is left out and marks the document damaged; the rest is kept.
    static HiveDocument Parse(std::string_view text);
    // The document as hive text; Parse(Format()) gives the same keys, values, types and bytes.
    std::string Format() const;

    bool Damaged() const { return m_firstDamagedLine != 0; }
    // The first line that could not be read (1-based), 0 when none.
    std::size_t FirstDamagedLine() const { return m_firstDamagedLine; }
    const std::vector<Key>& Keys() const { return m_keys; }

    // A key exists when it has a section or lies above one that has.
    bool HasKey(std::string_view keyPath) const;
    const RegValue* Find(std::string_view keyPath, std::string_view valueName) const;
    // These return whether the document changed.
    bool AddKey(std::string_view keyPath);
    bool Set(std::string_view keyPath, std::string_view valueName, const RegValue& value);
    bool Delete(std::string_view keyPath, std::string_view valueName);

    // Key paths are backslash-separated, non-empty components of well-formed UTF-8 without
    // control characters; value names follow the same rules (the empty name is the key's
    // default value). Anything else could not be written back and is refused.
    static bool IsValidKeyPath(std::string_view keyPath);
    static bool IsValidValueName(std::string_view valueName);

private:
    Key* FindKey(std::string_view keyPath);
    const Key* FindKey(std::string_view keyPath) const;
    void MarkDamaged(std::size_t line);

    std::vector<Key> m_keys;
    std::size_t m_firstDamagedLine = 0;
};

}  // namespace torvane

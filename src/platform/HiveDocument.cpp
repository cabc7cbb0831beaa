// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/HiveDocument.h"

#include <cstdint>
#include <optional>

#include "platform/RegistryEncoding.h"
#include "platform/TextConversion.h"

namespace torvane {

namespace {

constexpr std::string_view kHeader = "REGEDIT4";

bool IsSpace(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsSpace(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && IsSpace(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

bool HasControlCharacter(std::string_view s) {
    for (char c : s) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) {
            return true;
        }
    }
    return false;
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() &&
           RegistryEncoding::SameName(s.substr(0, prefix.size()), prefix);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// 1 to `maxDigits` hex digits and nothing else.
std::optional<std::uint32_t> ParseHexNumber(std::string_view s, std::size_t maxDigits) {
    if (s.empty() || s.size() > maxDigits) {
        return std::nullopt;
    }
    std::uint32_t v = 0;
    for (char c : s) {
        const int d = HexDigit(c);
        if (d < 0) {
            return std::nullopt;
        }
        v = (v << 4) | static_cast<std::uint32_t>(d);
    }
    return v;
}

// A quoted text at the start of `s` (which begins with '"'); `\\` and `\"` are escapes, any
// other backslash stands for itself. Advances `s` past the closing quote.
std::optional<std::string> ParseQuoted(std::string_view& s) {
    std::string out;
    std::size_t i = 1;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '"') {
            s.remove_prefix(i + 1);
            return out;
        }
        if (c == '\\' && i + 1 < s.size() && (s[i + 1] == '\\' || s[i + 1] == '"')) {
            out += s[++i];
        } else {
            out += c;
        }
    }
    return std::nullopt;
}

std::string Quote(std::string_view s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '\\' || c == '"') {
            out += '\\';
        }
        out += c;
    }
    out += '"';
    return out;
}

std::optional<std::vector<std::uint8_t>> ParseHexBytes(std::string_view s) {
    std::vector<std::uint8_t> bytes;
    s = Trim(s);
    if (s.empty()) {
        return bytes;
    }
    for (;;) {
        const auto comma = s.find(',');
        const auto token = Trim(s.substr(0, comma));
        const auto byte = ParseHexNumber(token, 2);
        if (!byte) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<std::uint8_t>(*byte));
        if (comma == std::string_view::npos) {
            return bytes;
        }
        s.remove_prefix(comma + 1);
    }
}

// The text of a REG_SZ value when it can be written as a quoted string and read back to the
// same bytes: whole UTF-16 units, one terminating zero at the end and nowhere else, properly
// paired surrogates and no control characters.
std::optional<std::string> StringText(const RegValue& value) {
    const auto& d = value.data;
    if (value.type != REG_SZ || d.size() < 2 || d.size() % 2 != 0) {
        return std::nullopt;
    }
    std::u16string units = RegistryEncoding::Units(d);
    if (units.back() != 0) {
        return std::nullopt;
    }
    units.pop_back();
    for (char16_t u : units) {
        if (u < 0x20 || u == 0x7F) {
            return std::nullopt;
        }
    }
    bool valid = false;
    std::string text = Utf16ToUtf8(units, &valid);
    if (!valid) {
        return std::nullopt;
    }
    return text;
}

std::string FormatValue(const RegValue& value) {
    if (auto text = StringText(value)) {
        return Quote(*text);
    }
    static const char* const kDigits = "0123456789abcdef";
    std::string out;
    if (value.type == REG_DWORD && value.data.size() == RegistryEncoding::kDwordBytes) {
        const std::uint32_t v = *RegistryEncoding::ReadDword(value.data);
        out = "dword:";
        for (int shift = 28; shift >= 0; shift -= 4) {
            out += kDigits[(v >> shift) & 0xF];
        }
        return out;
    }
    if (value.type == REG_BINARY) {
        out = "hex:";
    } else {
        out = "hex(";
        bool started = false;
        for (int shift = 28; shift >= 0; shift -= 4) {
            const auto digit = (value.type >> shift) & 0xF;
            if (digit != 0 || started || shift == 0) {
                out += kDigits[digit];
                started = true;
            }
        }
        out += "):";
    }
    for (std::size_t i = 0; i < value.data.size(); ++i) {
        if (i != 0) {
            out += ',';
        }
        out += kDigits[value.data[i] >> 4];
        out += kDigits[value.data[i] & 0xF];
    }
    return out;
}

std::optional<RegValue> ParseValue(std::string_view s) {
    s = Trim(s);
    if (!s.empty() && s.front() == '"') {
        auto text = ParseQuoted(s);
        if (!text || !Trim(s).empty() || !IsValidUtf8(*text)) {
            return std::nullopt;
        }
        return RegistryEncoding::String(*text);
    }
    if (StartsWithNoCase(s, "dword:")) {
        const auto number = ParseHexNumber(s.substr(6), 8);
        if (!number) {
            return std::nullopt;
        }
        return RegistryEncoding::Dword(*number);
    }
    RegValue value;
    if (StartsWithNoCase(s, "hex:")) {
        value.type = REG_BINARY;
        s.remove_prefix(4);
    } else if (StartsWithNoCase(s, "hex(")) {
        const auto close = s.find("):");
        if (close == std::string_view::npos) {
            return std::nullopt;
        }
        const auto type = ParseHexNumber(s.substr(4, close - 4), 8);
        if (!type) {
            return std::nullopt;
        }
        value.type = *type;
        s.remove_prefix(close + 2);
    } else {
        return std::nullopt;
    }
    auto bytes = ParseHexBytes(s);
    if (!bytes) {
        return std::nullopt;
    }
    value.data = std::move(*bytes);
    return value;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto nl = text.find('\n');
        auto line = text.substr(0, nl);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        if (nl == std::string_view::npos) {
            break;
        }
        text.remove_prefix(nl + 1);
    }
    return lines;
}

}  // namespace

bool HiveDocument::IsValidValueName(std::string_view valueName) {
    return IsValidUtf8(valueName) && !HasControlCharacter(valueName);
}

bool HiveDocument::IsValidKeyPath(std::string_view keyPath) {
    if (keyPath.empty() || !IsValidUtf8(keyPath) || HasControlCharacter(keyPath)) {
        return false;
    }
    if (keyPath.front() == '\\' || keyPath.back() == '\\' ||
        keyPath.find("\\\\") != std::string_view::npos) {
        return false;
    }
    // A section line is trimmed when read, so a key path cannot begin or end with blanks.
    return Trim(keyPath).size() == keyPath.size();
}

void HiveDocument::MarkDamaged(std::size_t line) {
    if (m_firstDamagedLine == 0) {
        m_firstDamagedLine = line;
    }
}

HiveDocument HiveDocument::Parse(std::string_view text) {
    HiveDocument doc;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }
    const auto lines = SplitLines(text);
    bool headerSeen = false;
    Key* current = nullptr;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::size_t lineNo = i + 1;
        std::string_view line = Trim(lines[i]);
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (!headerSeen) {
            headerSeen = true;
            if (line == kHeader) {
                continue;
            }
            doc.MarkDamaged(lineNo);
        }
        if (line.front() == '[') {
            const auto path = line.back() == ']' ? line.substr(1, line.size() - 2) : "";
            if (!IsValidKeyPath(path)) {
                doc.MarkDamaged(lineNo);
                current = nullptr;
                continue;
            }
            doc.AddKey(path);
            current = doc.FindKey(path);
            continue;
        }

        // A value line: "name"=value or @=value.
        std::string name;
        std::string_view rest = line;
        bool nameOk = true;
        if (rest.front() == '@') {
            rest.remove_prefix(1);
        } else if (rest.front() == '"') {
            auto quoted = ParseQuoted(rest);
            nameOk = quoted && IsValidValueName(*quoted);
            if (quoted) {
                name = std::move(*quoted);
            }
        } else {
            nameOk = false;
        }
        rest = Trim(rest);
        if (!nameOk || rest.empty() || rest.front() != '=') {
            doc.MarkDamaged(lineNo);
            continue;
        }
        rest.remove_prefix(1);

        // Long binary values may go on over several lines, each but the last ending in '\'.
        std::string joined;
        if (StartsWithNoCase(Trim(rest), "hex")) {
            joined = std::string(rest);
            while (!joined.empty() && joined.back() == '\\' && i + 1 < lines.size()) {
                joined.pop_back();
                joined += Trim(lines[++i]);
            }
            rest = joined;
        }
        auto value = ParseValue(rest);
        if (!value || current == nullptr) {
            doc.MarkDamaged(lineNo);
            continue;
        }
        doc.Set(current->path, name, *value);
    }
    return doc;
}

std::string HiveDocument::Format() const {
    std::string out(kHeader);
    out += '\n';
    for (const Key& key : m_keys) {
        out += "\n[";
        out += key.path;
        out += "]\n";
        for (const Value& v : key.values) {
            out += v.name.empty() ? std::string("@") : Quote(v.name);
            out += '=';
            out += FormatValue(v.value);
            out += '\n';
        }
    }
    return out;
}

HiveDocument::Key* HiveDocument::FindKey(std::string_view keyPath) {
    for (Key& key : m_keys) {
        if (RegistryEncoding::SameName(key.path, keyPath)) {
            return &key;
        }
    }
    return nullptr;
}

const HiveDocument::Key* HiveDocument::FindKey(std::string_view keyPath) const {
    return const_cast<HiveDocument*>(this)->FindKey(keyPath);
}

bool HiveDocument::HasKey(std::string_view keyPath) const {
    for (const Key& key : m_keys) {
        if (RegistryEncoding::SameName(key.path, keyPath) ||
            (key.path.size() > keyPath.size() && key.path[keyPath.size()] == '\\' &&
             RegistryEncoding::SameName(std::string_view(key.path).substr(0, keyPath.size()),
                                        keyPath))) {
            return true;
        }
    }
    return false;
}

const RegValue* HiveDocument::Find(std::string_view keyPath, std::string_view valueName) const {
    const Key* key = FindKey(keyPath);
    if (key == nullptr) {
        return nullptr;
    }
    const auto it = key->index.find(RegistryEncoding::FoldName(valueName));
    return it == key->index.end() ? nullptr : &key->values[it->second].value;
}

bool HiveDocument::AddKey(std::string_view keyPath) {
    if (FindKey(keyPath) != nullptr) {
        return false;
    }
    m_keys.push_back(Key{std::string(keyPath), {}, {}});
    return true;
}

bool HiveDocument::Set(std::string_view keyPath, std::string_view valueName,
                       const RegValue& value) {
    bool changed = AddKey(keyPath);
    Key* key = FindKey(keyPath);
    const auto [it, inserted] =
        key->index.emplace(RegistryEncoding::FoldName(valueName), key->values.size());
    if (inserted) {
        key->values.push_back(Value{std::string(valueName), value});
        return true;
    }
    // The name keeps the spelling it was first stored with.
    RegValue& stored = key->values[it->second].value;
    if (stored.type == value.type && stored.data == value.data) {
        return changed;
    }
    stored = value;
    return true;
}

bool HiveDocument::Delete(std::string_view keyPath, std::string_view valueName) {
    Key* key = FindKey(keyPath);
    if (key == nullptr) {
        return false;
    }
    const auto it = key->index.find(RegistryEncoding::FoldName(valueName));
    if (it == key->index.end()) {
        return false;
    }
    key->values.erase(key->values.begin() + static_cast<std::ptrdiff_t>(it->second));
    key->index.clear();
    for (std::size_t i = 0; i < key->values.size(); ++i) {
        key->index.emplace(RegistryEncoding::FoldName(key->values[i].name), i);
    }
    return true;
}

}  // namespace torvane

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/StartupShortcut.h"

#include <utility>
#include <vector>

#include "platform/ApplicationId.h"

namespace torvane {

namespace {

constexpr const char* kShortcutName = "Torvane.desktop";

// True when `text` is well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF).
bool IsUtf8(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t extra = 0;
        std::uint32_t code = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1;
            code = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2;
            code = lead & 0x0Fu;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3;
            code = lead & 0x07u;
        } else {
            return false;
        }
        if (i + extra >= text.size()) {
            return false;
        }
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0u) != 0x80u) {
                return false;
            }
            code = (code << 6) | (next & 0x3Fu);
        }
        const std::uint32_t smallest = extra == 1 ? 0x80u : extra == 2 ? 0x800u : 0x10000u;
        if (code < smallest || code > 0x10FFFFu || (code >= 0xD800u && code <= 0xDFFFu)) {
            return false;
        }
        i += extra + 1;
    }
    return true;
}

}  // namespace

StartupShortcut::StartupShortcut(IFileStore& files, IStartupFolder& folder, std::string programPath)
    : m_files(files), m_folder(folder), m_programPath(std::move(programPath)) {}

std::string StartupShortcut::ShortcutPath() const {
    std::string path = m_folder.Path();
    if (path.empty() || path.back() != '/') {
        path += '/';
    }
    return path + kShortcutName;
}

std::optional<std::string> StartupShortcut::QuoteExecArgument(const std::string& programPath) {
    if (!IsUtf8(programPath)) {
        return std::nullopt;
    }
    // Two layers: inside the double quotes, '"', '`', '$' and '\' take a backslash; then the
    // string value escapes each backslash again and writes tab and line ends as \t, \n, \r.
    // A literal '%' is "%%", since field codes are expanded after the quotes come off.
    std::string quoted = "\"";
    for (char c : programPath) {
        switch (c) {
            case '"':
            case '`':
            case '$':
                quoted += "\\\\";
                quoted += c;
                break;
            case '\\':
                quoted += "\\\\\\\\";
                break;
            case '\t':
                quoted += "\\t";
                break;
            case '\n':
                quoted += "\\n";
                break;
            case '\r':
                quoted += "\\r";
                break;
            case '%':
                quoted += "%%";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
                    return std::nullopt;  // a string value cannot hold other control characters
                }
                quoted += c;
                break;
        }
    }
    quoted += '"';
    return quoted;
}

std::optional<std::string> StartupShortcut::DesktopEntry(const std::string& programPath) {
    const std::optional<std::string> exec = QuoteExecArgument(programPath);
    if (!exec) {
        return std::nullopt;
    }
    // The same icon as the installed menu entry.
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Torvane\n"
           "Exec=" +
           *exec + "\nIcon=" + std::string(kApplicationId) + "\n";
}

bool StartupShortcut::Create() {
    const std::optional<std::string> entry = DesktopEntry(m_programPath);
    if (!entry) {
        return false;
    }
    const std::vector<std::uint8_t> bytes(entry->begin(), entry->end());
    m_folder.Make();  // a failure shows in the write
    return m_files.WriteFile(ShortcutPath(), bytes) == FileWriteResult::Ok;
}

void StartupShortcut::Delete() {
    m_files.RemoveFile(ShortcutPath());
}

}  // namespace torvane

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

namespace torvane {

struct FileDialogOptions {
    bool save = false;             // save form (true) or open form (false)
    std::string filter;            // "Battery Log Files (*.blf)|*.blf|All Files (*.*)|*.*||"
    std::string defaultExt;        // added when the user types a name without an extension
    std::string initialName;       // e.g. "*.BLF"
    bool overwritePrompt = false;  // ask before an existing file is replaced
};

// The common file dialog. Returns the full path chosen, or nothing when cancelled.
class IFileDialog {
public:
    virtual ~IFileDialog() = default;
    virtual std::optional<std::string> Run(const FileDialogOptions& options) = 0;
};

}  // namespace torvane

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

#include "platform/IFileStore.h"
#include "platform/IStartupFolder.h"

namespace torvane {

// The start-up shortcut: a desktop entry named "Torvane.desktop" in the folder whose entries the
// desktop starts at log-in, pointing at the program's own file and showing the program's icon.
class StartupShortcut {
public:
    // `programPath` is the program's own full file name.
    StartupShortcut(IFileStore& files, IStartupFolder& folder, std::string programPath);

    // The shortcut file's full path.
    std::string ShortcutPath() const;

    // Writes the shortcut, making the folder when missing and replacing a shortcut of that
    // name. False when it could not be written, or
    // when the program's path cannot be put into a desktop entry (it is not UTF-8 text or holds
    // control characters other than tab and line ends).
    bool Create();
    // Removes the shortcut; a shortcut that is not there, or cannot be removed, is no error.
    void Delete();

    // The desktop entry that starts `programPath`, or nothing when the path cannot be written
    // into one.
    static std::optional<std::string> DesktopEntry(const std::string& programPath);
    // The path as one double-quoted argument of an "Exec=" line, with every escape a desktop
    // entry needs; nothing when that is impossible.
    static std::optional<std::string> QuoteExecArgument(const std::string& programPath);

private:
    IFileStore& m_files;
    IStartupFolder& m_folder;
    std::string m_programPath;
};

}  // namespace torvane

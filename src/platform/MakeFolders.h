// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace torvane {

// Makes a host folder and any missing parents; new folders are private to the user, as the
// XDG base-directory rules ask. True when the folder exists afterwards.
bool MakeFolders(const std::string& hostPath);

}  // namespace torvane

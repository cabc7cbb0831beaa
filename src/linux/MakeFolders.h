// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace torvane {

// Makes a host folder and any missing parents; new folders are private to the user, as the
// XDG base-directory rules ask. True when the folder exists afterwards.
bool MakeFolders(const std::string& hostPath);

// Makes a folder as MakeFolders does and makes sure it is the user's own: a folder, not a link
// to one, owned by the user, and open to nobody else (its permissions become 0700). On failure,
// false with the reason for the user in `problem`.
bool MakePrivateFolder(const std::string& hostPath, std::string& problem);

}  // namespace torvane

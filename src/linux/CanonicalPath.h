// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace torvane {

// The one name of a host file, whichever way it is reached: symbolic links, "." and ".." and
// repeated slashes resolved, and a relative path made absolute. A file that does not exist yet
// is named through its folder; when that is missing too, the path is only tidied.
std::string CanonicalPath(const std::string& hostPath);

}  // namespace torvane

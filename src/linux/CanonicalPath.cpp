// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linux/CanonicalPath.h"

#include <filesystem>
#include <system_error>

namespace torvane {

std::string CanonicalPath(const std::string& hostPath) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path absolute = fs::absolute(hostPath, ec);
    if (ec) {
        return hostPath;
    }
    // weakly_canonical resolves the part that exists and tidies the rest.
    const fs::path canonical = fs::weakly_canonical(absolute, ec);
    return ec ? absolute.lexically_normal().string() : canonical.string();
}

}  // namespace torvane

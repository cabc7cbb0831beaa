// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linux/HelperProgram.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

#ifndef TORVANE_HELPERS_FROM_PROGRAM
#define TORVANE_HELPERS_FROM_PROGRAM "../libexec/torvane"
#endif

namespace torvane {

std::string ExecHelperProgram(const std::string& name, char** argv) {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) {
        return "cannot find " + name + ": " + ec.message();
    }
    const std::filesystem::path folder = self.parent_path();
    const std::vector<std::filesystem::path> places{
        folder / name, (folder / TORVANE_HELPERS_FROM_PROGRAM / name).lexically_normal()};
    for (const std::filesystem::path& place : places) {
        if (::access(place.c_str(), X_OK) == 0) {
            ::execv(place.c_str(), argv);
            return "cannot start " + place.string() + ": " + std::strerror(errno);
        }
    }
    return "cannot find " + name + " beside " + self.string() + " or in " +
           places.back().parent_path().string();
}

}  // namespace torvane

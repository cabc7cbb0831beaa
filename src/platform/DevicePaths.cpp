// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/DevicePaths.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/RegistryEncoding.h"

namespace torvane {

namespace fs = std::filesystem;

namespace {

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

std::vector<std::string> Components(const std::string& path) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : path) {
        if (IsSeparator(c)) {
            if (!part.empty()) {
                parts.push_back(part);
                part.clear();
            }
        } else {
            part += c;
        }
    }
    if (!part.empty()) {
        parts.push_back(part);
    }
    return parts;
}

// The name under `folder` that is `name` apart from case, when `name` itself does not exist.
std::string ExistingSpelling(const fs::path& folder, const std::string& name) {
    std::error_code ec;
    if (fs::exists(folder / name, ec) || ec) {
        return name;
    }
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string candidate = it->path().filename().string();
        if (RegistryEncoding::SameName(candidate, name)) {
            return candidate;
        }
    }
    return name;
}

}  // namespace

DevicePaths::DevicePaths(std::string deviceRoot) : m_root(std::move(deviceRoot)) {
    while (m_root.size() > 1 && m_root.back() == '/') {
        m_root.pop_back();
    }
}

std::string DevicePaths::ToHostPath(const std::string& programPath) const {
    if (IsHostPath(programPath)) {
        return programPath;
    }

    std::vector<std::string> resolved;
    for (const std::string& part : Components(programPath)) {
        if (part == ".") {
            continue;
        }
        if (part == "..") {
            if (!resolved.empty()) {
                resolved.pop_back();
            }
            continue;
        }
        resolved.push_back(part);
    }
    fs::path host(m_root);
    for (const std::string& part : resolved) {
        host /= ExistingSpelling(host, part);
    }
    return host.string();
}

bool DevicePaths::PrepareDeviceRoot(std::string& error) const {
    const fs::path documents = fs::path(m_root) / "My Documents";
    std::error_code ec;
    fs::create_directories(documents, ec);
    if (ec || !fs::is_directory(documents)) {
        error = "Cannot make the device folder " + documents.string() + ": " +
                (ec ? ec.message() : std::string("a file is in the way"));
        return false;
    }
    return true;
}

}  // namespace torvane

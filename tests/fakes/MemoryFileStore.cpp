// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakes/MemoryFileStore.h"

#include <algorithm>

#include "platform/DevicePaths.h"
#include "platform/RegistryEncoding.h"

namespace torvane::test {

namespace {

// A path as the host's store resolves it: which tree, and the components within it.
struct Place {
    bool host = false;
    std::vector<std::string> parts;
    bool operator==(const Place&) const = default;
    // True when `inner` lies inside this folder.
    bool Holds(const Place& inner) const {
        return host == inner.host && inner.parts.size() > parts.size() &&
               std::equal(parts.begin(), parts.end(), inner.parts.begin());
    }
};

Place Resolve(const std::string& path) {
    Place place;
    place.host = DevicePaths::IsHostPath(path);
    std::string part;
    auto take = [&] {
        if (part == ".." && !place.host) {
            if (!place.parts.empty()) {
                place.parts.pop_back();  // a device path stays within its root
            }
        } else if (!part.empty() && part != ".") {
            place.parts.push_back(place.host ? part : RegistryEncoding::FoldName(part));
        }
        part.clear();
    };
    for (char c : path) {
        if (c == '/' || (c == '\\' && !place.host)) {
            take();
        } else {
            part += c;
        }
    }
    take();
    return place;
}

}  // namespace

const std::vector<std::uint8_t>* MemoryFileStore::Find(const std::string& path) const {
    const Place place = Resolve(path);
    for (const auto& [name, bytes] : files) {
        if (Resolve(name) == place) {
            return &bytes;
        }
    }
    return nullptr;
}

FileReadResult MemoryFileStore::ReadFile(const std::string& path, std::size_t maxBytes,
                                         std::vector<std::uint8_t>& out) {
    const std::vector<std::uint8_t>* file = Find(path);
    if (file == nullptr) {
        return FileReadResult::CannotOpen;
    }
    for (const std::string& name : unreadable) {
        if (Resolve(name) == Resolve(path)) {
            return FileReadResult::ReadFailed;
        }
    }
    out.assign(file->begin(),
               file->begin() + static_cast<std::ptrdiff_t>(std::min(maxBytes, file->size())));
    return FileReadResult::Ok;
}

FileWriteResult MemoryFileStore::WriteFile(const std::string& path,
                                           const std::vector<std::uint8_t>& bytes) {
    ++writes;
    if (failWritesWith) {
        return *failWritesWith;
    }
    const Place place = Resolve(path);
    for (const std::string& folder : missingFolders) {
        if (Resolve(folder).Holds(place)) {
            return FileWriteResult::CannotCreate;
        }
    }
    if (place.parts.empty()) {
        return FileWriteResult::CannotCreate;  // the root is a folder
    }
    std::string spelling = path;
    for (const auto& [name, old] : files) {
        const Place existing = Resolve(name);
        if (place.Holds(existing) || existing.Holds(place)) {
            return FileWriteResult::CannotCreate;  // a folder where the file would be, or a file
                                                   // where its folder would be
        }
        if (existing == place) {
            spelling = name;
        }
    }
    if (freeBytes) {
        if (bytes.size() > *freeBytes) {
            return FileWriteResult::WriteFailed;  // the temporary file ran out of room
        }
        const auto it = files.find(spelling);
        *freeBytes = *freeBytes - bytes.size() + (it != files.end() ? it->second.size() : 0);
    }
    files[spelling] = bytes;
    return FileWriteResult::Ok;
}

bool MemoryFileStore::RemoveFile(const std::string& path) {
    const Place place = Resolve(path);
    for (auto it = files.begin(); it != files.end(); ++it) {
        if (Resolve(it->first) == place) {
            if (freeBytes) {
                *freeBytes += it->second.size();
            }
            files.erase(it);
            return true;
        }
    }
    return true;
}

}  // namespace torvane::test

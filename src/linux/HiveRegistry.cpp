// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linux/HiveRegistry.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <vector>

#include "linux/AtomicFile.h"

namespace torvane {

namespace {

// Holds an exclusive advisory lock on a lock file for as long as it lives. A link in the lock
// file's place is not followed.
class FileLock {
public:
    explicit FileLock(const std::string& path)
        : m_fd(::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666)) {
        if (m_fd < 0) {
            m_bLink = errno == ELOOP;
            return;
        }
        int rc = 0;
        do {
            rc = ::flock(m_fd, LOCK_EX);
        } while (rc != 0 && errno == EINTR);
        if (rc != 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~FileLock() {
        if (m_fd >= 0) {
            ::close(m_fd);  // releases the lock
        }
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    bool Held() const { return m_fd >= 0; }
    bool LinkInTheWay() const { return m_bLink; }

private:
    int m_fd;
    bool m_bLink = false;
};

}  // namespace

HiveRegistry::HiveRegistry(std::string hostPath, Warn warn)
    : m_path(std::move(hostPath)), m_warn(std::move(warn)) {}

void HiveRegistry::Report(const std::string& message) const {
    if (m_warn) {
        m_warn(message);
    }
}

HiveRegistry::Loaded HiveRegistry::Load() const {
    Loaded loaded;
    std::vector<std::uint8_t> bytes;
    switch (AtomicFile::Read(m_path, kMaxFileBytes + 1, bytes)) {
        case FileReadResult::Ok:
            if (bytes.size() > kMaxFileBytes) {
                if (!m_bToldTooLarge) {
                    m_bToldTooLarge = true;
                    Report(m_path + " is larger than " + std::to_string(kMaxFileBytes / 1024) +
                           " KiB, too large for a settings file; it is not read and is left as "
                           "it is");
                }
                loaded.result = LoadResult::Unreadable;
                break;
            }
            loaded.result = LoadResult::Ok;
            loaded.text.assign(bytes.begin(), bytes.end());
            loaded.doc = HiveDocument::Parse(loaded.text);
            break;
        case FileReadResult::CannotOpen: {
            std::error_code ec;
            const bool absent = !std::filesystem::exists(m_path, ec) && !ec;
            loaded.result = absent ? LoadResult::Missing : LoadResult::Unreadable;
            break;
        }
        case FileReadResult::ReadFailed:
            loaded.result = LoadResult::Unreadable;
            break;
    }
    return loaded;
}

bool HiveRegistry::Modify(const std::function<bool(HiveDocument&)>& change) {
    const std::filesystem::path path(m_path);
    if (path.has_parent_path()) {
        std::error_code ec;
        std::filesystem::create_directories(path.parent_path(), ec);
    }
    const std::string lockPath = m_path + ".lock";
    FileLock lock(lockPath);
    if (lock.LinkInTheWay()) {
        // Settings are still saved, only without the guard against a second writer.
        if (!m_bToldLockLink) {
            m_bToldLockLink = true;
            Report(lockPath +
                   " is a symbolic link, which is not followed; settings are written "
                   "without locking it");
        }
    } else if (!lock.Held()) {
        Report("cannot lock " + lockPath + "; the setting was not saved");
        return false;
    }
    Loaded loaded = Load();
    if (loaded.result == LoadResult::Unreadable) {
        // Replacing a file that cannot be read would lose every value in it.
        Report("cannot read " + m_path + "; the setting was not saved");
        return false;
    }
    if (!change(loaded.doc)) {
        return true;
    }
    if (loaded.doc.Damaged()) {
        const std::string bad = m_path + ".bad";
        if (AtomicFile::Replace(bad, loaded.text.data(), loaded.text.size()) !=
            FileWriteResult::Ok) {
            Report("cannot keep the damaged " + m_path + " as " + bad +
                   "; the setting was not saved");
            return false;
        }
        Report(m_path + ": line " + std::to_string(loaded.doc.FirstDamagedLine()) +
               " cannot be read; what could not be read is ignored and the file is kept as " + bad);
    }
    const std::string text = loaded.doc.Format();
    if (AtomicFile::Replace(m_path, text.data(), text.size()) != FileWriteResult::Ok) {
        Report("cannot write " + m_path + "; the setting was not saved");
        return false;
    }
    return true;
}

bool HiveRegistry::CreateKey(const std::string& keyPath) {
    if (!HiveDocument::IsValidKeyPath(keyPath)) {
        return false;
    }
    // Opening a key that exists changes nothing and needs no lock.
    const Loaded loaded = Load();
    if (loaded.result == LoadResult::Ok && loaded.doc.HasKey(keyPath)) {
        return true;
    }
    return Modify([&](HiveDocument& doc) { return !doc.HasKey(keyPath) && doc.AddKey(keyPath); });
}

bool HiveRegistry::QueryValue(const std::string& keyPath, const std::string& valueName,
                              RegValue& out) {
    const Loaded loaded = Load();
    if (loaded.result != LoadResult::Ok) {
        return false;
    }
    const RegValue* value = loaded.doc.Find(keyPath, valueName);
    if (value == nullptr) {
        return false;
    }
    out = *value;
    return true;
}

bool HiveRegistry::SetValue(const std::string& keyPath, const std::string& valueName,
                            const RegValue& value) {
    if (!HiveDocument::IsValidKeyPath(keyPath) || !HiveDocument::IsValidValueName(valueName)) {
        return false;
    }
    return Modify([&](HiveDocument& doc) { return doc.Set(keyPath, valueName, value); });
}

bool HiveRegistry::DeleteValue(const std::string& keyPath, const std::string& valueName) {
    // A value that is not there is already deleted; only an unreadable file says otherwise.
    const Loaded loaded = Load();
    if (loaded.result == LoadResult::Missing ||
        (loaded.result == LoadResult::Ok && loaded.doc.Find(keyPath, valueName) == nullptr)) {
        return true;
    }
    return Modify([&](HiveDocument& doc) { return doc.Delete(keyPath, valueName); });
}

}  // namespace torvane

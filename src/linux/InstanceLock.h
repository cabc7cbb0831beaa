// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace torvane {

// Makes sure one copy of the program runs per settings file: the copy that holds an exclusive
// advisory lock on a small file is the running one. The system drops the lock when that copy
// ends in any way, a kill included, so a copy that died never keeps the next one out. The lock
// file itself stays; it holds nothing.
class InstanceLock {
public:
    enum class Result {
        Held,           // this is the one running copy
        HeldElsewhere,  // another copy for the same settings file is running
        Failed,         // it cannot be told (the folder cannot be made or written, or is
                        // not the user's own; a link stands in the lock file's place)
    };

    explicit InstanceLock(std::string lockPath);
    ~InstanceLock();

    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    Result Acquire();

    // The lock file and the running copy's socket in `folder` for the settings file at
    // `canonicalHivePath`, so each settings file has a pair of its own.
    static std::string LockPathFor(const std::string& folder, const std::string& canonicalHivePath);
    static std::string SocketPathFor(const std::string& folder,
                                     const std::string& canonicalHivePath);

    const std::string& Path() const { return m_path; }
    // Why the last Acquire failed, for the user.
    const std::string& Problem() const { return m_problem; }

private:
    std::string m_path;
    std::string m_problem;
    int m_fd = -1;
};

}  // namespace torvane

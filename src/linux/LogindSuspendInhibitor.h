// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/ILoginManager.h"
#include "platform/ISuspendInhibitor.h"

namespace torvane {

// Keeps the machine awake with a login-manager block on idle and sleep. Without a manager, or
// when it refuses, nothing is held and nothing is said.
class LogindSuspendInhibitor : public ISuspendInhibitor {
public:
    explicit LogindSuspendInhibitor(ILoginManager& manager) : m_manager(manager) {}
    ~LogindSuspendInhibitor() override;

    LogindSuspendInhibitor(const LogindSuspendInhibitor&) = delete;
    LogindSuspendInhibitor& operator=(const LogindSuspendInhibitor&) = delete;

    void Acquire() override;
    void Release() override;

    bool Held() const { return m_fd >= 0; }

private:
    ILoginManager& m_manager;
    int m_fd = -1;
};

}  // namespace torvane

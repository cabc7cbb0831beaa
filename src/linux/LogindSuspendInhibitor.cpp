// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linux/LogindSuspendInhibitor.h"

#include <unistd.h>

namespace torvane {

LogindSuspendInhibitor::~LogindSuspendInhibitor() {
    Release();
}

void LogindSuspendInhibitor::Acquire() {
    if (m_fd >= 0) {
        return;  // one lock is enough
    }
    m_fd = m_manager.Inhibit("idle:sleep", "Torvane", "Measuring battery discharge", "block");
}

void LogindSuspendInhibitor::Release() {
    if (m_fd < 0) {
        return;
    }
    ::close(m_fd);  // closing the descriptor ends the lock
    m_fd = -1;
}

}  // namespace torvane

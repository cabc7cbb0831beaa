// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <memory>

class QSocketNotifier;

namespace torvane {

// Turns SIGTERM, SIGINT and SIGHUP into a call on the user-interface thread, so the program
// can end the way a confirmed Exit does. One per process.
class QuitSignals {
public:
    explicit QuitSignals(std::function<void()> onQuit);
    ~QuitSignals();

    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

private:
    std::function<void()> m_onQuit;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

}  // namespace torvane

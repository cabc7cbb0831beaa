// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>

class QLocalServer;

namespace torvane {

// How a copy of the program started while another runs for the same settings file reaches the
// running one: a local socket in a folder private to the user. The later copy asks once and
// ends; the running copy brings its window to the front.
class RunningCopyChannel {
public:
    explicit RunningCopyChannel(std::string socketPath);
    ~RunningCopyChannel();

    RunningCopyChannel(const RunningCopyChannel&) = delete;
    RunningCopyChannel& operator=(const RunningCopyChannel&) = delete;

    // In the running copy, which must hold the instance lock: answers every later start on
    // the event loop by calling `raise`. A socket left by a copy that died is replaced. False,
    // with the reason in `error`, when it cannot listen.
    bool Listen(std::function<void()> raise, std::string& error);

    // In a later copy: asks the running one to come to the front, trying again while it is
    // still starting, until `timeout` has passed. True once it has answered. Needs no event
    // loop.
    static bool AskToRaise(const std::string& socketPath, std::chrono::milliseconds timeout);

private:
    std::string m_path;
    std::unique_ptr<QLocalServer> m_server;
    std::function<void()> m_raise;
};

}  // namespace torvane

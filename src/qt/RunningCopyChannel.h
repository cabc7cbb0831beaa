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
// running one: a local socket in a folder private to the user. The later copy asks once, with
// the activation token its launcher gave it, and ends; the running copy shows its window and
// brings it to the front with that token where the desktop lets it.
class RunningCopyChannel {
public:
    // What the running copy answered.
    enum class Answer {
        None,    // nobody answered in time
        Raised,  // the window is shown and was brought to the front with the token
        Shown,   // the window is shown, but the desktop was not asked with a token it takes
    };

    explicit RunningCopyChannel(std::string socketPath);
    ~RunningCopyChannel();

    RunningCopyChannel(const RunningCopyChannel&) = delete;
    RunningCopyChannel& operator=(const RunningCopyChannel&) = delete;

    // Shows the window and brings it to the front with an activation token (empty: none);
    // true when the desktop was asked with the token.
    using RaiseHandler = std::function<bool(const std::string& activationToken)>;

    // In the running copy, which must hold the instance lock: answers every later start on
    // the event loop by calling `raise`. A socket left by a copy that died is replaced. False,
    // with the reason in `error`, when it cannot listen.
    bool Listen(RaiseHandler raise, std::string& error);

    // In a later copy: asks the running one to come to the front with `activationToken` (empty
    // or unusable: without one), trying again while it is still starting, until `timeout` has
    // passed. Needs no event loop.
    static Answer AskToRaise(const std::string& socketPath, const std::string& activationToken,
                             std::chrono::milliseconds timeout);

private:
    std::string m_path;
    std::unique_ptr<QLocalServer> m_server;
    RaiseHandler m_raise;
};

}  // namespace torvane

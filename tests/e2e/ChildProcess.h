// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <sys/resource.h>
#include <sys/types.h>

#include <chrono>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace torvane::test {

// The program run as a child process with an environment of our choosing; its standard error
// goes to a file so a failing test can show it, and so does its standard output when a file is
// named for it.
class ChildProcess {
public:
    ChildProcess(const std::string& program, const std::vector<std::string>& args,
                 const std::map<std::string, std::string>& environment,
                 const std::string& stderrPath, const std::string& stdoutPath = "");
    ~ChildProcess();

    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Running();
    // Sends the signal and waits for the end; the exit code, or 128 + signal when killed, or
    // -1 when it did not end in time (it is then killed).
    int Stop(int signal, std::chrono::milliseconds timeout);
    // Waits for the end without sending anything; -1 when it did not end in time.
    int Wait(std::chrono::milliseconds timeout);
    pid_t Pid() const { return m_pid; }
    // CPU time and peak memory of the ended child.
    const struct rusage& Usage() const { return m_usage; }

private:
    bool Reap(bool block);

    pid_t m_pid = -1;
    int m_status = 0;
    bool m_ended = false;
    struct rusage m_usage {};
};

// The environment of this process with the given variables set or replaced.
std::map<std::string, std::string> EnvironmentWith(std::map<std::string, std::string> changes);

// Polls `condition` every 10 ms until it holds or the time is up.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout);

}  // namespace torvane::test

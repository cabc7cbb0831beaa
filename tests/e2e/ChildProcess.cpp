// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "e2e/ChildProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>
#include <thread>

extern char** environ;

namespace torvane::test {

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& args,
                           const std::map<std::string, std::string>& environment,
                           const std::string& stderrPath, const std::string& stdoutPath) {
    std::vector<std::string> argStore{program};
    argStore.insert(argStore.end(), args.begin(), args.end());
    std::vector<std::string> envStore;
    for (const auto& [name, value] : environment) {
        envStore.push_back(name + "=" + value);
    }
    std::vector<char*> argv;
    for (auto& a : argStore) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (auto& e : envStore) {
        envp.push_back(e.data());
    }
    envp.push_back(nullptr);

    m_pid = ::fork();
    if (m_pid < 0) {
        throw std::runtime_error("fork failed");
    }
    if (m_pid == 0) {
        // Ends with the test, even one that a fault ends at once.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        const int err = ::open(stderrPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (err >= 0) {
            ::dup2(err, 2);
            ::close(err);
        }
        const int null = ::open("/dev/null", O_RDWR);
        if (null >= 0) {
            ::dup2(null, 0);
            ::dup2(null, 1);
            ::close(null);
        }
        if (!stdoutPath.empty()) {
            const int out = ::open(stdoutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (out >= 0) {
                ::dup2(out, 1);
                ::close(out);
            }
        }
        ::execve(program.c_str(), argv.data(), envp.data());
        ::_exit(127);
    }
}

ChildProcess::~ChildProcess() {
    if (!m_ended && m_pid > 0) {
        ::kill(m_pid, SIGKILL);
        Reap(true);
    }
}

bool ChildProcess::Reap(bool block) {
    if (m_ended) {
        return true;
    }
    const pid_t r = ::wait4(m_pid, &m_status, block ? 0 : WNOHANG, &m_usage);
    if (r == m_pid) {
        m_ended = true;
    }
    return m_ended;
}

bool ChildProcess::Running() {
    return !Reap(false);
}

int ChildProcess::Wait(std::chrono::milliseconds timeout) {
    if (!WaitUntil([this] { return Reap(false); }, timeout)) {
        return -1;
    }
    if (WIFEXITED(m_status)) {
        return WEXITSTATUS(m_status);
    }
    return WIFSIGNALED(m_status) ? 128 + WTERMSIG(m_status) : -1;
}

int ChildProcess::Stop(int signal, std::chrono::milliseconds timeout) {
    if (!m_ended) {
        ::kill(m_pid, signal);
    }
    const int code = Wait(timeout);
    if (code == -1) {
        ::kill(m_pid, SIGKILL);
        Reap(true);
    }
    return code;
}

std::map<std::string, std::string> EnvironmentWith(std::map<std::string, std::string> changes) {
    std::map<std::string, std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry = *e;
        const auto eq = entry.find('=');
        if (eq != std::string::npos) {
            env.emplace(entry.substr(0, eq), entry.substr(eq + 1));
        }
    }
    for (auto& [name, value] : changes) {
        env[name] = value;
    }
    return env;
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition()) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= end) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

}  // namespace torvane::test

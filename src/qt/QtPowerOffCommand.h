// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <memory>
#include <string>

class QProcess;

namespace torvane {

// The power-off command line (TORVANE_POWEROFF_COMMAND, `systemctl poweroff` when unset), run
// through the shell. Its end is awaited from the event loop, so the window goes on meanwhile.
// When it cannot be started or ends with anything but status 0, `onFailure` gets one message
// that names the command and what became of it.
class QtPowerOffCommand {
public:
    using Report = std::function<void(const std::string& message)>;

    QtPowerOffCommand(std::string commandLine, Report onFailure, std::string shell = "/bin/sh");
    // A command still running is ended: nobody would hear how it went.
    ~QtPowerOffCommand();

    QtPowerOffCommand(const QtPowerOffCommand&) = delete;
    QtPowerOffCommand& operator=(const QtPowerOffCommand&) = delete;

    // Starts the command and returns at once; while an earlier run still goes on, nothing
    // more is started.
    void Run();
    bool Running() const;

private:
    void Fail(const std::string& what);

    std::string m_commandLine;
    Report m_onFailure;
    std::string m_shell;
    std::unique_ptr<QProcess> m_process;
};

}  // namespace torvane

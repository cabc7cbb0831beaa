// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/QtPowerOffCommand.h"

#include <QProcess>
#include <QString>
#include <QStringList>

namespace torvane {

QtPowerOffCommand::QtPowerOffCommand(std::string commandLine, Report onFailure, std::string shell)
    : m_commandLine(std::move(commandLine)),
      m_onFailure(std::move(onFailure)),
      m_shell(std::move(shell)) {}

QtPowerOffCommand::~QtPowerOffCommand() {
    if (m_process) {
        m_process->disconnect();
        if (m_process->state() != QProcess::NotRunning) {
            m_process->kill();
            m_process->waitForFinished();
        }
    }
}

bool QtPowerOffCommand::Running() const {
    return m_process && m_process->state() != QProcess::NotRunning;
}

void QtPowerOffCommand::Run() {
    if (Running()) {
        return;  // the machine is on its way down already
    }
    m_process = std::make_unique<QProcess>();
    QProcess* process = m_process.get();
    // A crash is reported as a finish too; only a failed start has no finish.
    QObject::connect(
        process, &QProcess::errorOccurred, process, [this, process](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart) {
                Fail("could not be started (" + process->errorString().toStdString() + ")");
            }
        });
    QObject::connect(process, &QProcess::finished, process,
                     [this](int exitCode, QProcess::ExitStatus status) {
                         if (status == QProcess::CrashExit) {
                             Fail("was ended by a signal");
                         } else if (exitCode != 0) {
                             Fail("ended with exit status " + std::to_string(exitCode));
                         }
                     });
    // Its output goes where the program's own does; it reads nothing.
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    process->start(QString::fromStdString(m_shell),
                   {QStringLiteral("-c"), QString::fromStdString(m_commandLine)});
}

void QtPowerOffCommand::Fail(const std::string& what) {
    if (m_onFailure) {
        m_onFailure("Power-off failed: the command \"" + m_commandLine + "\" " + what + ".");
    }
}

}  // namespace torvane

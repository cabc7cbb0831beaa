// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/RunningCopyChannel.h"

#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <sys/stat.h>

#include <algorithm>
#include <utility>

namespace torvane {

namespace {

constexpr char kRaise[] = "raise\n";
constexpr char kRaised[] = "raised\n";

// A link where the socket belongs is never followed, to listen or to ask.
bool IsLink(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

}  // namespace

RunningCopyChannel::RunningCopyChannel(std::string socketPath) : m_path(std::move(socketPath)) {}

RunningCopyChannel::~RunningCopyChannel() = default;

bool RunningCopyChannel::Listen(std::function<void()> raise, std::string& error) {
    m_raise = std::move(raise);
    if (IsLink(m_path)) {
        error = m_path + " is a symbolic link, which is not followed";
        return false;
    }
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    const QString name = QString::fromStdString(m_path);
    // Whoever listened here before has ended: this copy holds the lock.
    QLocalServer::removeServer(name);
    if (!m_server->listen(name)) {
        error = "cannot listen on " + m_path + ": " + m_server->errorString().toStdString();
        m_server.reset();
        return false;
    }
    QObject::connect(m_server.get(), &QLocalServer::newConnection, m_server.get(), [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
                if (!socket->canReadLine()) {
                    if (socket->bytesAvailable() > 64) {
                        socket->abort();  // no request of ours is that long
                    }
                    return;
                }
                const QByteArray request = socket->readLine(64);
                if (request == kRaise) {
                    if (m_raise) {
                        m_raise();
                    }
                    socket->write(kRaised);
                    socket->flush();
                }
                socket->disconnectFromServer();
            });
        }
    });
    return true;
}

bool RunningCopyChannel::AskToRaise(const std::string& socketPath,
                                    std::chrono::milliseconds timeout) {
    QElapsedTimer clock;
    clock.start();
    const auto left = [&] {
        return static_cast<int>(std::max<qint64>(timeout.count() - clock.elapsed(), 0));
    };
    while (left() > 0 && !IsLink(socketPath)) {
        QLocalSocket socket;
        socket.connectToServer(QString::fromStdString(socketPath));
        if (!socket.waitForConnected(left())) {
            // The running copy may not be listening yet.
            QThread::msleep(50);
            continue;
        }
        socket.write(kRaise);
        if (!socket.waitForBytesWritten(left())) {
            return false;
        }
        while (!socket.canReadLine() && socket.waitForReadyRead(left())) {
        }
        return socket.readLine(64) == kRaised;
    }
    return false;
}

}  // namespace torvane

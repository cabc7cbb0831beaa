// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/RunningCopyChannel.h"

#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <sys/stat.h>

#include <algorithm>
#include <optional>
#include <utility>

namespace torvane {

namespace {

// A request is "raise", or "raise TOKEN"; the answer "raised" or "shown".
constexpr char kRaise[] = "raise";
constexpr char kRaised[] = "raised\n";
constexpr char kShown[] = "shown\n";
// Launchers' tokens and startup ids are short printable words; the bound leaves them room.
constexpr qsizetype kMaxToken = 255;
constexpr qint64 kMaxLine = 8 + kMaxToken;

bool UsableToken(const QByteArray& token) {
    return token.size() <= kMaxToken &&
           std::all_of(token.begin(), token.end(), [](char c) { return c > ' ' && c < 0x7f; });
}

// The token of a request; nothing when the line is no request of ours.
std::optional<QByteArray> TokenOfRequest(QByteArray line) {
    if (!line.endsWith('\n')) {
        return std::nullopt;
    }
    line.chop(1);
    if (line == kRaise) {
        return QByteArray();
    }
    const QByteArray prefix = QByteArray(kRaise) + ' ';
    if (!line.startsWith(prefix)) {
        return std::nullopt;
    }
    QByteArray token = line.mid(prefix.size());
    if (token.isEmpty() || !UsableToken(token)) {
        return std::nullopt;
    }
    return token;
}

// A link where the socket belongs is never followed, to listen or to ask.
bool IsLink(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

}  // namespace

RunningCopyChannel::RunningCopyChannel(std::string socketPath) : m_path(std::move(socketPath)) {}

RunningCopyChannel::~RunningCopyChannel() = default;

bool RunningCopyChannel::Listen(RaiseHandler raise, std::string& error) {
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
                    if (socket->bytesAvailable() > kMaxLine) {
                        socket->abort();  // no request of ours is that long
                    }
                    return;
                }
                const std::optional<QByteArray> token =
                    TokenOfRequest(socket->readLine(kMaxLine + 1));
                if (token) {
                    const bool raised = m_raise && m_raise(token->toStdString());
                    socket->write(raised ? kRaised : kShown);
                    socket->flush();
                }
                socket->disconnectFromServer();
            });
        }
    });
    return true;
}

RunningCopyChannel::Answer RunningCopyChannel::AskToRaise(const std::string& socketPath,
                                                          const std::string& activationToken,
                                                          std::chrono::milliseconds timeout) {
    QByteArray request(kRaise);
    const QByteArray token = QByteArray::fromStdString(activationToken);
    if (!token.isEmpty() && UsableToken(token)) {
        request += ' ' + token;
    }
    request += '\n';
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
        socket.write(request);
        if (!socket.waitForBytesWritten(left())) {
            return Answer::None;
        }
        while (!socket.canReadLine() && socket.waitForReadyRead(left())) {
        }
        const QByteArray answer = socket.readLine(64);
        if (answer == kRaised) {
            return Answer::Raised;
        }
        return answer == kShown ? Answer::Shown : Answer::None;
    }
    return Answer::None;
}

}  // namespace torvane

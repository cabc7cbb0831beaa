// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/QtLoginManager.h"

#include <fcntl.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QString>

namespace torvane {

namespace {

// The call runs on the window's thread; a login manager that does not answer promptly must not
// freeze the window for long.
constexpr int kCallTimeoutMs = 2000;

}  // namespace

int QtLoginManager::Inhibit(const std::string& what, const std::string& who, const std::string& why,
                            const std::string& mode) {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected() ||
        !(bus.connectionCapabilities() & QDBusConnection::UnixFileDescriptorPassing)) {
        return -1;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
    call << QString::fromStdString(what) << QString::fromStdString(who)
         << QString::fromStdString(why) << QString::fromStdString(mode);
    const QDBusMessage reply = bus.call(call, QDBus::Block, kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return -1;
    }
    const auto lock = reply.arguments().constFirst().value<QDBusUnixFileDescriptor>();
    if (!lock.isValid()) {
        return -1;
    }
    // The reply's descriptor closes with the reply; keep a copy of our own.
    return ::fcntl(lock.fileDescriptor(), F_DUPFD_CLOEXEC, 0);
}

}  // namespace torvane

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/QtLoginManager.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cstdlib>
#include <mutex>
#include <vector>

#include <gtest/gtest.h>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QDBusVirtualObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include "fakes/MissingComponent.h"
#include "linux/LogindSuspendInhibitor.h"

namespace torvane {
namespace {

// Answers org.freedesktop.login1.Manager.Inhibit on a private bus: with the read end of a pipe
// as the lock (the test keeps the write end), or with an error when told to refuse.
class FakeLogind : public QDBusVirtualObject {
public:
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.interface() != QLatin1String("org.freedesktop.login1.Manager") ||
            message.member() != QLatin1String("Inhibit")) {
            return false;
        }
        std::lock_guard<std::mutex> lock(mutex);
        std::vector<std::string> args;
        for (const QVariant& arg : message.arguments()) {
            args.push_back(arg.toString().toStdString());
        }
        calls.push_back(args);
        if (refuse) {
            connection.send(message.createErrorReply(
                QStringLiteral("org.freedesktop.DBus.Error.AccessDenied"), QStringLiteral("no")));
            return true;
        }
        int ends[2];
        if (::pipe(ends) != 0) {
            return false;
        }
        writeEnd = ends[1];
        QDBusUnixFileDescriptor lockFd(ends[0]);  // takes a copy
        ::close(ends[0]);
        connection.send(message.createReply(QVariant::fromValue(lockFd)));
        return true;
    }
    QString introspect(const QString&) const override { return {}; }

    std::mutex mutex;
    std::vector<std::vector<std::string>> calls;
    bool refuse = false;
    int writeEnd = -1;
};

// True once nobody holds the read end of the pipe any more, within `waitMs`.
bool ReadEndClosed(int writeEnd, int waitMs) {
    for (int waited = 0;; waited += 10) {
        pollfd p{writeEnd, POLLOUT, 0};
        if (::poll(&p, 1, 0) > 0 && (p.revents & POLLERR) != 0) {
            return true;
        }
        if (waited >= waitMs) {
            return false;
        }
        ::usleep(10000);
    }
}

class QtLoginManagerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = new QTemporaryDir;
        const QString config = dir->filePath(QStringLiteral("bus.conf"));
        QFile file(config);
        file.open(QIODevice::WriteOnly);
        file.write(
            QStringLiteral(
                "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration "
                "1.0//EN\" \"http://www.freedesktop.org/standards/dbus/1.0/"
                "busconfig.dtd\"><busconfig><type>system</type>"
                "<listen>unix:dir=%1</listen><auth>EXTERNAL</auth>"
                "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                "<allow eavesdrop=\"true\"/>"
                "<allow own=\"*\"/><allow user=\"*\"/></policy></busconfig>")
                .arg(dir->path())
                .toUtf8());
        file.close();
        daemon = new QProcess;
        daemon->start(QStringLiteral("dbus-daemon"),
                      {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                       QStringLiteral("--print-address")});
        if (daemon->waitForStarted(5000) && daemon->waitForReadyRead(5000)) {
            address = daemon->readLine().trimmed();
        }
        // The program's system bus is this private one.
        ::setenv("DBUS_SYSTEM_BUS_ADDRESS", address.constData(), 1);
        if (!address.isEmpty()) {
            service = new QDBusConnection(QDBusConnection::connectToBus(
                QString::fromUtf8(address), QStringLiteral("fake-logind")));
            service->registerService(QStringLiteral("org.freedesktop.login1"));
            // It answers on a thread of its own, as the real one is another process: the call
            // under test blocks the main thread.
            serviceThread = new QThread;
            logind.moveToThread(serviceThread);
            serviceThread->start();
            service->registerVirtualObject(QStringLiteral("/org/freedesktop/login1"), &logind);
        }
    }
    static void TearDownTestSuite() {
        if (service != nullptr) {
            service->unregisterObject(QStringLiteral("/org/freedesktop/login1"));
            delete service;
            QDBusConnection::disconnectFromBus(QStringLiteral("fake-logind"));
            serviceThread->quit();
            serviceThread->wait();
            delete serviceThread;
        }
        daemon->kill();
        daemon->waitForFinished();
        delete daemon;
        delete dir;
    }
    void SetUp() override {
        if (address.isEmpty()) {
            TORVANE_SKIP_WITHOUT("dbus-daemon");
        }
        std::lock_guard<std::mutex> lock(logind.mutex);
        logind.calls.clear();
        logind.refuse = false;
    }

    static inline QTemporaryDir* dir = nullptr;
    static inline QProcess* daemon = nullptr;
    static inline QByteArray address;
    static inline QDBusConnection* service = nullptr;
    static inline QThread* serviceThread = nullptr;
    static inline FakeLogind logind;
};

TEST_F(QtLoginManagerTest, HoldsTheLockFromInhibitUntilRelease) {
    QtLoginManager manager;
    LogindSuspendInhibitor inhibitor(manager);
    inhibitor.Acquire();
    ASSERT_TRUE(inhibitor.Held());
    int writeEnd = -1;
    {
        std::lock_guard<std::mutex> lock(logind.mutex);
        ASSERT_EQ(logind.calls.size(), 1u);
        EXPECT_EQ(logind.calls[0],
                  (std::vector<std::string>{"idle:sleep", "Torvane", "Measuring battery discharge",
                                            "block"}));
        writeEnd = logind.writeEnd;
    }
    EXPECT_FALSE(ReadEndClosed(writeEnd, 200)) << "the lock must stay held";
    inhibitor.Release();
    EXPECT_TRUE(ReadEndClosed(writeEnd, 2000));
    ::close(writeEnd);
}

TEST_F(QtLoginManagerTest, RefusalGivesNoLock) {
    {
        std::lock_guard<std::mutex> lock(logind.mutex);
        logind.refuse = true;
    }
    QtLoginManager manager;
    EXPECT_EQ(manager.Inhibit("idle:sleep", "Torvane", "Measuring battery discharge", "block"), -1);
    std::lock_guard<std::mutex> lock(logind.mutex);
    EXPECT_EQ(logind.calls.size(), 1u);  // it was asked, and said no
}

}  // namespace
}  // namespace torvane

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

// The recorder, `torvane --record [--into FOLDER] [--metrics FILE]`, as a program of its own:
// `torvane` hands over to it, so that it loads Qt's core library alone and none of the window's.
// It records every discharge into the folder (by default the device folder
// \My Documents\History) with no display and no window system, and never touches the settings
// file. One recorder runs per folder: another one exits with status 1. It runs until SIGTERM,
// SIGINT or SIGHUP, writes what it holds and exits with status 0. Under systemd as a notify
// service it says when it is ready.

#include <signal.h>  // NOLINT(modernize-deprecated-headers): POSIX signals, declared here
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <string>

#include "app/CommandLine.h"
#include "app/ImportHistoryCommand.h"
#include "app/QuitSignals.h"
#include "linux/AtomicFile.h"
#include "linux/CanonicalPath.h"
#include "linux/Environment.h"
#include "linux/HostFileStore.h"
#include "linux/InstanceLock.h"
#include "linux/MakeFolders.h"
#include "linux/SysfsPowerStatus.h"
#include "linux/SystemRealClock.h"
#include "linux/TemporarySweep.h"
#include "qt/QtTimers.h"
#include "recorder/DischargeRecorder.h"
#include "recorder/RecorderState.h"

namespace torvane {

namespace {

constexpr unsigned int kReadingTimer = 1;

// Tells systemd that the service is up, when it runs the program as a notify service: one
// datagram on the socket it names. Nothing happens anywhere else.
void NotifyReady() {
    const char* socketPath = std::getenv("NOTIFY_SOCKET");
    if (socketPath == nullptr || (socketPath[0] != '/' && socketPath[0] != '@')) {
        return;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::size_t length = std::strlen(socketPath);
    if (length >= sizeof address.sun_path) {
        return;
    }
    std::memcpy(address.sun_path, socketPath, length);
    if (address.sun_path[0] == '@') {
        address.sun_path[0] = '\0';  // an abstract socket
    }
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return;
    }
    static constexpr char kReady[] = "READY=1";
    ::sendto(fd, kReady, sizeof kReady - 1, MSG_NOSIGNAL, reinterpret_cast<sockaddr*>(&address),
             static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + length));
    ::close(fd);
}

std::string AbsolutePath(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute.string();
}

int RunRecorder(const CommandLineOptions& options, const Environment& env, int argc, char** argv) {
    ::tzset();  // log names follow the local time zone, TZ included
    // Output that nobody reads any more (a closed pipe) must not end the recording.
    ::signal(SIGPIPE, SIG_IGN);

    const std::string folder = HistoryFolderPath(options.importInto, env);
    MakeFolders(folder);  // the recorder says so when it cannot, and tries again later
    const std::string canonical = CanonicalPath(folder);
    InstanceLock lock(InstanceLock::LockPathFor(env.runtimeDir, "recorder:" + canonical));
    switch (lock.Acquire()) {
        case InstanceLock::Result::HeldElsewhere:
            std::fprintf(stderr, "torvane: another recorder is already recording into %s\n",
                         folder.c_str());
            return 1;
        case InstanceLock::Result::Failed:
            std::fprintf(stderr,
                         "torvane: cannot make sure that only one recorder records into %s: %s "
                         "cannot be locked\n",
                         folder.c_str(), lock.Path().c_str());
            break;
        case InstanceLock::Result::Held:
            break;
    }
    MakeFolders(env.stateDir);
    // Holding the folder's lock: what killed writes left in it and in the state folder goes.
    const int removed = SweepTemporaries(folder, AtomicFile::IsTemporaryName) +
                        SweepTemporaries(env.stateDir, AtomicFile::IsTemporaryName);
    if (const std::string report = SweepReport(removed); !report.empty()) {
        std::fprintf(stderr, "torvane: %s\n", report.c_str());
    }

    QCoreApplication app(argc, argv);
    const DevicePaths paths(env.deviceRoot);
    HostFileStore files(paths);
    SysfsPowerStatus power(env.powerSupplyDir);
    SystemRealClock clock;
    const RecorderServices services{
        power, clock, files, [&folder] { return MakeFolders(folder); }, std::cout, std::cerr};
    const std::string metrics =
        options.metricsFile.empty() ? std::string() : AbsolutePath(options.metricsFile);
    DischargeRecorder recorder(services,
                               {folder, RecorderState::PathFor(env.stateDir, canonical), metrics},
                               env.timeScale);

    // One timer, set again only when the pace changes between battery and A/C power.
    QtTimers timers(env.timeScale);
    std::int64_t period = 0;
    const auto read = [&recorder, &timers, &period] {
        const std::int64_t next = recorder.Read();
        if (next != period) {
            period = next;
            timers.SetTimer(kReadingTimer, static_cast<unsigned int>(period));
        }
    };
    timers.SetHandler([&read](unsigned int) { read(); });
    QuitSignals quitSignals([&recorder, &timers] {
        timers.KillTimer(kReadingTimer);
        recorder.Finish();
        QCoreApplication::quit();
    });

    recorder.Begin();
    read();
    NotifyReady();
    QCoreApplication::exec();
    return 0;
}

}  // namespace

}  // namespace torvane

int main(int argc, char** argv) {
    const auto options = torvane::CommandLine::Parse(argc, argv);
    if (options.action != torvane::CommandLineOptions::Action::Record) {
        std::fprintf(stderr,
                     "torvane-recorder: the recorder of Torvane, started as "
                     "'torvane --record [--into FOLDER] [--metrics FILE]'\n");
        return 2;
    }
    const auto env = torvane::Environment::FromProcess();
    for (const std::string& warning : env.warnings) {
        std::fprintf(stderr, "torvane: %s\n", warning.c_str());
    }
    return torvane::RunRecorder(options, env, argc, argv);
}

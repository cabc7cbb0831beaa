// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Program.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <set>
#include <string>

#include "app/CMonitorApp.h"
#include "app/MainWindow.h"
#include "app/QuitSignals.h"
#include "app/RenderCommand.h"
#include "linux/AtomicFile.h"
#include "linux/CanonicalPath.h"
#include "linux/DisplayCheck.h"
#include "linux/HiveRegistry.h"
#include "linux/HostFileStore.h"
#include "linux/InstanceLock.h"
#include "linux/LogindSuspendInhibitor.h"
#include "linux/SuspendTimeoutJournalFile.h"
#include "linux/SysfsPowerStatus.h"
#include "linux/TemporarySweep.h"
#include "linux/XdgAutostartFolder.h"
#include "logfile/LogFileCommands.h"
#include "options/CDlgOptions.h"
#include "platform/ApplicationId.h"
#include "platform/DevicePaths.h"
#include "platform/ReadOnlyRegistry.h"
#include "platform/SimulatedBattery.h"
#include "qt/QtLoginManager.h"
#include "qt/QtMessageBox.h"
#include "qt/QtPowerOffCommand.h"
#include "qt/QtTimers.h"
#include "qt/RunningCopyChannel.h"
#include "session/CDlgMain.h"
#include "settings/CSettingsStore.h"
#include "settings/SettingsTable.h"
#include "settings/StartupShortcut.h"

namespace torvane {

namespace {

void Warn(const std::string& message) {
    std::fprintf(stderr, "torvane: %s\n", message.c_str());
}

bool QtHasWaylandSupport() {
    const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                         QStringLiteral("/platforms"));
    return !platforms.entryList({QStringLiteral("libqwayland*.so")}, QDir::Files).isEmpty();
}

DisplayChoice ProbeDisplay() {
    DisplayProbe probe;
    probe.variable = [](const std::string& name) -> std::optional<std::string> {
        const char* value = std::getenv(name.c_str());
        return value == nullptr ? std::nullopt : std::optional<std::string>(value);
    };
    probe.localXServer = LocalXServerListens;
    probe.waylandSupport = QtHasWaylandSupport;
    return ChooseDisplay(probe);
}

// What writes killed in an earlier run left in the folders this one writes: the auto-save
// folder, the settings file's folder and the state folder. Only the copy that holds the lock
// sweeps, before it writes anything itself.
void SweepLeftovers(const Environment& env, const DevicePaths& paths, IRegistry& registry,
                    const std::string& canonicalHive) {
    ReadOnlyRegistry settings(registry);
    CSettingsStore store(settings);
    const std::string autoSave =
        paths.ToHostPath(AutoSaveFilePath(ReadText(store, Setting::SavePath)));
    const std::set<std::string> folders{std::filesystem::path(autoSave).parent_path(),
                                        std::filesystem::path(canonicalHive).parent_path(),
                                        env.stateDir};
    int removed = 0;
    for (const std::string& folder : folders) {
        removed += SweepTemporaries(folder, AtomicFile::IsTemporaryName);
    }
    if (const std::string report = SweepReport(removed); !report.empty()) {
        Warn(report);
    }
}

// A later start for the same settings file: the running copy comes to the front instead, with
// the token of this start. Where the desktop could not be asked with one, the user is told why
// no window came up.
int RaiseRunningCopy(const std::string& socketPath, const Environment& env, int argc, char** argv) {
    QCoreApplication app(argc, argv);
    switch (
        RunningCopyChannel::AskToRaise(socketPath, env.activationToken, std::chrono::seconds(10))) {
        case RunningCopyChannel::Answer::Raised:
            return 0;
        case RunningCopyChannel::Answer::Shown:
            std::fputs("Torvane is already running.\n", stderr);
            return 0;
        case RunningCopyChannel::Answer::None:
            break;
    }
    Warn("Torvane is already running with the settings file " + env.registryPath +
         ", but it does not answer");
    return 1;
}

int RunWindow(const CommandLineOptions& options, const Environment& env, int argc, char** argv) {
    const DisplayChoice display = ProbeDisplay();
    if (!display.usable) {
        Warn(display.error);
        return 1;
    }
    if (!display.platform.empty()) {
        qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(display.platform));
    }

    // One copy per settings file, so that two never take turns at the suspend timeout. Taken
    // before anything is read or put right at start-up.
    const std::string hive = CanonicalPath(env.registryPath);
    InstanceLock instance(InstanceLock::LockPathFor(env.runtimeDir, hive));
    const std::string socketPath = InstanceLock::SocketPathFor(env.runtimeDir, hive);
    const InstanceLock::Result claim = instance.Acquire();
    if (claim == InstanceLock::Result::HeldElsewhere) {
        return RaiseRunningCopy(socketPath, env, argc, argv);
    }
    if (claim == InstanceLock::Result::Failed) {
        Warn("cannot make sure that only one copy runs with " + env.registryPath + ": " +
             instance.Problem());
    }

    DevicePaths paths(env.deviceRoot);
    std::string problem;
    if (!paths.PrepareDeviceRoot(problem)) {
        // The window still works; saving will report each failure itself.
        Warn(problem);
    }
    HiveRegistry registry(env.registryPath, Warn);
    HostFileStore files(paths);
    SuspendTimeoutJournalFile journal(SuspendTimeoutJournalFile::PathFor(env.stateDir, hive), Warn);
    if (claim == InstanceLock::Result::Held) {
        SweepLeftovers(env, paths, registry, hive);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Torvane"));
    // The desktop matches the window and the tray icon to the installed menu entry by this.
    QGuiApplication::setDesktopFileName(
        QString::fromLatin1(kApplicationId.data(), static_cast<qsizetype>(kApplicationId.size())));
    QApplication::setQuitOnLastWindowClosed(false);  // the window's owner decides when to end

    int status = 0;
    {
        // Heard from the event loop on, including any box the start-up shows; a start heard before
        // the window exists just ends, as the window is about to show.
        MainWindow* window = nullptr;
        RunningCopyChannel channel(socketPath);
        if (claim == InstanceLock::Result::Held) {
            std::string error;
            if (!channel.Listen(
                    [&window](const std::string& token) {
                        return window != nullptr && window->ShowAndActivate(token);
                    },
                    error)) {
                Warn(error + "; a second start cannot bring this window to the front");
            }
        }

        QtTimers timers(env.timeScale);
        // A failed power-off is told in a box over the window, once the window exists; from the
        // event loop, so the process that ended is not held up by it.
        std::function<void(const std::string&)> tellPowerOffFailure;
        QtPowerOffCommand powerOffCommand(
            env.powerOffCommand, [&timers, &tellPowerOffFailure](const std::string& message) {
                Warn(message);
                timers.Post([&tellPowerOffFailure, message] {
                    if (tellPowerOffFailure) {
                        tellPowerOffFailure(message);
                    }
                });
            });
        std::unique_ptr<IPowerStatus> power;
        std::function<void()> powerOff;
        if (options.simulate) {
            // The simulated battery runs on the timers' clock.
            power = std::make_unique<SimulatedBattery>([&timers] { return timers.NowMs(); });
            // The simulated device goes off, and the program with it.
            powerOff = [] { QCoreApplication::exit(0); };
        } else {
            power = std::make_unique<SysfsPowerStatus>(env.powerSupplyDir);
            powerOff = [&powerOffCommand] { powerOffCommand.Run(); };
        }
        QtLoginManager loginManager;
        LogindSuspendInhibitor inhibitor(loginManager);

        CMonitorApp monitor(BackgroundServices{*power, timers, registry, files, inhibitor, &journal,
                                               powerOff, paths.ToHostPath("\\My Documents")});
        // A signal ends the program as a confirmed Exit does: whatever runs is stopped first, so
        // the power settings are put back.
        QuitSignals quitSignals([&monitor] {
            monitor.Dialog().EndActiveBeforeQuit();
            monitor.Window().PostQuit(0);
        });
        // Made after the signals are heard: one that comes while the window starts up is handled
        // as soon as the loop runs, instead of ending the program on the spot.
        XdgAutostartFolder autostart(env.autostartDir);
        StartupShortcut shortcut(files, autostart,
                                 QCoreApplication::applicationFilePath().toStdString());
        monitor.SetOptionsRunner([&shortcut](QWidget& parent, CSettingsStore& store) {
            RunOptionsSheet(&parent, store, shortcut);
        });
        monitor.Create();
        tellPowerOffFailure = [&monitor](const std::string& message) {
            QtMessageBox(&monitor.Window()).Show(message, MessageButtons::Ok);
        };
        window = &monitor.Window();
        status = monitor.Run();
    }
    // Everything of the program's own is put away now. Qt 6.4's Wayland client can wait for good
    // while it disconnects (its event thread on a read that is never made), so on Wayland the
    // process ends here, before the application is taken down; the kernel closes the rest.
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}

}  // namespace

int RunProgram(const CommandLineOptions& options, const Environment& env, int argc, char** argv) {
    if (options.action == CommandLineOptions::Action::Render) {
        return RunRenderProgram(options, env, argc, argv);
    }
    return RunWindow(options, env, argc, argv);
}

}  // namespace torvane

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "e2e/FakeMachine.h"

#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <utility>

#include "linux/HiveRegistry.h"
#include "logfile/BatteryLogFile.h"
#include "settings/CSettingsStore.h"
#include "settings/SystemDword.h"

namespace torvane::test {

using namespace std::chrono_literals;

PowerSupplyWatch::PowerSupplyWatch(const std::string& chargerFolder)
    : m_fd(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    if (m_fd < 0 || ::inotify_add_watch(m_fd, chargerFolder.c_str(), IN_ACCESS) < 0) {
        throw std::runtime_error("cannot watch " + chargerFolder);
    }
}

PowerSupplyWatch::~PowerSupplyWatch() {
    ::close(m_fd);
}

int PowerSupplyWatch::Looks() {
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(m_fd, buffer, sizeof buffer);
        if (got <= 0) {
            return m_looks;
        }
        for (ssize_t at = 0; at < got;) {
            inotify_event event;
            std::memcpy(&event, buffer + at, sizeof event);
            const char* name = buffer + at + sizeof event;
            m_looks += event.len > 0 && std::strcmp(name, "online") == 0 ? 1 : 0;
            at += static_cast<ssize_t>(sizeof event + event.len);
        }
    }
}

void FakeMachine::SetUp() {
    TempDir::Write(dir / "power/BAT0/type", "Battery\n");
    TempDir::Write(dir / "power/BAT0/present", "1\n");
    TempDir::Write(dir / "power/BAT0/scope", "System\n");
    TempDir::Write(dir / "power/AC/type", "Mains\n");
    SetMains(false);
    SetCapacity(90);
    TempDir::Write(dir / "registry.reg",
                   "REGEDIT4\n\n"
                   "[HKEY_LOCAL_MACHINE\\Software\\Quillmark\\Torvane]\n"
                   "\"AutoStartSessions\"=dword:00000000\n"
                   "\"IgnorePowerOff\"=dword:00000001\n"
                   "\"InitData\"=dword:00000003\n\n"
                   "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\Power\\Timeouts]\n"
                   "\"BattSuspendTimeout\"=dword:000000b4\n");
    std::filesystem::create_directories(dir / "device");
    std::filesystem::create_directories(dir / "runtime");
    ::chmod((dir / "runtime").c_str(), 0700);
    watch = std::make_unique<PowerSupplyWatch>(dir / "power/AC");
}

void FakeMachine::SetCapacity(int percent) {
    TempDir::Write(dir / "power/BAT0/capacity", std::to_string(percent) + "\n");
}

void FakeMachine::SetMains(bool online) {
    TempDir::Write(dir / "power/AC/online", online ? "1\n" : "0\n");
    TempDir::Write(dir / "power/BAT0/status", online ? "Charging\n" : "Discharging\n");
}

void FakeMachine::SetAutoPowerOffAt(int percent) {
    HiveRegistry registry(dir / "registry.reg");
    CSettingsStore store(registry);
    ASSERT_TRUE(store.WriteDword("AutoPowerOff", 1));
    ASSERT_TRUE(store.WriteDword("AutoPowerOffAt", static_cast<DWORD>(percent)));
}

std::map<std::string, std::string> FakeMachine::ProgramEnvironment(
    const std::string& timeScale, const std::string& powerOffCommand) {
    const std::string command =
        "cd '" + dir.Path().string() + "' && " +
        (powerOffCommand.empty() ? std::string("echo off >> powered-off") : powerOffCommand);
    return EnvironmentWith({{"QT_QPA_PLATFORM", "offscreen"},
                            {"TORVANE_POWER_SUPPLY", dir / "power"},
                            {"TORVANE_REGISTRY", dir / "registry.reg"},
                            {"TORVANE_DEVICE_ROOT", dir / "device"},
                            {"TORVANE_TIME_SCALE", timeScale},
                            {"TORVANE_POWEROFF_COMMAND", command},
                            {"XDG_CONFIG_HOME", dir / "config"},
                            {"XDG_DATA_HOME", dir / "data"},
                            {"XDG_STATE_HOME", dir / "state"},
                            {"XDG_RUNTIME_DIR", dir / "runtime"},
                            // No login manager: the registry part alone.
                            {"DBUS_SYSTEM_BUS_ADDRESS", "unix:path=" + (dir / "no-system-bus")}});
}

std::unique_ptr<ChildProcess> FakeMachine::Launch(const std::vector<std::string>& args,
                                                  const std::string& timeScale,
                                                  const std::string& powerOffCommand) {
    return std::make_unique<ChildProcess>(
        TORVANE_PROGRAM, args, ProgramEnvironment(timeScale, powerOffCommand), dir / "stderr.txt");
}

long long FakeMachine::Timeout() {
    HiveRegistry registry(dir / "registry.reg");  // the key is there: reading writes nothing
    DWORD value = 0;
    return ReadSystemDword(registry, kLocalMachineRoot, kPowerTimeoutsKey, kBattSuspendTimeout,
                           value)
               ? value
               : -1;
}

std::size_t FakeMachine::KeptTimeouts() {
    const auto folder = dir.Path() / "state/torvane";
    if (!std::filesystem::exists(folder)) {
        return 0;
    }
    std::size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        count += entry.path().filename().string().rfind("suspend-timeout.", 0) == 0 ? 1 : 0;
    }
    return count;
}

std::vector<Sample> FakeMachine::AutoSaved() {
    const std::string file = TempDir::Read(dir / "device/autosave.blf");
    BatteryLog log;
    std::vector<Sample> samples;
    // The whole file is the log: bytes after the last sample would be the writer's fault.
    if (DecodeLogFile(std::vector<std::uint8_t>(file.begin(), file.end()), log) ==
            LogFileCheck::Ok &&
        file.size() == EncodeLogFile(log).size()) {
        for (std::size_t i = 0; i < static_cast<std::size_t>(log.count); ++i) {
            samples.push_back({log.minutes[i], log.percent[i]});
        }
    }
    return samples;
}

::testing::AssertionResult FakeMachine::LetThePowerBeRead(int looks) {
    const int until = watch->Looks() + looks;
    if (WaitUntil([&] { return watch->Looks() >= until; }, 20s)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "the program did not look at the power supply " << looks << " times in 20 s\n"
           << Errors();
}

::testing::AssertionResult FakeMachine::RecordTwoSamples(int& level, int lowest,
                                                         std::chrono::milliseconds step) {
    do {
        if (level <= lowest) {
            return ::testing::AssertionFailure()
                   << "no auto-save file while the level went down to " << level << " %\n"
                   << Errors();
        }
        SetCapacity(--level);
    } while (!WaitUntil([&] { return AutoSaved().size() >= 2; }, step));
    // The file may have come with the step before; this one follows at the next tick.
    if (WaitUntil(
            [&] {
                const auto saved = AutoSaved();
                return saved.size() >= 2 && saved.back().percent == level;
            },
            20s)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "the auto-save file did not come to " << level << " % in 20 s\n"
           << Errors();
}

}  // namespace torvane::test

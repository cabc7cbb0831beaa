#include "e2e/FakeMachine.h"

#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <utility>

#include "platform/HiveRegistry.h"

namespace torvane::test {

namespace {

using namespace std::chrono_literals;

constexpr const char* kSettingsKey = "HKEY_LOCAL_MACHINE\\Software\\Quillmark\\Torvane";
constexpr const char* kTimeoutsKey =
    "HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\Power\\Timeouts";

// The samples of a battery log file, or nothing when the bytes are not one.
std::optional<std::vector<Sample>> ParseLog(const std::string& bytes) {
    auto at = [&bytes](std::size_t index) {
        std::uint32_t v = 0;
        for (int b = 3; b >= 0; --b) {
            v = (v << 8) |
                static_cast<unsigned char>(bytes[index * 4 + static_cast<std::size_t>(b)]);
        }
        return static_cast<std::int32_t>(v);
    };
    if (bytes.size() < 8 || at(0) != 1) {
        return std::nullopt;
    }
    const std::int32_t count = at(1);
    if (count < 0 || bytes.size() != 8 + 8 * static_cast<std::size_t>(count)) {
        return std::nullopt;
    }
    std::vector<Sample> samples;
    for (std::int32_t i = 0; i < count; ++i) {
        samples.push_back(
            {at(2 + 2 * static_cast<std::size_t>(i)), at(3 + 2 * static_cast<std::size_t>(i))});
    }
    return samples;
}

}  // namespace

PowerSupplyWatch::PowerSupplyWatch(const std::string& chargerFolder)
    : m_fd(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    if (m_fd < 0 || ::inotify_add_watch(m_fd, chargerFolder.c_str(), IN_CLOSE_NOWRITE) < 0) {
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
    const std::pair<const char*, int> values[] = {{"AutoPowerOff", 1}, {"AutoPowerOffAt", percent}};
    for (const auto& [name, number] : values) {
        RegValue value;
        value.type = REG_DWORD;
        for (int shift = 0; shift < 32; shift += 8) {
            value.data.push_back(static_cast<std::uint8_t>(number >> shift));
        }
        ASSERT_TRUE(registry.SetValue(kSettingsKey, name, value));
    }
}

std::unique_ptr<ChildProcess> FakeMachine::Launch(const std::vector<std::string>& args,
                                                  const std::string& timeScale,
                                                  const std::string& powerOffCommand) {
    const std::string command =
        "cd '" + dir.Path().string() + "' && " +
        (powerOffCommand.empty() ? std::string("echo off >> powered-off") : powerOffCommand);
    const auto env =
        EnvironmentWith({{"QT_QPA_PLATFORM", "offscreen"},
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
    return std::make_unique<ChildProcess>(TORVANE_PROGRAM, args, env, dir / "stderr.txt");
}

long long FakeMachine::Timeout() {
    HiveRegistry registry(dir / "registry.reg");
    RegValue value;
    if (!registry.QueryValue(kTimeoutsKey, "BattSuspendTimeout", value) || value.data.size() != 4) {
        return -1;
    }
    long long number = 0;
    for (int i = 3; i >= 0; --i) {
        number = number << 8 | value.data[static_cast<std::size_t>(i)];
    }
    return number;
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
    const auto samples = ParseLog(TempDir::Read(dir / "device/autosave.blf"));
    return samples ? *samples : std::vector<Sample>{};
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

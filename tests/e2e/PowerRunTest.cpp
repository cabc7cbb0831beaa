#include <signal.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "e2e/ChildProcess.h"
#include "fakes/TempDir.h"
#include "platform/HiveRegistry.h"

namespace torvane::test {
namespace {

using namespace std::chrono_literals;

constexpr const char* kTimeoutsKey =
    "HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\Power\\Timeouts";

// The program on a fake machine running on battery, with sessions that start by themselves,
// "Ignore device auto-power off" on and a battery suspend timeout of 180 in its registry.
class PowerRun : public ::testing::Test {
protected:
    void SetUp() override {
        TempDir::Write(dir / "power/BAT0/type", "Battery\n");
        TempDir::Write(dir / "power/BAT0/present", "1\n");
        SetCapacity(80);
        TempDir::Write(dir / "power/AC/type", "Mains\n");
        SetMains(false);
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
    }

    void SetCapacity(int percent) {
        TempDir::Write(dir / "power/BAT0/capacity", std::to_string(percent) + "\n");
    }
    void SetMains(bool online) {
        TempDir::Write(dir / "power/AC/online", online ? "1\n" : "0\n");
        TempDir::Write(dir / "power/BAT0/status", online ? "Charging\n" : "Discharging\n");
    }

    // Auto power-off at `percent`.
    void SetAutoPowerOffAt(int percent) {
        HiveRegistry registry(dir / "registry.reg");
        const std::pair<const char*, int> values[] = {{"AutoPowerOff", 1},
                                                      {"AutoPowerOffAt", percent}};
        for (const auto& [name, number] : values) {
            RegValue value;
            value.type = REG_DWORD;
            for (int shift = 0; shift < 32; shift += 8) {
                value.data.push_back(static_cast<std::uint8_t>(number >> shift));
            }
            ASSERT_TRUE(
                registry.SetValue("HKEY_LOCAL_MACHINE\\Software\\Quillmark\\Torvane", name, value));
        }
    }

    // `powerOffCommand` runs in the test's folder; by default it notes that it ran.
    std::unique_ptr<ChildProcess> Launch(const std::vector<std::string>& args = {},
                                         const std::string& timeScale = "100",
                                         const std::string& powerOffCommand = "") {
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

    // The stored timeout; -1 when it cannot be read.
    long long Timeout() {
        HiveRegistry registry(dir / "registry.reg");
        RegValue value;
        if (!registry.QueryValue(kTimeoutsKey, "BattSuspendTimeout", value) ||
            value.data.size() != 4) {
            return -1;
        }
        long long number = 0;
        for (int i = 3; i >= 0; --i) {
            number = number << 8 | value.data[static_cast<std::size_t>(i)];
        }
        return number;
    }

    // The files that keep a switched-off timeout against a crash.
    std::size_t KeptTimeouts() {
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

    std::string Errors() { return TempDir::Read(dir / "stderr.txt"); }

    TempDir dir;
};

TEST_F(PowerRun, OffWhileTheSessionRunsAndBackAfterSigterm) {
    auto program = Launch();
    ASSERT_TRUE(WaitUntil([&] { return Timeout() == 0; }, 10s)) << Errors();
    EXPECT_TRUE(program->Running());
    EXPECT_EQ(KeptTimeouts(), 1u);

    EXPECT_EQ(program->Stop(SIGTERM, 10s), 0) << Errors();
    EXPECT_EQ(Timeout(), 180);
    EXPECT_EQ(KeptTimeouts(), 0u);
}

TEST_F(PowerRun, KilledDuringASessionPutBackAtTheNextStart) {
    auto program = Launch();
    ASSERT_TRUE(WaitUntil([&] { return Timeout() == 0; }, 10s)) << Errors();
    EXPECT_EQ(program->Stop(SIGKILL, 10s), 128 + SIGKILL);
    EXPECT_EQ(Timeout(), 0);  // nobody put it back
    EXPECT_EQ(KeptTimeouts(), 1u);

    // On mains no session starts, so the value seen is the one put back at start-up.
    SetMains(true);
    auto next = Launch();
    ASSERT_TRUE(WaitUntil([&] { return Timeout() == 180 && KeptTimeouts() == 0; }, 10s))
        << Errors();
    EXPECT_EQ(next->Stop(SIGTERM, 10s), 0) << Errors();
    EXPECT_EQ(Timeout(), 180);
}

TEST_F(PowerRun, PowerOffKeyRunsTheCommandOnceAfterTheTimeoutIsBack) {
    SetAutoPowerOffAt(80);
    // 82 and 81 are recorded (the auto-save comes with the second sample); 80 fires it.
    SetCapacity(82);
    // The command notes what the machine would go down with, and then fails: the machine
    // stays up on battery, with sessions that start by themselves.
    const std::string command =
        "cp registry.reg at-power-off.reg; ls state/torvane > kept-at-power-off;"
        " cp device/autosave.blf autosave-at-power-off.blf; echo off >> powered-off; exit 3";
    auto program = Launch({}, "10", command);
    ASSERT_TRUE(WaitUntil([&] { return Timeout() == 0; }, 20s)) << Errors();
    std::this_thread::sleep_for(500ms);  // five session ticks: 82 is recorded
    SetCapacity(81);
    ASSERT_TRUE(
        WaitUntil([&] { return std::filesystem::exists(dir / "device/autosave.blf"); }, 20s))
        << Errors();
    SetCapacity(80);
    ASSERT_TRUE(WaitUntil([&] { return std::filesystem::exists(dir / "powered-off"); }, 20s))
        << Errors();

    const std::string hive = TempDir::Read(dir / "at-power-off.reg");
    EXPECT_NE(hive.find("\"BattSuspendTimeout\"=dword:000000b4"), std::string::npos) << hive;
    EXPECT_EQ(TempDir::Read(dir / "kept-at-power-off"), "");
    // The log as it was on disk: the samples at 82 and 81 %; the reading of 80 % that fired
    // the power-off is not recorded.
    const std::string saved = TempDir::Read(dir / "autosave-at-power-off.blf");
    ASSERT_EQ(saved.size(), 24u);
    EXPECT_EQ(saved[4], 2);
    EXPECT_EQ(saved[12], 82);
    EXPECT_EQ(saved[20], 81);

    // Several monitor ticks on battery: no other session starts, so nothing powers off again
    // and the auto-save file keeps the finished session.
    std::this_thread::sleep_for(2s);
    EXPECT_TRUE(program->Running());
    EXPECT_EQ(TempDir::Read(dir / "powered-off"), "off\n");
    EXPECT_EQ(TempDir::Read(dir / "device/autosave.blf"), saved);
    const std::string failure = "Power-off failed: the command \"cd '" + dir.Path().string() +
                                "' && " + command + "\" ended with exit status 3.";
    EXPECT_NE(Errors().find(failure), std::string::npos) << Errors();
    EXPECT_EQ(program->Stop(SIGTERM, 10s), 0) << Errors();
    EXPECT_EQ(Timeout(), 180);
}

TEST_F(PowerRun, SimulatedDeviceGoesOffAndTheProgramEnds) {
    SetAutoPowerOffAt(99);
    // The simulated battery starts full on battery power and discharges in session time.
    auto program = Launch({"--simulate"}, "1000");
    EXPECT_EQ(program->Wait(60s), 0) << Errors();
    EXPECT_EQ(Timeout(), 180);
    EXPECT_EQ(KeptTimeouts(), 0u);
    EXPECT_FALSE(std::filesystem::exists(dir / "powered-off"));  // the real machine stays on
}

}  // namespace
}  // namespace torvane::test

#include <signal.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "e2e/ChildProcess.h"
#include "fakes/TempDir.h"

namespace torvane::test {
namespace {

using namespace std::chrono_literals;

struct Sample {
    std::int32_t minutes;
    std::int32_t percent;
};

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

// The program on a fake machine: a battery and a mains supply in a power_supply folder of
// our own, a registry file, a device root, all in a temporary folder.
class ProgramRun : public ::testing::Test {
protected:
    void SetUp() override {
        TempDir::Write(dir / "power/BAT0/type", "Battery\n");
        TempDir::Write(dir / "power/BAT0/present", "1\n");
        TempDir::Write(dir / "power/BAT0/scope", "System\n");
        TempDir::Write(dir / "power/AC/type", "Mains\n");
        SetMains(false);
        SetCapacity(90);
        TempDir::Write(dir / "registry.reg",
                       "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Quillmark\\Torvane]\n"
                       "\"AutoStartSessions\"=dword:00000000\n\"InitData\"=dword:00000003\n");
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

    std::unique_ptr<ChildProcess> Launch(const std::string& timeScale) {
        const auto env = EnvironmentWith({{"QT_QPA_PLATFORM", "offscreen"},
                                          {"TORVANE_POWER_SUPPLY", dir / "power"},
                                          {"TORVANE_REGISTRY", dir / "registry.reg"},
                                          {"TORVANE_DEVICE_ROOT", dir / "device"},
                                          {"TORVANE_TIME_SCALE", timeScale},
                                          {"TORVANE_POWEROFF_COMMAND", "true"},
                                          {"XDG_CONFIG_HOME", dir / "config"},
                                          {"XDG_DATA_HOME", dir / "data"},
                                          {"XDG_RUNTIME_DIR", dir / "runtime"}});
        return std::make_unique<ChildProcess>(TORVANE_PROGRAM, std::vector<std::string>{}, env,
                                              dir / "stderr.txt");
    }

    std::vector<Sample> AutoSaved() {
        const auto samples = ParseLog(TempDir::Read(dir / "device/autosave.blf"));
        return samples ? *samples : std::vector<Sample>{};
    }

    TempDir dir;
};

TEST_F(ProgramRun, RecordsChangesIntoTheAutoSaveFileAndStopsOnMains) {
    auto program = Launch("1000");  // a session minute lasts 60 ms

    // Auto-start mode: the session starts on battery by itself; the first sample is written
    // with the second.
    std::this_thread::sleep_for(300ms);
    ASSERT_TRUE(program->Running()) << TempDir::Read(dir / "stderr.txt");
    SetCapacity(89);
    ASSERT_TRUE(WaitUntil([&] { return AutoSaved().size() == 2; }, 10s))
        << TempDir::Read(dir / "stderr.txt");
    std::this_thread::sleep_for(200ms);
    SetCapacity(88);
    ASSERT_TRUE(WaitUntil([&] { return AutoSaved().size() == 3; }, 10s));
    std::this_thread::sleep_for(100ms);
    SetCapacity(88);  // unchanged: nothing new
    std::this_thread::sleep_for(200ms);

    const auto samples = AutoSaved();
    ASSERT_EQ(samples.size(), 3u);
    EXPECT_EQ(samples[0].minutes, 0);
    EXPECT_EQ(samples[0].percent, 90);
    EXPECT_EQ(samples[1].percent, 89);
    EXPECT_EQ(samples[2].percent, 88);
    EXPECT_LT(samples[0].minutes, samples[1].minutes);
    EXPECT_LT(samples[1].minutes, samples[2].minutes);

    // The mains come back: the monitor stops the session, and nothing more is recorded.
    SetMains(true);
    std::this_thread::sleep_for(300ms);
    SetCapacity(70);
    std::this_thread::sleep_for(500ms);
    EXPECT_EQ(AutoSaved().size(), 3u);
    EXPECT_TRUE(program->Running());

    EXPECT_EQ(program->Stop(SIGTERM, 10s), 0) << TempDir::Read(dir / "stderr.txt");
    // The settings were there already: nothing was added on top of them.
    const std::string registry = TempDir::Read(dir / "registry.reg");
    EXPECT_EQ(registry.find("ColorGrid1"), std::string::npos);
}

}  // namespace
}  // namespace torvane::test

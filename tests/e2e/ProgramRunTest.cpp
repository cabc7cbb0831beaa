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

    std::unique_ptr<ChildProcess> Launch(const std::string& timeScale,
                                         const std::vector<std::string>& args = {}) {
        const auto env = EnvironmentWith({{"QT_QPA_PLATFORM", "offscreen"},
                                          {"TORVANE_POWER_SUPPLY", dir / "power"},
                                          {"TORVANE_REGISTRY", dir / "registry.reg"},
                                          {"TORVANE_DEVICE_ROOT", dir / "device"},
                                          {"TORVANE_TIME_SCALE", timeScale},
                                          {"TORVANE_POWEROFF_COMMAND", "true"},
                                          {"XDG_CONFIG_HOME", dir / "config"},
                                          {"XDG_DATA_HOME", dir / "data"},
                                          {"XDG_STATE_HOME", dir / "state"},
                                          {"XDG_RUNTIME_DIR", dir / "runtime"}});
        return std::make_unique<ChildProcess>(TORVANE_PROGRAM, args, env, dir / "stderr.txt");
    }

    std::vector<Sample> AutoSaved() {
        const auto samples = ParseLog(TempDir::Read(dir / "device/autosave.blf"));
        return samples ? *samples : std::vector<Sample>{};
    }

    TempDir dir;
};

TEST_F(ProgramRun, RecordsChangesIntoTheAutoSaveFileAndStopsOnMains) {
    auto program = Launch("1000");  // a session minute lasts 60 ms

    // Auto-start mode: the session starts on battery by itself, once the program is up, and
    // the first sample is written together with the second. Lower the level step by step until
    // the file appears, however long the start took.
    int level = 90;
    for (;;) {
        std::this_thread::sleep_for(300ms);
        ASSERT_TRUE(program->Running()) << TempDir::Read(dir / "stderr.txt");
        if (AutoSaved().size() >= 2 || level <= 75) {
            break;
        }
        SetCapacity(--level);
    }
    ASSERT_TRUE(WaitUntil(
        [&] {
            const auto saved = AutoSaved();
            return saved.size() >= 2 && saved.back().percent == level;
        },
        10s))
        << TempDir::Read(dir / "stderr.txt");
    auto samples = AutoSaved();

    std::this_thread::sleep_for(400ms);  // several session minutes
    SetCapacity(--level);
    ASSERT_TRUE(WaitUntil([&] { return AutoSaved().size() == samples.size() + 1; }, 10s));
    std::this_thread::sleep_for(200ms);  // unchanged: nothing new

    samples = AutoSaved();
    const std::size_t count = samples.size();
    EXPECT_EQ(samples[0].minutes, 0);
    for (std::size_t i = 1; i < count; ++i) {
        EXPECT_EQ(samples[i].percent, samples[i - 1].percent - 1);
        EXPECT_LE(samples[i - 1].minutes, samples[i].minutes);
    }
    EXPECT_EQ(samples.back().percent, level);
    EXPECT_LT(samples[count - 2].minutes, samples[count - 1].minutes);

    // The mains come back: the monitor stops the session, and nothing more is recorded.
    SetMains(true);
    std::this_thread::sleep_for(300ms);
    SetCapacity(60);
    std::this_thread::sleep_for(500ms);
    EXPECT_EQ(AutoSaved().size(), count);
    EXPECT_TRUE(program->Running());

    EXPECT_EQ(program->Stop(SIGTERM, 10s), 0) << TempDir::Read(dir / "stderr.txt");
    // The settings were there already: nothing was added on top of them.
    const std::string registry = TempDir::Read(dir / "registry.reg");
    EXPECT_EQ(registry.find("ColorGrid1"), std::string::npos);
}

// The socket a running copy listens on, told apart from an earlier one by when it was made;
// 0 while there is none.
std::int64_t ListeningSocket(const std::filesystem::path& folder) {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        struct stat info {};
        if (entry.path().extension() == ".sock" && ::stat(entry.path().c_str(), &info) == 0 &&
            S_ISSOCK(info.st_mode)) {
            return static_cast<std::int64_t>(info.st_ctim.tv_sec) * 1000000000 +
                   info.st_ctim.tv_nsec;
        }
    }
    return 0;
}

TEST_F(ProgramRun, OneCopyPerSettingsFileEvenAfterAKill) {
    SetMains(true);  // nothing records
    const auto sockets = dir.Path() / "runtime/torvane";
    auto first = Launch("1");
    ASSERT_TRUE(WaitUntil([&] { return ListeningSocket(sockets) != 0; }, 20s))
        << TempDir::Read(dir / "stderr.txt");

    // A second start brings the first to the front and ends; drawing a log runs beside it.
    EXPECT_EQ(Launch("1")->Wait(20s), 0);
    TempDir::Write(dir / "run.blf", std::string("\1\0\0\0\0\0\0\0", 8));
    EXPECT_EQ(Launch("1", {"--render", dir / "run.blf", dir / "run.png"})->Wait(20s), 0);
    EXPECT_TRUE(first->Running());

    // Killed outright, the first leaves its socket behind, and the next start runs all the
    // same and takes its place.
    const std::int64_t stale = ListeningSocket(sockets);
    EXPECT_EQ(first->Stop(SIGKILL, 10s), 128 + SIGKILL);
    auto next = Launch("1");
    ASSERT_TRUE(WaitUntil([&] { return ListeningSocket(sockets) != stale; }, 20s))
        << TempDir::Read(dir / "stderr.txt");
    EXPECT_EQ(Launch("1")->Wait(20s), 0);
    EXPECT_TRUE(next->Running());
    EXPECT_EQ(next->Stop(SIGTERM, 10s), 0) << TempDir::Read(dir / "stderr.txt");
}

}  // namespace
}  // namespace torvane::test

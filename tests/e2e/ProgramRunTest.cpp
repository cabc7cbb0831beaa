// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "e2e/FakeMachine.h"
#include "linux/CanonicalPath.h"
#include "linux/SuspendTimeoutJournalFile.h"

namespace torvane::test {
namespace {

using namespace std::chrono_literals;
using ProgramRun = FakeMachine;

TEST_F(ProgramRun, RecordsChangesIntoTheAutoSaveFileAndStopsOnMains) {
    auto program = Launch({}, "1000");  // a session minute lasts 60 ms

    // Auto-start mode: once the program is up the session starts on battery by itself and
    // switches the suspend timeout off; the first sample is written together with the second.
    ASSERT_TRUE(WaitUntil([&] { return Timeout() == 0; }, 20s)) << Errors();
    int level = 90;
    ASSERT_TRUE(RecordTwoSamples(level, 75, 300ms));
    auto samples = AutoSaved();

    // Session time is the clock's: 150 ms are two and a half session minutes, at a level that
    // does not change and so adds nothing.
    std::this_thread::sleep_for(150ms);
    ASSERT_TRUE(LetThePowerBeRead(3));
    EXPECT_EQ(AutoSaved().size(), samples.size());
    SetCapacity(--level);
    ASSERT_TRUE(WaitUntil([&] { return AutoSaved().size() == samples.size() + 1; }, 10s))
        << Errors();

    samples = AutoSaved();
    const std::size_t count = samples.size();
    EXPECT_EQ(samples[0].minutes, 0);
    for (std::size_t i = 1; i < count; ++i) {
        EXPECT_LT(samples[i].percent, samples[i - 1].percent);
        EXPECT_LE(samples[i - 1].minutes, samples[i].minutes);
    }
    // Every change after the first one was seen in the file before the next was made.
    for (std::size_t i = 2; i < count; ++i) {
        EXPECT_EQ(samples[i].percent, samples[i - 1].percent - 1);
    }
    EXPECT_EQ(samples.back().percent, level);
    EXPECT_LT(samples[count - 2].minutes, samples[count - 1].minutes);

    // The mains come back: the monitor stops the session, puts the timeout back, and nothing
    // more is recorded.
    SetMains(true);
    ASSERT_TRUE(WaitUntil([&] { return Timeout() == 180; }, 10s)) << Errors();
    SetCapacity(60);
    ASSERT_TRUE(LetThePowerBeRead(3));
    EXPECT_EQ(AutoSaved().size(), count);
    EXPECT_TRUE(program->Running());

    EXPECT_EQ(program->Stop(SIGTERM, 10s), 0) << Errors();
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
    auto first = Launch({}, "1");
    ASSERT_TRUE(WaitUntil([&] { return ListeningSocket(sockets) != 0; }, 20s)) << Errors();

    // A second start brings the first to the front and ends; drawing a log runs beside it.
    EXPECT_EQ(Launch({}, "1")->Wait(20s), 0);
    TempDir::Write(dir / "run.blf", std::string("\1\0\0\0\0\0\0\0", 8));
    EXPECT_EQ(Launch({"--render", dir / "run.blf", dir / "run.png"}, "1")->Wait(20s), 0);
    EXPECT_TRUE(first->Running());

    // Killed outright, the first leaves its socket behind, and the next start runs all the
    // same and takes its place.
    const std::int64_t stale = ListeningSocket(sockets);
    EXPECT_EQ(first->Stop(SIGKILL, 10s), 128 + SIGKILL);
    auto next = Launch({}, "1");
    ASSERT_TRUE(WaitUntil([&] { return ListeningSocket(sockets) != stale; }, 20s)) << Errors();
    EXPECT_EQ(Launch({}, "1")->Wait(20s), 0);
    EXPECT_TRUE(next->Running());
    EXPECT_EQ(next->Stop(SIGTERM, 10s), 0) << Errors();
}

int Occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

TEST_F(ProgramRun, AStartClearsWhatKilledWritesLeftAndFollowsNoLink) {
    // Left an hour ago by writes killed beside the auto-save file, the settings file and the
    // kept suspend timeout; and one that is being written right now.
    const std::vector<std::string> leftovers{
        dir / "device/.autosave.blf.tmp-41-7", dir / ".registry.reg.tmp-41-8",
        dir / "state/torvane/.suspend-timeout.0123456789abcdef.tmp-41-9"};
    const timespec old[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
    for (const std::string& file : leftovers) {
        TempDir::Write(file, "x");
        ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), old, 0), 0);
    }
    const std::string writing = dir / "device/.run.blf.tmp-42-1";
    TempDir::Write(writing, "x");
    // Dangling links where the settings file's lock and the kept timeout belong.
    namespace fs = std::filesystem;
    fs::create_symlink(dir / "planted-lock", dir / "registry.reg.lock");
    const std::string kept = SuspendTimeoutJournalFile::PathFor(
        dir / "state/torvane", CanonicalPath(dir / "registry.reg"));
    fs::create_symlink(dir / "planted-timeout", kept);

    // On battery a session starts, switching the timeout off; the settings are still written.
    auto program = Launch();
    ASSERT_TRUE(WaitUntil([&] { return Timeout() == 0; }, 20s)) << Errors();
    EXPECT_EQ(program->Stop(SIGTERM, 10s), 0) << Errors();
    EXPECT_EQ(Timeout(), 180);

    for (const std::string& file : leftovers) {
        EXPECT_FALSE(fs::exists(file)) << file;
    }
    EXPECT_TRUE(fs::exists(writing));
    EXPECT_FALSE(fs::exists(dir / "planted-lock"));
    EXPECT_FALSE(fs::exists(dir / "planted-timeout"));
    const std::string errors = Errors();
    EXPECT_EQ(Occurrences(errors, "removed 3 temporary files"), 1) << errors;
    EXPECT_EQ(Occurrences(errors, "registry.reg.lock is a symbolic link"), 1) << errors;
    EXPECT_EQ(Occurrences(errors, kept + " is a symbolic link"), 1) << errors;
}

}  // namespace
}  // namespace torvane::test

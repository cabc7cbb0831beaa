// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <signal.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "e2e/FakeMachine.h"
#include "logfile/BatteryLogFile.h"

namespace torvane::test {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// The recorder at a hundred times real time, a minute in 0.6 s, on battery power at 90 %.
class RecorderRun : public FakeMachine {
protected:
    std::unique_ptr<ChildProcess> Record(const std::string& name) {
        return std::make_unique<ChildProcess>(
            TORVANE_PROGRAM, std::vector<std::string>{"--record", "--into", logs},
            ProgramEnvironment("100"), dir / (name + ".err"), dir / (name + ".out"));
    }

    // The files in the log folder.
    std::vector<fs::path> Files() const {
        std::vector<fs::path> found;
        std::error_code ec;
        for (fs::directory_iterator it(logs, ec), end; !ec && it != end; it.increment(ec)) {
            found.push_back(it->path());
        }
        return found;
    }

    // The samples of the one log in the folder; none while there is not just one valid log.
    std::vector<Sample> Samples() const {
        const auto files = Files();
        BatteryLog log;
        const std::string file = files.size() == 1 ? TempDir::Read(files[0]) : "";
        std::vector<Sample> samples;
        if (DecodeLogFile(std::vector<std::uint8_t>(file.begin(), file.end()), log) ==
            LogFileCheck::Ok) {
            for (std::size_t i = 0; i < static_cast<std::size_t>(log.count); ++i) {
                samples.push_back({log.minutes[i], log.percent[i]});
            }
        }
        return samples;
    }

    ::testing::AssertionResult LogComesTo(int level, std::size_t samples) {
        if (WaitUntil(
                [&] {
                    const auto now = Samples();
                    return now.size() == samples && now.back().percent == level;
                },
                20s)) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure()
               << "no log of " << samples << " samples ending at " << level << " %\n"
               << TempDir::Read(dir / "first.err") << TempDir::Read(dir / "next.err");
    }

    const std::string logs = dir / "logs";
};

TEST_F(RecorderRun, KilledInTheMiddleOfADischargeGoesOnWithTheSameLog) {
    auto first = Record("first");
    ASSERT_TRUE(LogComesTo(90, 1));
    SetCapacity(88);
    ASSERT_TRUE(LogComesTo(88, 2));

    // One recorder per folder.
    auto second = Record("second");
    EXPECT_EQ(second->Wait(10s), 1);
    EXPECT_EQ(TempDir::Read(dir / "second.err"),
              "torvane: another recorder is already recording into " + logs + "\n");

    EXPECT_EQ(first->Stop(SIGKILL, 10s), 128 + SIGKILL);
    const auto before = Samples();
    auto next = Record("next");
    SetCapacity(86);
    ASSERT_TRUE(LogComesTo(86, 3));
    // Over ten minutes of discharge, then the mains.
    std::this_thread::sleep_for(7s);
    SetCapacity(85);
    ASSERT_TRUE(LogComesTo(85, 4));
    SetMains(true);
    ASSERT_TRUE(WaitUntil(
        [&] { return TempDir::Read(dir / "next.out").find("  kept  ") != std::string::npos; },
        20s));
    EXPECT_EQ(next->Stop(SIGTERM, 10s), 0) << TempDir::Read(dir / "next.err");

    // One log: the samples before the kill, then on from the same start.
    const auto after = Samples();
    ASSERT_EQ(after.size(), 4u);
    EXPECT_EQ(after[0].minutes, before[0].minutes);
    EXPECT_EQ(after[1].minutes, before[1].minutes);
    EXPECT_LE(after[1].minutes, after[2].minutes);
    EXPECT_GE(after[3].minutes, 10);
    const std::string said = TempDir::Read(dir / "next.out");
    EXPECT_NE(said.find("  90% -> 85%  kept  " + Files().at(0).string() + "\n"), std::string::npos)
        << said;
    EXPECT_EQ(TempDir::Read(dir / "first.err") + TempDir::Read(dir / "next.err"), "");
    EXPECT_TRUE(fs::is_empty(dir / "state/torvane"));  // no discharge left to go on with
}

}  // namespace
}  // namespace torvane::test

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <signal.h>

#include <chrono>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "e2e/FakeMachine.h"

namespace torvane::test {
namespace {

using namespace std::chrono_literals;

// Sessions start by themselves on battery, with "Ignore device auto-power off" on and a
// battery suspend timeout of 180 in the registry.
using PowerRun = FakeMachine;

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
    SetAutoPowerOffAt(70);
    // The command notes what the machine would go down with, and then fails: the machine
    // stays up on battery, with sessions that start by themselves.
    const std::string command =
        "cp registry.reg at-power-off.reg; ls state/torvane > kept-at-power-off;"
        " cp device/autosave.blf autosave-at-power-off.blf; echo off >> powered-off; exit 3";
    auto program = Launch({}, "1000", command);
    ASSERT_TRUE(WaitUntil([&] { return Timeout() == 0; }, 20s)) << Errors();
    int level = 90;
    ASSERT_TRUE(RecordTwoSamples(level, 75, 300ms));
    const std::string recorded = TempDir::Read(dir / "device/autosave.blf");
    SetCapacity(70);
    ASSERT_TRUE(WaitUntil([&] { return std::filesystem::exists(dir / "powered-off"); }, 20s))
        << Errors();

    const std::string hive = TempDir::Read(dir / "at-power-off.reg");
    EXPECT_NE(hive.find("\"BattSuspendTimeout\"=dword:000000b4"), std::string::npos) << hive;
    EXPECT_EQ(TempDir::Read(dir / "kept-at-power-off"), "");
    // The log as it was on disk: the samples recorded; the reading of 70 % that fired the
    // power-off is not recorded.
    EXPECT_EQ(TempDir::Read(dir / "autosave-at-power-off.blf"), recorded);

    // Once the failure is told, several monitor ticks on battery: no other session starts, so
    // nothing powers off again and the auto-save file keeps the finished session.
    const std::string failure = "Power-off failed: the command \"cd '" + dir.Path().string() +
                                "' && " + command + "\" ended with exit status 3.";
    ASSERT_TRUE(WaitUntil([&] { return Errors().find(failure) != std::string::npos; }, 20s))
        << Errors();
    ASSERT_TRUE(LetThePowerBeRead(5));
    EXPECT_TRUE(program->Running());
    EXPECT_EQ(TempDir::Read(dir / "powered-off"), "off\n");
    EXPECT_EQ(TempDir::Read(dir / "device/autosave.blf"), recorded);
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

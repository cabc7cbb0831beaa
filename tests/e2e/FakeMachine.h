// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "e2e/ChildProcess.h"
#include "fakes/TempDir.h"

namespace torvane::test {

struct Sample {
    std::int32_t minutes;
    std::int32_t percent;
};

// Counts the program's looks at the power supply: every reading reads the mains' `online` flag,
// so the count goes up with every timer tick that reads the power status. A test that wants to
// see that something does NOT happen waits for a few of these rather than for a fixed time.
class PowerSupplyWatch {
public:
    explicit PowerSupplyWatch(const std::string& chargerFolder);
    ~PowerSupplyWatch();
    PowerSupplyWatch(const PowerSupplyWatch&) = delete;
    PowerSupplyWatch& operator=(const PowerSupplyWatch&) = delete;

    int Looks();

private:
    int m_fd = -1;
    int m_looks = 0;
};

// The program on a fake machine: a battery and a mains supply in a power_supply folder of our
// own, on battery power; a registry file with sessions that start by themselves, "Ignore device
// auto-power off" on and a battery suspend timeout of 180 (so a session's start and end show in
// the file); a device root and XDG folders; all in a temporary folder.
class FakeMachine : public ::testing::Test {
protected:
    void SetUp() override;

    void SetCapacity(int percent);
    void SetMains(bool online);
    void SetAutoPowerOffAt(int percent);

    // The program's environment on this machine. `powerOffCommand` runs in the test's folder;
    // by default it notes that it ran.
    std::map<std::string, std::string> ProgramEnvironment(const std::string& timeScale,
                                                          const std::string& powerOffCommand = "");
    std::unique_ptr<ChildProcess> Launch(const std::vector<std::string>& args = {},
                                         const std::string& timeScale = "100",
                                         const std::string& powerOffCommand = "");

    // The stored suspend timeout; -1 when it cannot be read.
    long long Timeout();
    // The files that keep a switched-off timeout against a crash.
    std::size_t KeptTimeouts();
    // The samples of the auto-save file; none while there is no valid one.
    std::vector<Sample> AutoSaved();
    std::string Errors() { return TempDir::Read(dir / "stderr.txt"); }

    // Waits until the program has looked at the power supply `looks` more times.
    ::testing::AssertionResult LetThePowerBeRead(int looks);
    // Lowers the battery one percent at a time, from `level`, until the auto-save file holds two
    // samples or more, the last at the level set. Nothing outside shows the session's first
    // sample, so a step that came before it is simply followed by the next one after `step`.
    ::testing::AssertionResult RecordTwoSamples(int& level, int lowest,
                                                std::chrono::milliseconds step);

    TempDir dir;
    std::unique_ptr<PowerSupplyWatch> watch;
};

}  // namespace torvane::test

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <climits>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "session/SessionTestFixture.h"

namespace torvane::test {
namespace {

using Resume = SessionTest;
using NestedBoxes = SessionTest;
using FullLog = SessionTest;

TEST_F(Resume, ContinuesTheMinutesOfTheAutoSavedLog) {
    files.files[kAutoSave] = LogBytes({{0, 100}, {30, 95}, {45, 90}});
    Start();  // a fresh program: nothing in memory yet
    dlg->OnResumeSession();

    EXPECT_EQ(dlg->Session().Log().count, 3);
    EXPECT_EQ(dlg->Session().LoadTarget(), 0);
    EXPECT_TRUE(dlg->Session().CountdownRunning());
    EXPECT_TRUE(messages.shown.empty());

    power.onAc = false;
    power.percent = 89;
    Seconds(1);  // the countdown tick starts the resumed session
    EXPECT_EQ(dlg->Session().SessionSeconds(), 45 * 60);
    EXPECT_EQ(dlg->Session().LoadTarget(), 5);
    Seconds(1);
    ASSERT_EQ(dlg->Session().Log().count, 4);
    EXPECT_EQ(dlg->Session().Log().minutes[3], 45);
    EXPECT_EQ(dlg->Session().Log().percent[3], 89);
    Seconds(60);
    power.percent = 88;
    Seconds(1);
    ASSERT_EQ(dlg->Session().Log().count, 5);
    EXPECT_EQ(dlg->Session().Log().minutes[4], 46);
    // Estimate from the first loaded sample: s = 100, d = 12, L = 4600 / 12.
    EXPECT_EQ(dlg->Session().Status(),
              "Running, Battery: 88%, Run time: 0:46h, Estimated battery life: 6:23h, "
              "5:37h left");
    EXPECT_EQ(files.files[kAutoSave], LogBytes({{0, 100}, {30, 95}, {45, 90}, {45, 89}, {46, 88}}));
}

TEST_F(Resume, WithoutAFileOnlyTellsAndContinuesTheLiveLog) {
    Start();
    StartSessionOnBattery(99);
    Seconds(1);
    Seconds(180);
    power.percent = 98;
    Seconds(1);           // (3, 98)
    files.files.clear();  // the auto-save file has gone

    dlg->OnResumeSession();  // ends the running session first
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], "Cannot open file \\My Documents\\autosave.blf");
    EXPECT_FALSE(dlg->Session().SessionRunning());
    EXPECT_TRUE(dlg->Session().CountdownRunning());
    EXPECT_EQ(dlg->Session().Log().count, 2);
    EXPECT_TRUE(OverrideInForce());
    EXPECT_EQ(inhibitor.acquires, 2);  // restored on ending the session, applied again
    EXPECT_EQ(inhibitor.releases, 1);

    Seconds(1);
    EXPECT_EQ(dlg->Session().SessionSeconds(), 180);
    power.percent = 97;
    Seconds(1);
    ASSERT_EQ(dlg->Session().Log().count, 3);
    EXPECT_EQ(dlg->Session().Log().minutes[2], 3);
}

TEST_F(Resume, SwitchesAutoStartOffInMemoryOnly) {
    PutSetting("AutoStartSessions", 0);
    Start();
    dlg->OnResumeSession();
    EXPECT_FALSE(dlg->Session().AutoStartMode());
    EXPECT_EQ(registry.GetDword(kSettingsKey, "AutoStartSessions"), 0u);
    power.onAc = false;
    Seconds(1);  // now the countdown, not the monitor, starts it
    EXPECT_TRUE(dlg->Session().SessionRunning());
    EXPECT_EQ(window.goCaption, "Stop");
    EXPECT_TRUE(window.goEnabled);
}

TEST_F(Resume, ALoadChosenDuringTheWaitMakesTheSessionStartFresh) {
    files.files[kAutoSave] = LogBytes({{0, 100}, {30, 95}});
    Start();
    dlg->OnResumeSession();
    dlg->OnCommand(cmd::kLoadSlot2);  // "Load reference log", "Slot 2", cancelled
    power.onAc = false;
    power.percent = 80;
    Seconds(1);
    EXPECT_EQ(dlg->Session().Log().count, 0);
    EXPECT_EQ(dlg->Session().SessionSeconds(), 0);
    Seconds(1);
    ASSERT_EQ(dlg->Session().Log().count, 1);
    EXPECT_EQ(dlg->Session().Log().minutes[0], 0);
}

TEST_F(Resume, AbsurdMinutesInTheFileCannotOverflowTheClock) {
    files.files[kAutoSave] = LogBytes({{0, 100}, {1, 99}, {INT_MAX, 50}});
    Start();
    dlg->OnResumeSession();
    power.onAc = false;
    power.percent = 40;
    Seconds(1);
    EXPECT_EQ(dlg->Session().SessionSeconds(), INT_MAX);
    Seconds(3);
    EXPECT_EQ(dlg->Session().SessionSeconds(), INT_MAX);
    ASSERT_EQ(dlg->Session().Log().count, 4);
    EXPECT_EQ(dlg->Session().Log().minutes[3], INT_MAX / 60);
    // L = t x 100 / 60 and R = t x 100 / 60 - t with t = INT_MAX / 60 = 35791394 minutes.
    EXPECT_EQ(dlg->Session().Status(),
              "Running, Battery: 40%, Run time: 596523:14h, Estimated battery life: "
              "994205:23h, 397682:09h left");

    files.files[kAutoSave] = LogBytes({{0, 100}, {INT_MIN, 50}});
    dlg->OnResumeSession();
    Seconds(2);
    EXPECT_EQ(dlg->Session().SessionSeconds(), INT_MIN + 1);
}

TEST_F(Resume, DuringTheWaitStartsTheWaitAgainWithOneOverrideInForce) {
    files.files[kAutoSave] = LogBytes({{0, 100}, {30, 95}});
    Start();
    dlg->OnGoStop();
    Seconds(5);  // 30 down to 26 shown
    dlg->OnResumeSession();
    EXPECT_TRUE(dlg->Session().CountdownRunning());
    EXPECT_EQ(dlg->Session().Log().count, 2);
    EXPECT_FALSE(window.goEnabled);
    EXPECT_EQ(inhibitor.acquires, 2);
    EXPECT_EQ(inhibitor.releases, 1);
    EXPECT_EQ(SuspendTimeout(), 0u);
    Seconds(1);
    EXPECT_EQ(dlg->Session().Status(),
              "Please disconnect A/C power in order for the session to start, 30 seconds left...");
}

TEST_F(Resume, StopConfirmedDuringTheWaitReturnsToIdle) {
    Start();
    dlg->OnGoStop();
    Seconds(3);
    messages.answers = {MessageAnswer::Yes, MessageAnswer::Ok};
    dlg->OnGoStop();
    EXPECT_EQ(messages.shown,
              (std::vector<std::string>{"Stop current session?", "Session stopped"}));
    EXPECT_FALSE(dlg->Session().CountdownRunning());
    EXPECT_FALSE(timers.IsRunning(IDT_COUNTDOWN));
    EXPECT_EQ(dlg->Session().Status(), "Ready to start a session...");
    EXPECT_EQ(window.goCaption, "Go!");
    EXPECT_FALSE(OverrideInForce());
    EXPECT_EQ(SuspendTimeout(), 180u);
}

TEST_F(NestedBoxes, TicksGoOnWhileTheStopQuestionIsOpen) {
    Start();
    StartSessionOnBattery(90);
    Seconds(1);
    messages.whileOpen = [this] {
        if (messages.shown.size() == 1) {  // only while the question is open
            power.percent = 89;
            Seconds(61);
        }
    };
    messages.answers = {MessageAnswer::Yes, MessageAnswer::Ok};
    dlg->OnGoStop();
    EXPECT_EQ(dlg->Session().Log().count, 2);  // recorded before the answer came
    EXPECT_FALSE(dlg->Session().SessionRunning());
    EXPECT_EQ(dlg->Session().Status(), "Ready to start a session...");
    EXPECT_EQ(inhibitor.releases, 1);
}

TEST_F(NestedBoxes, ASessionThatEndedWhileAskingLeavesTheTimeoutRestored) {
    PutSetting("AutoPowerOff", 1);
    PutSetting("AutoPowerOffAt", 20);
    Start();
    StartSessionOnBattery(25);
    Seconds(1);
    messages.whileOpen = [this] {
        if (messages.shown.size() == 1) {
            power.percent = 20;
            Seconds(1);  // the device is powered off while the question is open
        }
    };
    messages.answers = {MessageAnswer::Yes, MessageAnswer::Ok};
    dlg->OnGoStop();
    EXPECT_EQ(powerOffKey.events.size(), 2u);
    EXPECT_EQ(messages.shown.back(), "Session stopped");
    EXPECT_FALSE(dlg->Session().SessionRunning());
    EXPECT_FALSE(OverrideInForce());
    EXPECT_EQ(SuspendTimeout(), 180u);
    EXPECT_EQ(inhibitor.acquires, 1);
}

TEST_F(NestedBoxes, FailedAutoSaveBeforePowerOffDoesNotRepeatThePowerOff) {
    PutSetting("AutoPowerOff", 1);
    PutSetting("AutoPowerOffAt", 20);
    Start();
    StartSessionOnBattery(22);
    Seconds(1);
    files.failWritesWith = FileWriteResult::CannotCreate;
    int depth = 0;
    messages.whileOpen = [this, &depth] {
        if (++depth <= 3) {
            Seconds(3);  // the box stays open for a few ticks
        }
    };
    power.percent = 20;
    Seconds(1);
    EXPECT_EQ(powerOffKey.events.size(), 2u);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], "Cannot create file \\My Documents\\autosave.blf");
}

TEST_F(NestedBoxes, AFailedAutoSaveIsToldOncePerRunAndTheSessionGoesOnBehindItsBox) {
    Start();
    StartSessionOnBattery(90);
    Seconds(1);  // (0, 90) at session second 1
    files.failWritesWith = FileWriteResult::CannotCreate;
    // The first box stays open for three minutes while the level falls; meanwhile one save
    // succeeds and the next fails again.
    messages.whileOpen = [this] {
        if (messages.shown.size() != 1) {
            return;
        }
        for (int level = 88; level >= 86; --level) {
            Seconds(60);
            power.percent = level;
            if (level == 87) {
                files.failWritesWith.reset();
            } else {
                files.failWritesWith = FileWriteResult::CannotCreate;
            }
        }
        Seconds(1);
    };
    power.percent = 89;
    Seconds(1);  // (0, 89): the save fails, and the box opens after the tick
    ASSERT_EQ(messages.shown,
              std::vector<std::string>{"Cannot create file \\My Documents\\autosave.blf"});
    ASSERT_EQ(dlg->Session().Log().count, 5);
    EXPECT_EQ(dlg->Session().Log().minutes[2], 1);
    EXPECT_EQ(dlg->Session().Log().minutes[3], 2);
    EXPECT_EQ(dlg->Session().Log().percent[4], 86);
    EXPECT_EQ(dlg->Session().Log().minutes[4], 3);
    EXPECT_EQ(files.files[kAutoSave], LogBytes({{0, 90}, {0, 89}, {1, 88}, {2, 87}}));

    // Closed after three minutes: the run time kept up with the clock.
    power.percent = 85;
    Seconds(1);
    EXPECT_EQ(dlg->Session().SessionSeconds(), 184);
    EXPECT_EQ(dlg->Session().Log().minutes[5], 3);
    EXPECT_EQ(messages.shown.size(), 1u);  // the same run of failures
    files.failWritesWith.reset();
    power.percent = 84;
    Seconds(1);
    files.failWritesWith = FileWriteResult::CannotCreate;
    power.percent = 83;
    Seconds(1);  // a new run after a success
    EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(FullLog, AThousandSamplesKeepTheSessionRunningWithoutRecording) {
    std::vector<std::pair<int, int>> samples;
    for (int i = 0; i < 1000; ++i) {
        samples.emplace_back(i, i % 2 == 0 ? 60 : 59);
    }
    files.files[kAutoSave] = LogBytes(samples);
    Start();
    dlg->OnResumeSession();
    power.onAc = false;
    power.percent = 57;
    Seconds(1);
    const int writes = files.writes;
    Seconds(1);  // minute 999: a changed reading, but there is no room
    EXPECT_EQ(dlg->Session().Log().count, 1000);
    EXPECT_TRUE(dlg->Session().SessionRunning());
    EXPECT_EQ(files.writes, writes);
    Seconds(60);  // the status line still runs, once a minute, at the last sample's rate
    EXPECT_EQ(dlg->Session().Status(),
              "Running, Battery: 57%, Run time: 16:40h, Estimated battery life: 555:00h, "
              "316:20h left, log full");
    const int direct = window.directRedraws;
    Seconds(30);
    EXPECT_EQ(window.directRedraws, direct);
    Seconds(30);
    EXPECT_EQ(window.directRedraws, direct + 1);
    EXPECT_EQ(dlg->Session().Log().count, 1000);
}

}  // namespace
}  // namespace torvane::test

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "session/SessionTestFixture.h"

namespace torvane::test {
namespace {

using Countdown = SessionTest;
using SessionTick = SessionTest;
using AutoStart = SessionTest;

// Records the key events and lets a test look around as each one arrives.
class WatchingPowerOffKey : public FakePowerOffKey {
public:
    void KeyEvent(std::uint8_t virtualKey, std::uint32_t flags) override {
        FakePowerOffKey::KeyEvent(virtualKey, flags);
        if (onEvent) {
            onEvent();
        }
    }
    std::function<void()> onEvent;
};

std::string CountdownText(int seconds) {
    return "Please disconnect A/C power in order for the session to start, " +
           std::to_string(seconds) + " seconds left...";
}

TEST_F(Countdown, OnMainsCountsThirtyDownToZeroThenFailsOnTheThirtyFirstTick) {
    Start();
    StartSessionOnBattery(90);
    Seconds(1);  // an earlier session's sample
    power.onAc = true;
    Seconds(1);  // the mains stop it
    ASSERT_EQ(dlg->Session().Log().count, 1);
    const std::string before = dlg->Session().Status();
    const int acquires = inhibitor.acquires;
    dlg->OnGoStop();

    // Go clears the live log at once and disables the button during the wait.
    EXPECT_EQ(dlg->Session().Log().count, 0);
    EXPECT_TRUE(dlg->Session().CountdownRunning());
    EXPECT_FALSE(window.goEnabled);
    EXPECT_TRUE(OverrideInForce());
    EXPECT_EQ(SuspendTimeout(), 0u);
    EXPECT_EQ(dlg->Session().Status(), before);  // unchanged until the tick

    for (int left = 30; left >= 1; --left) {
        const int direct = window.directRedraws;
        Seconds(1);
        ASSERT_EQ(dlg->Session().Status(), CountdownText(left));
        ASSERT_EQ(window.directRedraws, direct + 1);
        ASSERT_FALSE(window.goEnabled);
    }
    // The 31st tick draws "0 seconds left" and then gives up.
    const int full = window.fullRedraws;
    Seconds(1);
    ASSERT_EQ(window.directTexts.size(), 31u);
    EXPECT_EQ(window.directTexts.front(), CountdownText(30));
    EXPECT_EQ(window.directTexts.back(), CountdownText(0));
    EXPECT_EQ(dlg->Session().Status(),
              "Failed to start a session because the device is on A/C power...");
    EXPECT_EQ(window.fullRedraws, full + 1);
    EXPECT_FALSE(dlg->Session().CountdownRunning());
    EXPECT_FALSE(timers.IsRunning(IDT_COUNTDOWN));
    EXPECT_EQ(window.goCaption, "Go!");
    EXPECT_TRUE(window.goEnabled);
    EXPECT_FALSE(OverrideInForce());
    EXPECT_EQ(SuspendTimeout(), 180u);
    EXPECT_EQ(inhibitor.acquires, acquires + 1);
    EXPECT_EQ(dlg->Session().Log().count,
              0);  // the failed wait does not bring the old samples back
}

TEST_F(Countdown, OnBatteryStartsAtTheFirstTickWithoutTheCountdownText) {
    Start();
    power.onAc = false;
    power.percent = 99;
    dlg->OnGoStop();
    Seconds(1);

    EXPECT_TRUE(dlg->Session().SessionRunning());
    EXPECT_EQ(timers.Period(IDT_SESSION), 1000u);
    EXPECT_FALSE(dlg->Session().CountdownRunning());
    EXPECT_FALSE(timers.IsRunning(IDT_COUNTDOWN));
    EXPECT_EQ(window.goCaption, "Stop");
    EXPECT_TRUE(window.goEnabled);
    EXPECT_EQ(dlg->Session().Status(), "Ready to start a session...");
    EXPECT_EQ(window.directRedraws, 0);
    EXPECT_EQ(dlg->Session().LoadTarget(), 5);
    EXPECT_EQ(dlg->Session().Log().count, 0);
    EXPECT_TRUE(OverrideInForce());

    Seconds(1);  // the first session tick records the first sample at minute 0
    ASSERT_EQ(dlg->Session().Log().count, 1);
    EXPECT_EQ(dlg->Session().Log().minutes[0], 0);
    EXPECT_EQ(dlg->Session().Log().percent[0], 99);
    EXPECT_EQ(dlg->Session().Status(), "Running, Battery: 99%, Run time: 0:00h");
}

TEST_F(Countdown, StoppingAskedAndConfirmedEndsTheSession) {
    Start();
    StartSessionOnBattery(90);
    Seconds(3);

    messages.answers = {MessageAnswer::No};
    dlg->OnGoStop();
    EXPECT_TRUE(dlg->Session().SessionRunning());  // "No" leaves it running

    messages.answers = {MessageAnswer::Yes, MessageAnswer::Ok};
    dlg->OnGoStop();
    ASSERT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(messages.shown[1], "Stop current session?");
    EXPECT_EQ(messages.buttons[1], MessageButtons::YesNo);
    EXPECT_EQ(messages.shown[2], "Session stopped");
    EXPECT_EQ(messages.buttons[2], MessageButtons::Ok);
    EXPECT_FALSE(dlg->Session().SessionRunning());
    EXPECT_FALSE(timers.IsRunning(IDT_SESSION));
    EXPECT_EQ(dlg->Session().Status(), "Ready to start a session...");
    EXPECT_EQ(window.goCaption, "Go!");
    EXPECT_FALSE(OverrideInForce());
    EXPECT_EQ(dlg->Session().Log().count, 1);  // the samples stay for saving
}

TEST_F(SessionTick, UnchangedPercentRefreshesTheStatusOncePerMinuteWithoutRecording) {
    Start();
    StartSessionOnBattery(99);
    Seconds(1);  // first sample, second 1
    const int full = window.fullRedraws;
    const int direct = window.directRedraws;

    Seconds(58);  // seconds 2 to 59: still minute 0
    EXPECT_EQ(window.directRedraws, direct);
    Seconds(1);  // minute 1
    EXPECT_EQ(dlg->Session().Status(),
              "Running, Battery: 99%, Run time: 0:01h, Estimated battery life: N/A");
    EXPECT_EQ(window.directRedraws, direct + 1);
    Seconds(120);
    EXPECT_EQ(window.directRedraws, direct + 3);
    EXPECT_EQ(dlg->Session().Status(),
              "Running, Battery: 99%, Run time: 0:03h, Estimated battery life: N/A");
    EXPECT_EQ(window.fullRedraws, full);
    EXPECT_EQ(dlg->Session().Log().count, 1);
    EXPECT_EQ(files.writes, 0);
}

TEST_F(SessionTick, WorkedExampleThroughTheController) {
    Start();
    StartSessionOnBattery(99);
    Seconds(1);  // (0, 99)
    Seconds(600);
    power.percent = 98;
    Seconds(1);  // second 602, minute 10
    Seconds(599);
    power.percent = 97;
    Seconds(1);  // second 1202, minute 20
    ASSERT_EQ(dlg->Session().Log().count, 3);
    EXPECT_EQ(dlg->Session().Log().minutes[1], 10);
    EXPECT_EQ(dlg->Session().Log().minutes[2], 20);
    EXPECT_EQ(dlg->Session().Status(),
              "Running, Battery: 97%, Run time: 0:20h, Estimated battery life: 16:40h, "
              "16:10h left");
    Seconds(60);
    EXPECT_EQ(dlg->Session().Status(),
              "Running, Battery: 97%, Run time: 0:21h, Estimated battery life: 16:40h, "
              "16:09h left");
    EXPECT_EQ(dlg->Session().Log().count, 3);
}

TEST_F(SessionTick, RisingReadingIsRecordedAndAutoSaved) {
    Start();
    StartSessionOnBattery(80);
    Seconds(1);
    EXPECT_EQ(files.writes, 0);  // the first sample is written with the next one
    Seconds(150);
    power.percent = 81;
    const int full = window.fullRedraws;
    Seconds(1);  // second 152, minute 2
    ASSERT_EQ(dlg->Session().Log().count, 2);
    EXPECT_EQ(dlg->Session().Log().minutes[1], 2);
    EXPECT_EQ(dlg->Session().Log().percent[1], 81);
    EXPECT_EQ(window.fullRedraws, full + 1);
    // Two samples: still no estimate.
    EXPECT_EQ(dlg->Session().Status(),
              "Running, Battery: 81%, Run time: 0:02h, Estimated battery life: N/A");
    ASSERT_EQ(files.files.count(kAutoSave), 1u);
    EXPECT_EQ(files.files[kAutoSave], LogBytes({{0, 80}, {2, 81}}));
}

TEST_F(SessionTick, AutoPowerOffSavesStopsAndSendsTheKeyWithoutRecording) {
    PutSetting("AutoPowerOff", 1);
    PutSetting("AutoPowerOffAt", 10);

    // What has happened by the time each key event arrives.
    struct Seen {
        bool fileSaved;
        bool sessionRunning;
        bool overrideInForce;
    };
    std::vector<Seen> seen;
    WatchingPowerOffKey key;
    key.onEvent = [&] {
        const auto file = files.files.find(kAutoSave);
        seen.push_back({file != files.files.end() && file->second == LogBytes({{0, 12}, {1, 11}}),
                        dlg->Session().SessionRunning(), OverrideInForce()});
    };
    MainServices withKey{power,      timers, registry,   window, messages,
                         fileDialog, files,  notifyIcon, key,    inhibitor};
    dlg = std::make_unique<CDlgMain>(withKey);
    dlg->OnInitDialog();

    StartSessionOnBattery(12);
    Seconds(1);  // (0, 12)
    Seconds(59);
    power.percent = 11;
    Seconds(1);  // (1, 11)
    power.percent = 10;
    Seconds(1);

    using KeyEvent = std::pair<std::uint8_t, std::uint32_t>;
    ASSERT_EQ(key.events.size(), 2u);
    EXPECT_EQ(key.events[0], (KeyEvent{223, 0}));
    EXPECT_EQ(key.events[1], (KeyEvent{223, 2}));
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_TRUE(seen[0].fileSaved);
    EXPECT_FALSE(seen[0].sessionRunning);
    EXPECT_FALSE(seen[0].overrideInForce);
    EXPECT_EQ(dlg->Session().Log().count, 2);  // 10 % itself is not recorded
    EXPECT_EQ(dlg->Session().Status(), "Ready to start a session...");
    EXPECT_EQ(window.goCaption, "Go!");
    EXPECT_FALSE(timers.IsRunning(IDT_SESSION));
}

TEST_F(SessionTick, AutoPowerOffFiresAtTheLevelAndNotAbove) {
    PutSetting("AutoPowerOff", 1);
    PutSetting("AutoPowerOffAt", 15);
    PutSetting("AutoSaveSessions", 1);  // stored inverted: auto-save off
    Start();
    StartSessionOnBattery(16);
    Seconds(5);
    EXPECT_TRUE(powerOffKey.events.empty());
    power.percent = 15;
    Seconds(1);
    EXPECT_EQ(powerOffKey.events.size(), 2u);
    EXPECT_EQ(files.writes, 0);
}

TEST_F(SessionTick, UnreadableLevelSkipsTheTickAfterTheClockAdvanced) {
    Start();
    StartSessionOnBattery(-1);
    Seconds(90);
    EXPECT_EQ(dlg->Session().Log().count, 0);
    EXPECT_EQ(dlg->Session().SessionSeconds(), 90);
    EXPECT_TRUE(dlg->Session().SessionRunning());
    power.percent = 95;
    Seconds(1);
    ASSERT_EQ(dlg->Session().Log().count, 1);
    EXPECT_EQ(dlg->Session().Log().minutes[0], 1);
    EXPECT_EQ(dlg->Session().Status(), "Running, Battery: 95%, Run time: 0:01h");
}

TEST_F(SessionTick, MainsBackStopsAManualSession) {
    Start();
    StartSessionOnBattery(70);
    Seconds(5);
    power.onAc = true;
    Seconds(1);
    EXPECT_FALSE(dlg->Session().SessionRunning());
    EXPECT_FALSE(timers.IsRunning(IDT_SESSION));
    EXPECT_EQ(dlg->Session().Status(), "A/C power detected, session stopped...");
    EXPECT_EQ(window.goCaption, "Go!");
    EXPECT_TRUE(window.goEnabled);
    EXPECT_FALSE(OverrideInForce());
    EXPECT_EQ(dlg->Session().Log().count, 1);
}

TEST_F(AutoStart, StartsAndStopsWithinFiveSecondsWithGoDisabled) {
    PutSetting("AutoStartSessions", 0);
    Start();
    EXPECT_TRUE(dlg->Session().AutoStartMode());
    EXPECT_EQ(window.goCaption, "Go!");
    EXPECT_FALSE(window.goEnabled);  // from start-up on
    power.onAc = false;
    power.percent = 64;
    Seconds(5);
    EXPECT_TRUE(dlg->Session().SessionRunning());
    EXPECT_EQ(window.goCaption, "Stop");
    EXPECT_FALSE(window.goEnabled);
    EXPECT_TRUE(OverrideInForce());
    EXPECT_EQ(dlg->Session().LoadTarget(), 5);
    Seconds(1);
    EXPECT_EQ(dlg->Session().Log().count, 1);
    EXPECT_EQ(dlg->Session().Log().minutes[0], 0);

    // A session tick in this mode does not look at the mains; the monitor does, within 5 s.
    power.onAc = true;
    Seconds(3);
    EXPECT_TRUE(dlg->Session().SessionRunning());
    Seconds(2);
    EXPECT_FALSE(dlg->Session().SessionRunning());
    EXPECT_EQ(dlg->Session().Status(), "Ready to start a session...");
    EXPECT_EQ(window.goCaption, "Go!");
    EXPECT_FALSE(window.goEnabled);
    EXPECT_FALSE(OverrideInForce());
    EXPECT_EQ(inhibitor.acquires, 1);

    // The next start, at the following monitor tick, begins a fresh log.
    power.onAc = false;
    Seconds(4);
    EXPECT_TRUE(dlg->Session().SessionRunning());
    EXPECT_EQ(dlg->Session().Log().count, 0);
    EXPECT_EQ(dlg->Session().SessionSeconds(), 0);
}

TEST_F(AutoStart, AfterThePowerOffNoSessionStartsUntilTheMainsAreSeen) {
    PutSetting("AutoStartSessions", 0);
    PutSetting("AutoPowerOff", 1);
    PutSetting("AutoPowerOffAt", 20);
    Start();
    power.onAc = false;
    power.percent = 22;
    Seconds(6);  // started by the monitor, (0, 22)
    power.percent = 21;
    Seconds(1);
    power.percent = 20;
    Seconds(1);  // the power-off is sent; the machine stays up
    ASSERT_EQ(powerOffKey.events.size(), 2u);
    const auto saved = files.files.at(kAutoSave);

    Seconds(60);  // twelve monitor ticks on battery
    EXPECT_EQ(powerOffKey.events.size(), 2u);
    EXPECT_FALSE(dlg->Session().SessionRunning());
    EXPECT_EQ(dlg->Session().Log().count, 2);
    EXPECT_EQ(files.files.at(kAutoSave), saved);
    EXPECT_FALSE(OverrideInForce());

    power.onAc = true;  // charged on the mains, then unplugged: sessions start again
    Seconds(5);
    power.onAc = false;
    power.percent = 90;
    Seconds(5);
    EXPECT_TRUE(dlg->Session().SessionRunning());
    ASSERT_EQ(dlg->Session().Log().count, 1);  // a fresh log
    EXPECT_EQ(dlg->Session().Log().percent[0], 90);
}

// Only a power-off in auto-start mode holds the monitor back: one in manual mode leaves it free
// for when the mode is switched on, though no reading of the mains came in between.
TEST_F(AutoStart, AManualPowerOffDoesNotHoldBackALaterAutoStart) {
    PutSetting("AutoPowerOff", 1);
    PutSetting("AutoPowerOffAt", 10);
    Start();
    StartSessionOnBattery(11);
    Seconds(1);
    power.percent = 10;
    Seconds(1);  // powered off; the machine stays up
    ASSERT_EQ(powerOffKey.events.size(), 2u);
    ASSERT_FALSE(dlg->Session().SessionRunning());
    power.onAc = true;  // a minute on the mains, which nothing reads in manual mode
    Seconds(60);
    power.onAc = false;
    power.percent = 40;
    PutSetting("AutoStartSessions", 0);
    dlg->OnOptionsClosed();
    Seconds(5);
    EXPECT_TRUE(dlg->Session().SessionRunning());
}

TEST_F(AutoStart, MonitorTakesOverAPendingCountdownWithoutOverridingTwice) {
    Start();
    dlg->OnGoStop();  // manual countdown on the mains
    Seconds(2);
    PutSetting("AutoStartSessions", 0);  // the Options sheet switched the mode on meanwhile
    dlg->OnOptionsClosed();
    power.onAc = false;
    Seconds(2);  // countdown ticks do nothing in this mode
    EXPECT_FALSE(dlg->Session().SessionRunning());
    EXPECT_TRUE(dlg->Session().CountdownRunning());
    Seconds(1);  // monitor tick at 5 s
    EXPECT_TRUE(dlg->Session().SessionRunning());
    EXPECT_FALSE(dlg->Session().CountdownRunning());
    EXPECT_FALSE(timers.IsRunning(IDT_COUNTDOWN));
    EXPECT_EQ(inhibitor.acquires, 1);
    EXPECT_TRUE(OverrideInForce());
}

}  // namespace
}  // namespace torvane::test

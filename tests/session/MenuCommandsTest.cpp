// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "fakes/FakeMainServices.h"
#include "session/CDlgMain.h"
#include "session/MenuModel.h"

namespace torvane {
namespace {

using test::FakeMainServices;
using test::FakePowerStatus;
using test::FakeTimers;
using test::FakeWindowHost;
using test::MemoryFileStore;
using test::MemoryRegistry;
using test::ScriptedFileDialog;
using test::ScriptedMessageBox;

class MenuCommands : public ::testing::Test, protected FakeMainServices {
protected:
    MenuCommands() { dlg.OnInitDialog(); }

    DWORD Stored(const char* name) { return registry.GetDword(kSettingsKey, name); }
    bool IsStored(const char* name) { return registry.HasValue(kSettingsKey, name); }

    // Starts a session from the countdown: Go, then one tick on battery power.
    void StartSessionOnBattery() {
        power.onAc = false;
        dlg.OnGoStop();
        timers.AdvanceMs(1000);
        ASSERT_TRUE(dlg.Session().SessionRunning());
    }

    CDlgMain dlg{Services()};
};

TEST(MenuBar, HoldsEveryMenuInOrderWithAutoGreyed) {
    const auto bar = BuildMainMenuBar();
    ASSERT_EQ(bar.size(), 4u);
    EXPECT_EQ(bar[0].caption, "File");
    EXPECT_EQ(bar[1].caption, "View");
    EXPECT_EQ(bar[2].caption, "Session");
    EXPECT_EQ(bar[3].caption, "Minimize");
    EXPECT_FALSE(bar[3].dropDown);
    EXPECT_EQ(bar[3].id, cmd::kMinimize);

    const auto& file = bar[0].popup;
    ASSERT_EQ(file.size(), 8u);
    EXPECT_EQ(file[0].submenu.at(2).id, cmd::kLoadSlot3);
    EXPECT_TRUE(file[3].separator);
    EXPECT_EQ(file[7].text, "Run in background");
    EXPECT_EQ(file[7].id, bar[3].id);

    const auto& scales = bar[1].popup.at(5).submenu;
    ASSERT_EQ(scales.size(), 13u);
    EXPECT_EQ(scales[0].text, "1 hour");
    EXPECT_EQ(scales[9].text, "10 hours");
    EXPECT_EQ(scales[9].id, 32803u);
    EXPECT_EQ(scales[12].text, "Auto");
    EXPECT_TRUE(scales[12].greyed);
    EXPECT_EQ(bar[2].popup.at(1).id, cmd::kStartSession);
}

TEST_F(MenuCommands, SessionItemsFollowStateAndMode) {
    auto states = dlg.ComputeMenuStates();
    EXPECT_EQ(states.sessionItemText, "Start session");
    EXPECT_TRUE(states.enabled[cmd::kStartSession]);
    EXPECT_TRUE(states.enabled[cmd::kResumeSession]);

    dlg.OnGoStop();  // on A/C: the countdown is pending
    states = dlg.ComputeMenuStates();
    EXPECT_EQ(states.sessionItemText, "Start session");
    EXPECT_FALSE(states.enabled[cmd::kStartSession]);
    EXPECT_FALSE(states.enabled[cmd::kResumeSession]);

    power.onAc = false;
    timers.AdvanceMs(1000);
    states = dlg.ComputeMenuStates();
    EXPECT_EQ(states.sessionItemText, "Stop session");
    EXPECT_TRUE(states.enabled[cmd::kStartSession]);

    registry.PutDword(kSettingsKey, "AutoStartSessions", 0);  // greyed in auto-start mode
    dlg.OnOptionsClosed();                                    // even while a session runs
    states = dlg.ComputeMenuStates();
    EXPECT_EQ(states.sessionItemText, "Stop session");
    EXPECT_FALSE(states.enabled[cmd::kStartSession]);
    EXPECT_FALSE(states.enabled[cmd::kResumeSession]);
}

// Each "Time scale" item: the hours it names are drawn, stored and checked, alone.
TEST_F(MenuCommands, EveryTimeScaleItemDrawsStoresAndChecksItsOwnHours) {
    const std::pair<unsigned int, int> items[] = {
        {cmd::kScale1, 1},     {cmd::kScale1 + 1, 2}, {cmd::kScale1 + 2, 3}, {cmd::kScale1 + 3, 4},
        {cmd::kScale1 + 4, 5}, {cmd::kScale1 + 5, 6}, {cmd::kScale1 + 6, 7}, {cmd::kScale1 + 7, 8},
        {cmd::kScale1 + 8, 9}, {cmd::kScale10, 10},   {cmd::kScale15, 15},   {cmd::kScale20, 20},
    };
    for (const auto& [id, hours] : items) {
        const int redraws = window.fullRedraws;
        EXPECT_TRUE(dlg.OnCommand(id)) << hours;
        EXPECT_EQ(dlg.MakeGraphInput().scaleHours, hours);
        EXPECT_EQ(Stored("ScaleHours"), static_cast<DWORD>(hours));
        EXPECT_EQ(window.fullRedraws, redraws + 1) << hours;
        const auto states = dlg.ComputeMenuStates();
        for (unsigned int other = cmd::kScale1; other <= cmd::kScaleAuto; ++other) {
            EXPECT_EQ(states.checked.at(other), other == id) << hours << " " << other;
        }
    }
}

TEST_F(MenuCommands, AScaleSetElsewhereChecksNoItemAndAutoDoesNothing) {
    registry.PutDword(kSettingsKey, "ScaleHours", 12);  // as the Options page may set it
    dlg.OnOptionsClosed();
    auto states = dlg.ComputeMenuStates();
    for (unsigned int id = cmd::kScale1; id <= cmd::kScaleAuto; ++id) {
        EXPECT_FALSE(states.checked[id]) << id;
    }

    EXPECT_FALSE(dlg.OnCommand(cmd::kScaleAuto));
    EXPECT_EQ(dlg.MakeGraphInput().scaleHours, 12);
}

TEST_F(MenuCommands, TogglesStoreInvertedSenseAtOnceAndTwiceRestores) {
    struct Toggle {
        unsigned int id;
        const char* value;
        bool (*drawn)(const GraphInput&);
    };
#define DRAWN(field) [](const GraphInput& in) { return in.field; }
    const Toggle toggles[] = {
        {cmd::kShowVGrid, "ShowVGrid", DRAWN(showVGrid)},
        {cmd::kShowHGrid, "ShowHGrid", DRAWN(showHGrid)},
        {cmd::kShowDetailedGrid, "ShowDetailedGrid", DRAWN(showDetailedGrid)},
        {cmd::kShowEstimations, "DrawEstimations", DRAWN(showEstimations)},
        {cmd::kShowRef1, "ShowRef1", DRAWN(showRef[0])},
        {cmd::kShowRef2, "ShowRef2", DRAWN(showRef[1])},
        {cmd::kShowRef3, "ShowRef3", DRAWN(showRef[2])},
    };
#undef DRAWN
    for (const auto& t : toggles) {
        ASSERT_TRUE(t.drawn(dlg.MakeGraphInput())) << t.value;  // first run: everything shown
        EXPECT_TRUE(dlg.ComputeMenuStates().checked[t.id]);
        EXPECT_FALSE(IsStored(t.value));
        registry.writeLog.clear();
        dlg.OnCommand(t.id);
        EXPECT_FALSE(t.drawn(dlg.MakeGraphInput())) << t.value;
        EXPECT_EQ(Stored(t.value), 1u) << t.value;
        ASSERT_EQ(registry.writeLog.size(), 1u) << t.value;  // this value only
        EXPECT_EQ(registry.writeLog[0].second, t.value);
        EXPECT_FALSE(dlg.ComputeMenuStates().checked[t.id]);
        dlg.OnCommand(t.id);
        EXPECT_TRUE(t.drawn(dlg.MakeGraphInput())) << t.value;
        EXPECT_EQ(Stored(t.value), 0u) << t.value;
        EXPECT_TRUE(dlg.ComputeMenuStates().checked[t.id]);
    }

    // Only the toggled item loses its check mark, and it stays off after a reload of the
    // settings, as after a restart.
    dlg.OnCommand(cmd::kShowRef2);
    auto states = dlg.ComputeMenuStates();
    EXPECT_TRUE(states.checked[cmd::kShowRef1]);
    EXPECT_FALSE(states.checked[cmd::kShowRef2]);
    EXPECT_TRUE(states.checked[cmd::kShowRef3]);
    dlg.LoadSettings();
    EXPECT_FALSE(dlg.ComputeMenuStates().checked[cmd::kShowRef2]);
    EXPECT_FALSE(dlg.MakeGraphInput().showRef[1]);
}

TEST_F(MenuCommands, ExitAsksTheRightQuestionAndNoChangesNothing) {
    messages.answers = {MessageAnswer::No};
    dlg.OnCommand(cmd::kExit);
    EXPECT_EQ(messages.shown.back(), "Quit Torvane?");
    EXPECT_FALSE(window.quitCode.has_value());

    StartSessionOnBattery();
    messages.answers = {MessageAnswer::No};
    dlg.OnCommand(cmd::kExit);
    EXPECT_EQ(messages.shown.back(), "Quit Torvane and cancel the running session?");
    EXPECT_EQ(messages.buttons.back(), MessageButtons::YesNo);
    EXPECT_TRUE(dlg.Session().SessionRunning());
    EXPECT_FALSE(window.quitCode.has_value());

    messages.answers = {MessageAnswer::Yes};
    dlg.OnCommand(cmd::kExit);
    EXPECT_FALSE(dlg.Session().SessionRunning());
    EXPECT_FALSE(timers.IsRunning(IDT_SESSION));
    EXPECT_EQ(window.quitCode, 0);
}

TEST_F(MenuCommands, ExitDuringCountdownEndsCountdownAndOverride) {
    const char* timeouts =
        "HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\Power\\Timeouts";
    registry.PutDword(kSettingsKey, "IgnorePowerOff", 1);
    registry.PutDword(timeouts, "BattSuspendTimeout", 180);
    dlg.LoadSettings();

    dlg.OnGoStop();
    ASSERT_TRUE(dlg.Session().CountdownRunning());
    EXPECT_EQ(registry.GetDword(timeouts, "BattSuspendTimeout"), 0u);

    messages.answers = {MessageAnswer::Yes};
    dlg.OnCommand(cmd::kExit);
    EXPECT_EQ(messages.shown.back(), "Quit Torvane?");
    EXPECT_FALSE(dlg.Session().CountdownRunning());
    EXPECT_FALSE(timers.IsRunning(IDT_COUNTDOWN));
    EXPECT_EQ(registry.GetDword(timeouts, "BattSuspendTimeout"), 180u);
    EXPECT_EQ(window.quitCode, 0);
}

TEST_F(MenuCommands, CloseButtonEndsAtOnceOnlyWhenNothingRuns) {
    dlg.OnGoStop();  // the countdown
    messages.answers = {MessageAnswer::No};
    dlg.OnClose();
    EXPECT_EQ(messages.shown.back(), "Quit Torvane?");
    EXPECT_TRUE(dlg.Session().CountdownRunning());
    EXPECT_FALSE(window.quitCode.has_value());

    dlg.OnCommand(cmd::kStartSession);  // "Stop current session?" Yes, "Session stopped"
    const auto asked = messages.shown.size();
    dlg.OnClose();
    EXPECT_EQ(messages.shown.size(), asked);
    EXPECT_EQ(window.quitCode, 0);
}

TEST_F(MenuCommands, MinimizeTwiceWithoutATrayHideWithOneAndOnlyATapOnOurIconRestores) {
    dlg.OnCommand(cmd::kMinimize);
    EXPECT_EQ(window.minimizes, 2);
    EXPECT_EQ(window.hides, 0);
    EXPECT_TRUE(timers.IsRunning(IDT_MONITOR));
    notifyIcon.tray = true;  // a tray host has come since
    dlg.OnCommand(cmd::kMinimize);
    EXPECT_EQ(window.minimizes, 2);
    EXPECT_EQ(window.hides, 1);

    dlg.OnNotifyIcon(cmd::kNotifyIconId, 514);  // button up: ignored
    dlg.OnNotifyIcon(1290, cmd::kLeftButtonDown);
    EXPECT_EQ(window.activations, 0);
    dlg.OnNotifyIcon(cmd::kNotifyIconId, cmd::kLeftButtonDown);
    EXPECT_EQ(window.activations, 1);
}

TEST_F(MenuCommands, OptionsClosedReloadsSettingsAndRedraws) {
    registry.PutDword(kSettingsKey, "AutoStartSessions", 0);
    registry.PutDword(kSettingsKey, "ScaleHours", 12);
    const int redraws = window.fullRedraws;
    dlg.OnOptionsClosed();
    EXPECT_TRUE(dlg.Session().AutoStartMode());
    EXPECT_FALSE(window.goEnabled);
    EXPECT_EQ(dlg.MakeGraphInput().scaleHours, 12);
    EXPECT_EQ(window.fullRedraws, redraws + 1);
}

}  // namespace
}  // namespace torvane

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "fakes/MemorySuspendJournal.h"
#include "session/SessionTestFixture.h"

namespace torvane::test {
namespace {

// The suspend timeout across whole sessions, as the session controller drives the override.
class PowerFlow : public SessionTest {
protected:
    void StartWithJournal() {
        MainServices withJournal{services};
        withJournal.suspendJournal = &journal;
        dlg = std::make_unique<CDlgMain>(withJournal);
        window.status = &dlg->Session().Status();
        dlg->OnInitDialog();
    }
    int TimeoutWrites() const {
        int n = 0;
        for (const auto& [key, value] : registry.writeLog) {
            n += value == "BattSuspendTimeout" ? 1 : 0;
        }
        return n;
    }

    MemorySuspendJournal journal;
};

TEST_F(PowerFlow, OptionOffNeverTouchesTheSystemKey) {
    PutSetting("IgnorePowerOff", 0);
    StartWithJournal();
    power.onAc = true;
    dlg->OnGoStop();
    Seconds(31);  // the wait fails on mains
    StartSessionOnBattery(90);
    Seconds(3);
    dlg->OnGoStop();  // "Stop current session?" Yes
    dlg->OnResumeSession();
    Seconds(1);
    dlg.reset();
    EXPECT_EQ(registry.AccessCount(kPowerTimeoutsKey), 0);
    EXPECT_EQ(inhibitor.acquires, 0);
    EXPECT_EQ(journal.records, 0);
}

TEST_F(PowerFlow, OffDuringTheWaitAndTheSessionBackAfterStop) {
    StartWithJournal();
    power.onAc = true;
    dlg->OnGoStop();
    Seconds(5);
    EXPECT_EQ(SuspendTimeout(), 0u);
    EXPECT_EQ(journal.kept, std::optional<DWORD>(180));
    power.onAc = false;
    Seconds(1);
    ASSERT_TRUE(dlg->Session().SessionRunning());
    Seconds(60);
    EXPECT_EQ(SuspendTimeout(), 0u);
    EXPECT_TRUE(OverrideInForce());

    dlg->OnGoStop();
    EXPECT_FALSE(dlg->Session().SessionRunning());
    EXPECT_EQ(SuspendTimeout(), 180u);
    EXPECT_FALSE(OverrideInForce());
    EXPECT_FALSE(journal.kept.has_value());
    EXPECT_EQ(inhibitor.acquires, 1);
}

TEST_F(PowerFlow, ResumeEndingASessionRestoresBeforeItOverridesAgain) {
    StartWithJournal();
    StartSessionOnBattery(90);
    dlg->OnResumeSession();  // the auto-save file is missing: told, and the wait starts
    EXPECT_EQ(SuspendTimeout(), 0u);
    EXPECT_EQ(inhibitor.releases, 1);
    EXPECT_EQ(inhibitor.acquires, 2);
    Seconds(1);
    dlg->OnGoStop();
    // The new override read the restored value, not its own 0.
    EXPECT_EQ(SuspendTimeout(), 180u);
}

TEST_F(PowerFlow, ExitRestoresOnlyWhenConfirmed) {
    StartWithJournal();
    StartSessionOnBattery(90);
    messages.answers = {MessageAnswer::No};
    dlg->OnExit();
    EXPECT_EQ(SuspendTimeout(), 0u);  // still running
    EXPECT_FALSE(window.quitCode.has_value());

    dlg->OnExit();  // Yes
    EXPECT_EQ(window.quitCode, std::optional<int>(0));
    EXPECT_EQ(SuspendTimeout(), 180u);  // before the window goes away
    EXPECT_FALSE(OverrideInForce());
    EXPECT_FALSE(journal.kept.has_value());
}

TEST_F(PowerFlow, AutoStartedSessionOverridesAndMainsRestores) {
    PutSetting("AutoStartSessions", 0);  // stored inverted: on
    StartWithJournal();
    power.onAc = false;
    Seconds(5);
    ASSERT_TRUE(dlg->Session().SessionRunning());
    EXPECT_EQ(SuspendTimeout(), 0u);
    power.onAc = true;
    Seconds(5);
    EXPECT_FALSE(dlg->Session().SessionRunning());
    EXPECT_EQ(SuspendTimeout(), 180u);
    EXPECT_FALSE(OverrideInForce());
}

TEST_F(PowerFlow, AbsentTimeoutIsSwitchedOffButNeverWrittenBack) {
    registry.DeleteValue(kPowerTimeoutsKey, "BattSuspendTimeout");
    StartWithJournal();
    StartSessionOnBattery(90);
    EXPECT_TRUE(registry.HasValue(kPowerTimeoutsKey, "BattSuspendTimeout"));
    EXPECT_EQ(TimeoutWrites(), 1);
    dlg->OnGoStop();
    EXPECT_EQ(TimeoutWrites(), 1);
    EXPECT_FALSE(OverrideInForce());
    EXPECT_EQ(journal.records, 0);
}

TEST_F(PowerFlow, EndingTheProgramAnyOtherWayStillRestores) {
    StartWithJournal();
    power.onAc = true;
    dlg->OnGoStop();  // a pending wait, which the dialog's own routes end without a stop
    EXPECT_EQ(SuspendTimeout(), 0u);
    dlg->OnDestroy();
    dlg.reset();
    EXPECT_EQ(SuspendTimeout(), 180u);
    EXPECT_FALSE(OverrideInForce());
    EXPECT_FALSE(journal.kept.has_value());
}

TEST_F(PowerFlow, SwitchingTheOptionMidSessionFollowsTheOverrideMade) {
    StartWithJournal();
    // Switched off while overridden: the stop still puts the value back.
    StartSessionOnBattery(90);
    PutSetting("IgnorePowerOff", 0);
    dlg->OnOptionsClosed();
    dlg->OnGoStop();  // "Stop current session?" Yes
    EXPECT_EQ(SuspendTimeout(), 180u);
    EXPECT_FALSE(OverrideInForce());

    // Switched on while a session ran without an override: nothing to restore.
    StartSessionOnBattery(90);
    PutSetting("IgnorePowerOff", 1);
    dlg->OnOptionsClosed();
    const int before = registry.AccessCount(kPowerTimeoutsKey);
    dlg->OnGoStop();
    EXPECT_EQ(registry.AccessCount(kPowerTimeoutsKey), before);
    EXPECT_EQ(SuspendTimeout(), 180u);
    EXPECT_FALSE(OverrideInForce());
}

TEST_F(PowerFlow, StartUpPutsBackWhatAKilledRunLeftOff) {
    registry.PutDword(kPowerTimeoutsKey, "BattSuspendTimeout", 0);
    journal.kept = 180;
    StartWithJournal();
    EXPECT_EQ(SuspendTimeout(), 180u);
    EXPECT_FALSE(journal.kept.has_value());
    EXPECT_FALSE(OverrideInForce());
}

}  // namespace
}  // namespace torvane::test

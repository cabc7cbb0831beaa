#include <gtest/gtest.h>

#include "fakes/FakePlatform.h"
#include "fakes/FakeTimers.h"
#include "fakes/MemoryRegistry.h"
#include "fakes/MemorySuspendJournal.h"
#include "session/CDlgMain.h"

namespace torvane {
namespace {

constexpr const char* kTimeoutsKey =
    "HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\Power\\Timeouts";

// The main window's owner with doubles of every service, for the power settings of a session.
class PowerSettingsTest : public ::testing::Test {
protected:
    test::FakePowerStatus power;
    test::FakeTimers timers;
    test::MemoryRegistry registry;
    test::FakeWindowHost window;
    test::ScriptedMessageBox messages;
    test::ScriptedFileDialog fileDialog;
    test::MemoryFileStore files;
    test::FakeNotifyIcon notifyIcon;
    test::FakePowerOffKey powerOffKey;
    test::FakeSuspendInhibitor inhibitor;
    test::MemorySuspendJournal journal;
    MainServices services{power, timers,     registry,    window,    messages, fileDialog,
                          files, notifyIcon, powerOffKey, inhibitor, &journal};

    DWORD Timeout() const { return registry.GetDword(kTimeoutsKey, "BattSuspendTimeout"); }
};

TEST_F(PowerSettingsTest, OptionOffTouchesNothingUnderTheSystemKey) {
    registry.PutDword(kTimeoutsKey, "BattSuspendTimeout", 180);
    {
        CDlgMain dlg(services);
        dlg.m_bIgnorePowerOff = 0;
        dlg.OverrideSuspendTimeout(1);
        dlg.OverrideSuspendTimeout(0);
    }
    EXPECT_EQ(registry.AccessCount(kTimeoutsKey), 0);
    EXPECT_EQ(inhibitor.acquires, 0);
    EXPECT_EQ(journal.records, 0);
}

TEST_F(PowerSettingsTest, OptionOnSavesInTheMemberAndRestores) {
    registry.PutDword(kTimeoutsKey, "BattSuspendTimeout", 180);
    CDlgMain dlg(services);
    dlg.m_bIgnorePowerOff = 1;
    dlg.OverrideSuspendTimeout(1);
    EXPECT_EQ(dlg.m_dwSavedSuspendTimeout, 180u);
    EXPECT_EQ(Timeout(), 0u);
    EXPECT_TRUE(inhibitor.held);
    dlg.OverrideSuspendTimeout(0);
    EXPECT_EQ(Timeout(), 180u);
    EXPECT_FALSE(inhibitor.held);
}

TEST_F(PowerSettingsTest, SwitchingTheOptionMidSessionFollowsTheOverrideMade) {
    registry.PutDword(kTimeoutsKey, "BattSuspendTimeout", 180);
    CDlgMain dlg(services);

    // Switched off while overridden: the restore still puts the value back.
    dlg.m_bIgnorePowerOff = 1;
    dlg.OverrideSuspendTimeout(1);
    dlg.m_bIgnorePowerOff = 0;
    dlg.OverrideSuspendTimeout(0);
    EXPECT_EQ(Timeout(), 180u);
    EXPECT_FALSE(inhibitor.held);

    // Switched on while a session ran without an override: nothing to restore.
    dlg.m_bIgnorePowerOff = 0;
    dlg.OverrideSuspendTimeout(1);
    dlg.m_bIgnorePowerOff = 1;
    const int before = registry.AccessCount(kTimeoutsKey);
    dlg.OverrideSuspendTimeout(0);
    EXPECT_EQ(registry.AccessCount(kTimeoutsKey), before);
    EXPECT_EQ(Timeout(), 180u);
}

TEST_F(PowerSettingsTest, EndOfTheProgramRestoresAndNextStartRecovers) {
    registry.PutDword(kTimeoutsKey, "BattSuspendTimeout", 180);
    {
        CDlgMain dlg(services);
        dlg.m_bIgnorePowerOff = 1;
        dlg.OverrideSuspendTimeout(1);
        EXPECT_EQ(journal.kept, std::optional<DWORD>(180));
    }
    EXPECT_EQ(Timeout(), 180u);
    EXPECT_FALSE(journal.kept.has_value());

    // A run that died with the timeout off left it in the journal.
    registry.PutDword(kTimeoutsKey, "BattSuspendTimeout", 0);
    journal.kept = 180;
    CDlgMain next(services);
    next.RestoreLeftSuspendTimeout();
    EXPECT_EQ(Timeout(), 180u);
    EXPECT_FALSE(journal.kept.has_value());
}

}  // namespace
}  // namespace torvane

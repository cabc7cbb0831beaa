#include <gtest/gtest.h>

#include "session/SessionTestFixture.h"

namespace torvane::test {
namespace {

using MainStartup = SessionTest;

TEST_F(MainStartup, FirstRunWritesDefaultsBeforeReadingThemAndStartsIdle) {
    registry = MemoryRegistry{};  // nothing stored yet
    Start();

    // The loaded working copy can only show the first-run values if they were written first.
    ASSERT_FALSE(registry.writeLog.empty());
    EXPECT_EQ(registry.writeLog.back().second, "InitData");
    EXPECT_EQ(dlg->m_strSavePath, "\\My Documents");
    EXPECT_EQ(dlg->m_bAutoStartMode, 0);
    EXPECT_EQ(dlg->m_bAutoSave, 1);
    EXPECT_EQ(dlg->m_nScaleHours, 7);

    EXPECT_EQ(dlg->m_strStatus, "Ready to start a session...");
    EXPECT_EQ(window.goCaption, "Go!");
    EXPECT_TRUE(window.goEnabled);
    EXPECT_EQ(window.fullRedraws, 1);
    EXPECT_TRUE(notifyIcon.present);
    EXPECT_TRUE(timers.IsRunning(IDT_MONITOR));
    EXPECT_EQ(timers.Period(IDT_MONITOR), 5000u);
    EXPECT_NE(dlg->m_nMonitorTimer, 0u);
    EXPECT_FALSE(timers.IsRunning(IDT_SESSION));
    EXPECT_FALSE(timers.IsRunning(IDT_COUNTDOWN));

    EXPECT_EQ(dlg->m_nLoadTarget, 5);
    EXPECT_EQ(dlg->m_log.count, 0);
    EXPECT_EQ(dlg->m_nGraphLeft, 30);
    EXPECT_EQ(dlg->m_nGraphTop, 37);
    EXPECT_EQ(dlg->m_nGraphRight, 235);
    EXPECT_EQ(dlg->m_nGraphBottom, 228);
    EXPECT_EQ(dlg->m_nLastPercent, 0);
    EXPECT_EQ(dlg->m_nLastStatusMinute, 0);
    EXPECT_EQ(dlg->m_nCountdown, 0);
    EXPECT_FALSE(OverrideInForce());
}

TEST_F(MainStartup, AutoStartModeLeavesGoDisabled) {
    PutSetting("AutoStartSessions", 0);
    Start();
    EXPECT_EQ(dlg->m_bAutoStartMode, 1);
    EXPECT_EQ(window.goCaption, "Go!");
    EXPECT_FALSE(window.goEnabled);
}

TEST_F(MainStartup, IconStaysUntilTheWindowIsDestroyed) {
    Start();
    EXPECT_TRUE(notifyIcon.present);
    dlg->OnDestroy();
    EXPECT_FALSE(notifyIcon.present);
}

TEST_F(MainStartup, TheOneTimerHandlerReceivesTheMonitorTicks) {
    PutSetting("AutoStartSessions", 0);
    Start();
    power.onAc = false;
    const int readsBefore = power.reads;
    Seconds(5);
    EXPECT_GT(power.reads, readsBefore);
    EXPECT_NE(dlg->m_nSessionTimer, 0u);
}

}  // namespace
}  // namespace torvane::test

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

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
    EXPECT_FALSE(dlg->Session().AutoStartMode());
    EXPECT_EQ(dlg->MakeGraphInput().scaleHours, 7);

    EXPECT_EQ(dlg->Session().Status(), "Ready to start a session...");
    EXPECT_EQ(window.goCaption, "Go!");
    EXPECT_TRUE(window.goEnabled);
    EXPECT_EQ(window.fullRedraws, 1);
    EXPECT_TRUE(notifyIcon.present);
    EXPECT_TRUE(timers.IsRunning(IDT_MONITOR));
    EXPECT_EQ(timers.Period(IDT_MONITOR), 5000u);
    EXPECT_FALSE(timers.IsRunning(IDT_SESSION));
    EXPECT_FALSE(timers.IsRunning(IDT_COUNTDOWN));

    EXPECT_EQ(dlg->Session().LoadTarget(), 5);
    EXPECT_EQ(dlg->Session().Log().count, 0);
    EXPECT_FALSE(OverrideInForce());

    // The first-run save folder is the one the auto-save file is looked for in.
    dlg->OnResumeSession();
    EXPECT_EQ(messages.shown,
              std::vector<std::string>{"Cannot open file \\My Documents\\autosave.blf"});
}

TEST_F(MainStartup, IconStaysUntilTheWindowIsDestroyed) {
    Start();
    EXPECT_TRUE(notifyIcon.present);
    dlg->OnDestroy();
    EXPECT_FALSE(notifyIcon.present);
}

}  // namespace
}  // namespace torvane::test

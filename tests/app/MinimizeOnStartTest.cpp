// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QCoreApplication>
#include <QEvent>
#include <QTest>

#include <gtest/gtest.h>

#include "app/CMonitorApp.h"
#include "app/ClientAreaView.h"
#include "app/MainWindow.h"
#include "fakes/FakeBackgroundServices.h"
#include "session/CDlgMain.h"

namespace torvane::test {
namespace {

// The real window on its first paint, with "Automatically minimize on start" on or off.
class MinimizeOnStart : public ::testing::Test, protected FakeBackgroundServices {
protected:
    void Start(std::uint32_t minimizeOnStart) {
        registry.PutDword(kSettingsKey, "InitData", 3);
        registry.PutDword(kSettingsKey, "MinimizeOnStart", minimizeOnStart);
        app.Create();
        app.Window().ClientArea()->installEventFilter(&firstPaint);
        app.Window().show();
        ASSERT_TRUE(QTest::qWaitFor([this] { return firstPaint.seen; }, 5000))
            << "the window was never painted";
    }

    // Notes the window's first paint, which is where it minimises itself.
    struct PaintWatch : QObject {
        bool eventFilter(QObject*, QEvent* event) override {
            seen = seen || event->type() == QEvent::Paint;
            return false;
        }
        bool seen = false;
    } firstPaint;

    CMonitorApp app{Services()};
};

TEST_F(MinimizeOnStart, FirstPaintMinimisesOnceAndRestoringStaysRestored) {
    Start(1);
    EXPECT_TRUE(app.Window().isMinimized());

    app.Window().ShowAndActivate({});
    app.Window().ClientArea()->repaint();
    QCoreApplication::processEvents();
    EXPECT_FALSE(app.Window().isMinimized());
}

TEST_F(MinimizeOnStart, OffLeavesTheWindowShown) {
    Start(0);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&app.Window()));
    EXPECT_FALSE(app.Window().isMinimized());
}

}  // namespace
}  // namespace torvane::test

#include <QTest>

#include <gtest/gtest.h>

#include "app/CMonitorApp.h"
#include "app/ClientAreaView.h"
#include "app/MainWindow.h"
#include "fakes/FakePlatform.h"
#include "fakes/FakeTimers.h"
#include "fakes/MemoryRegistry.h"
#include "session/CDlgMain.h"

namespace torvane::test {
namespace {

// The real window on its first paint, with "Automatically minimize on start" on or off.
class MinimizeOnStart : public ::testing::Test {
protected:
    void Start(std::uint32_t minimizeOnStart) {
        registry.PutDword(kSettingsKey, "InitData", 3);
        registry.PutDword(kSettingsKey, "MinimizeOnStart", minimizeOnStart);
        app.Create();
        app.Window().show();
        // The first paint comes with the first round of events after showing.
        QTest::qWait(100);
    }

    FakePowerStatus power;
    FakeTimers timers;
    MemoryRegistry registry;
    MemoryFileStore files;
    FakeSuspendInhibitor inhibitor;
    CMonitorApp app{
        BackgroundServices{power, timers, registry, files, inhibitor, nullptr, [] {}, {}}};
};

TEST_F(MinimizeOnStart, FirstPaintMinimisesOnceAndRestoringStaysRestored) {
    Start(1);
    EXPECT_TRUE(app.Window().isMinimized());
    EXPECT_EQ(app.Dialog().m_bMinimizePending, 0);

    app.Window().ShowAndActivate();
    app.Window().ClientArea()->repaint();
    QTest::qWait(50);
    EXPECT_FALSE(app.Window().isMinimized());
}

TEST_F(MinimizeOnStart, OffLeavesTheWindowShown) {
    Start(0);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&app.Window()));
    EXPECT_FALSE(app.Window().isMinimized());
}

}  // namespace
}  // namespace torvane::test

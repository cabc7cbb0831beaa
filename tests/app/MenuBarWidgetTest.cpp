// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "app/CMonitorApp.h"
#include "app/MainMenuBar.h"
#include "app/MainWindow.h"
#include "fakes/FakeBackgroundServices.h"
#include "session/CDlgMain.h"
#include "session/MenuModel.h"

namespace torvane::test {
namespace {

// Drives the real menus of the window: opens a menu with its own event and chooses an item
// by pressing its keys, as a user would.
class MenuBarWidgetTest : public ::testing::Test, protected FakeBackgroundServices {
protected:
    void SetUp() override {
        registry.PutDword(kSettingsKey, "InitData", 3);
        registry.PutDword(kSettingsKey, "AutoStartSessions", 1);  // manual mode
        app.Create();
        app.Window().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&app.Window()));
        bar = app.Window().findChild<MainMenuBar*>();
        ASSERT_NE(bar, nullptr);
    }

    // Opens top-level menu `index` and triggers the action with the given text through it.
    void Choose(int index, const QString& text) {
        QMenu* menu = bar->TopMenu(index);
        ASSERT_NE(menu, nullptr);
        menu->popup(QPoint(0, 0));  // runs aboutToShow, as opening from the bar does
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
        QAction* chosen = nullptr;
        for (QAction* action : menu->actions()) {
            if (action->text() == text) {
                chosen = action;
            }
        }
        ASSERT_NE(chosen, nullptr) << text.toStdString();
        ASSERT_TRUE(chosen->isEnabled());
        menu->setActiveAction(chosen);
        QTest::keyClick(menu, Qt::Key_Return);
        QApplication::processEvents();
    }

    CMonitorApp app{Services()};
    MainMenuBar* bar = nullptr;
};

TEST_F(MenuBarWidgetTest, BarSitsUnderTheClientAreaWithItsFourButtons) {
    const QList<QAction*> top = bar->actions();
    ASSERT_EQ(top.size(), 4);
    EXPECT_EQ(top[0]->text(), "File");
    EXPECT_EQ(top[1]->text(), "View");
    EXPECT_EQ(top[2]->text(), "Session");
    EXPECT_EQ(top[3]->text(), "Minimize");
    EXPECT_GE(bar->geometry().top(), 320);
}

TEST_F(MenuBarWidgetTest, MenusOpenUpwardsFromTheBarAndSubmenusFromTheirItem) {
    app.Window().move(0, 0);  // with room below, where a menu would open downwards
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(bar->actions()[1]).center());
    QMenu* view = bar->TopMenu(1);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
    EXPECT_EQ(view->geometry().bottom() + 1, bar->mapToGlobal(QPoint(0, 0)).y());

    QAction* scale = nullptr;
    for (QAction* action : view->actions()) {
        scale = action->text() == "Time scale" ? action : scale;
    }
    ASSERT_NE(scale, nullptr);
    view->setActiveAction(scale);
    QTest::keyClick(view, Qt::Key_Right);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(scale->menu()));
    EXPECT_EQ(scale->menu()->geometry().bottom(),
              view->mapToGlobal(view->actionGeometry(scale).bottomLeft()).y());
    view->hide();
}

TEST_F(MenuBarWidgetTest, ViewToggleThroughTheMenuStoresAndUnchecks) {
    Choose(1, "Show vertical grid");
    EXPECT_FALSE(app.Dialog().MakeGraphInput().showVGrid);
    EXPECT_EQ(registry.GetDword(kSettingsKey, "ShowVGrid"), 1u);
    bar->TopMenu(1)->popup(QPoint(0, 0));
    EXPECT_FALSE(bar->ActionFor(cmd::kShowVGrid)->isChecked());
    EXPECT_TRUE(bar->ActionFor(cmd::kShowHGrid)->isChecked());
    bar->TopMenu(1)->hide();
}

TEST_F(MenuBarWidgetTest, SessionMenuStartsTheCountdownAndThenGreysItself) {
    Choose(2, "Start session");
    EXPECT_TRUE(app.Dialog().Session().CountdownRunning());
    bar->TopMenu(2)->popup(QPoint(0, 0));
    EXPECT_FALSE(bar->ActionFor(cmd::kStartSession)->isEnabled());
    EXPECT_FALSE(bar->ActionFor(cmd::kResumeSession)->isEnabled());
    bar->TopMenu(2)->hide();
}

TEST_F(MenuBarWidgetTest, FileMenuSaveWithNoDataSaysSo) {
    // The box is modal, so a timer reads and closes it once it is up.
    QString seen;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&seen, &poll] {
        QWidget* box = QApplication::activeModalWidget();
        auto* label = box != nullptr ? box->findChild<QLabel*>("qt_msgbox_label") : nullptr;
        if (label != nullptr) {
            seen = label->text();
            poll.stop();
            box->close();
        }
    });
    poll.start(10);
    Choose(0, "Save log");
    EXPECT_EQ(seen, "No data to save, complete a session first...");
}

TEST_F(MenuBarWidgetTest, OptionsRunsTheSheetThenReloadsWhatItStored) {
    int runs = 0;
    app.SetOptionsRunner([&runs](QWidget&, CSettingsStore& store) {
        ++runs;
        store.WriteDword("ScaleHours", 12);  // as a page's Apply would
    });
    Choose(1, "Options");
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(app.Dialog().MakeGraphInput().scaleHours, 12);
}

TEST_F(MenuBarWidgetTest, MinimizeButtonMinimisesAndTimersGoOn) {
    bar->ActionFor(cmd::kMinimize)->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(app.Window().isMinimized());
    EXPECT_TRUE(timers.IsRunning(IDT_MONITOR));
}

}  // namespace
}  // namespace torvane::test

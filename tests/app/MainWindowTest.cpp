// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "app/CMonitorApp.h"
#include "app/ClientAreaView.h"
#include "app/MainWindow.h"
#include "fakes/FakeBackgroundServices.h"
#include "qt/QtMessageBox.h"
#include "session/CDlgMain.h"

namespace torvane::test {
namespace {

class MainWindowTest : public ::testing::Test, protected FakeBackgroundServices {
protected:
    void SetUp() override {
        registry.PutDword(kSettingsKey, "InitData", 3);
        registry.PutDword(kSettingsKey, "AutoStartSessions", 1);  // manual mode
        app.Create();
    }

    QImage Picture() { return app.Window().ClientArea()->grab().toImage(); }

    static int InkIn(const QImage& image, const QRect& area) {
        int ink = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (image.pixelColor(x, y).lightness() < 160) {
                    ++ink;
                }
            }
        }
        return ink;
    }

    CMonitorApp app{Services()};
};

const QRect kStatusRect(QPoint(2, 240), QPoint(194, 272));

TEST_F(MainWindowTest, ShowsBannerStatusTextAndGoButtonWhereTheTemplatePutsThem) {
    MainWindow& window = app.Window();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    EXPECT_EQ(window.ClientArea()->size(), QSize(240, 320));
    EXPECT_EQ(window.windowTitle(), "Torvane");
    QPushButton* go = window.GoButton();
    EXPECT_EQ(go->text(), "Go!");
    EXPECT_TRUE(go->isEnabled());
    EXPECT_EQ(go->geometry(), QRect(197, 241, 40, 22));
    EXPECT_GE(go->x(), kStatusRect.right());  // right of the status text
    EXPECT_LE(go->geometry().right(), 239);

    auto* banner = window.ClientArea()->findChild<QLabel*>();
    ASSERT_NE(banner, nullptr);
    EXPECT_EQ(banner->geometry(), QRect(1, 1, 239, 32));
    EXPECT_FALSE(banner->pixmap().isNull());

    // The status text is really drawn; a longer one leaves more ink.
    EXPECT_EQ(app.Dialog().Session().Status(), "Ready to start a session...");
    const int ready = InkIn(Picture(), kStatusRect);
    EXPECT_GT(ready, 20);
    app.Dialog().OnGoStop();  // on the mains: the countdown's two lines
    timers.AdvanceMs(1000);
    window.FullRedraw();
    EXPECT_GT(InkIn(Picture(), kStatusRect), ready + 10);
}

TEST_F(MainWindowTest, ClickingGoStartsTheCountdownAndItsTextIsShown) {
    MainWindow& window = app.Window();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QImage before = Picture();

    QTest::mouseClick(window.GoButton(), Qt::LeftButton);
    EXPECT_TRUE(timers.IsRunning(IDT_COUNTDOWN));
    EXPECT_FALSE(window.GoButton()->isEnabled());

    timers.AdvanceMs(1000);
    EXPECT_EQ(app.Dialog().Session().Status().rfind("Please disconnect A/C power", 0), 0u);
    EXPECT_NE(Picture().copy(kStatusRect), before.copy(kStatusRect));

    power.onAc = false;
    timers.AdvanceMs(1000);
    EXPECT_EQ(window.GoButton()->text(), "Stop");
    EXPECT_TRUE(window.GoButton()->isEnabled());
}

TEST_F(MainWindowTest, CloseButtonDuringASessionAsksAndNoKeepsWindowAndSession) {
    MainWindow& window = app.Window();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    power.onAc = false;
    QTest::mouseClick(window.GoButton(), Qt::LeftButton);
    timers.AdvanceMs(1000);
    ASSERT_TRUE(app.Dialog().Session().SessionRunning());

    QString asked;
    // The box's own loop is the first to run this.
    QTimer::singleShot(0, &window, [&asked] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        asked = box->text();
        box->button(QMessageBox::No)->click();
    });
    window.close();
    EXPECT_EQ(asked, "Quit Torvane and cancel the running session?");
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(app.Dialog().Session().SessionRunning());
}

TEST(QtMessageBoxTest, TimersTickWhileTheBoxIsOpenAndTheAnswerComesBack) {
    QWidget owner;
    QtMessageBox messages(&owner);
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
    ticker.start(20);
    // Answered once the other timer has ticked behind the box a few times, or after 5 s.
    QString title;
    QElapsedTimer open;
    open.start();
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || (ticks < 5 && open.elapsed() < 5000)) {
            return;
        }
        answer.stop();
        title = box->windowTitle();
        box->button(QMessageBox::No)->click();
    });
    answer.start(5);
    EXPECT_EQ(messages.Show("Stop current session?", MessageButtons::YesNo), MessageAnswer::No);
    EXPECT_EQ(title, "Torvane");
    EXPECT_GE(ticks, 5);
}

// Also run with QT_SCALE_FACTOR=2 (the ctest MainWindowAtTwoHundredPercent): the graph is
// drawn at the screen's resolution and shown pixel for pixel, never enlarged.
TEST_F(MainWindowTest, ThePictureHasTheScreensResolution) {
    MainWindow& window = app.Window();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const int ratio = qRound(window.devicePixelRatioF());
    const QImage picture = window.ClientArea()->Picture();
    ASSERT_EQ(picture.size(), QSize(240, 320) * ratio);
    const QImage shown = Picture().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), picture.size());
    // The plot and its scales, below the banner and left of the Go button.
    for (int y = 36 * ratio; y < 240 * ratio; ++y) {
        for (int x = 0; x < 240 * ratio; ++x) {
            ASSERT_EQ(shown.pixel(x, y), picture.pixel(x, y)) << x << "," << y;
        }
    }
}

}  // namespace
}  // namespace torvane::test

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "app/CMonitorApp.h"
#include "fakes/FakeBackgroundServices.h"
#include "qt/QtTimers.h"
#include "session/CDlgMain.h"

namespace torvane::test {
namespace {

int VisibleBoxes() {
    int boxes = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        boxes += qobject_cast<QMessageBox*>(widget) != nullptr && widget->isVisible() ? 1 : 0;
    }
    return boxes;
}

// The real timers and the real box: the failed auto-save's box comes from inside a session
// tick, and the session must go on, and keep its time, while it stays open.
TEST(SessionOnQtTimers, RecordsBehindTheFailedAutoSavesBoxAndKeepsTheClock) {
    FakeBackgroundServices fakes;
    auto& power = fakes.power;
    auto& files = fakes.files;
    power.onAc = false;
    power.percent = 90;
    fakes.registry.PutDword(kSettingsKey, "InitData", 3);
    fakes.registry.PutDword(kSettingsKey, "AutoStartSessions", 1);  // manual mode
    QtTimers timers(100);                                           // a session second lasts 10 ms
    CMonitorApp app{fakes.Services(timers)};
    app.Create();
    CDlgMain& dlg = app.Dialog();
    dlg.OnGoStop();
    ASSERT_TRUE(QTest::qWaitFor([&dlg] { return dlg.Session().Log().count == 1; }, 5000));
    files.failWritesWith = FileWriteResult::CannotCreate;
    power.percent = 89;

    // While the box is open the test itself waits behind it: this timer looks on, lowers the
    // level twice, and closes the box with the keyboard after at least 600 ms (and any box
    // after it at once).
    QString text;
    std::int32_t secondsAtOpen = 0;
    std::int64_t clockAtOpen = 0;
    QElapsedTimer open;
    int mostBoxes = 0;
    int laterBoxes = 0;
    std::int32_t recordedBehindTheBox = 0;
    bool closed = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        if (closed) {
            ++laterBoxes;  // the same run of failures has been told already
            QTest::keyClick(box, Qt::Key_Return);
            return;
        }
        if (!open.isValid()) {
            open.start();
            text = box->text();
            secondsAtOpen = dlg.Session().SessionSeconds();
            clockAtOpen = timers.NowMs();
            power.percent = 88;
        }
        mostBoxes = std::max(mostBoxes, VisibleBoxes());
        if (dlg.Session().Log().count == 3) {
            power.percent = 87;
        }
        if ((dlg.Session().Log().count >= 4 && open.elapsed() >= 600) || open.elapsed() >= 5000) {
            recordedBehindTheBox = dlg.Session().Log().count - 2;
            closed = true;
            QTest::keyClick(box, Qt::Key_Return);
        }
    });
    poll.start(2);
    ASSERT_TRUE(QTest::qWaitFor([&closed] { return closed; }, 10000));

    EXPECT_EQ(text.toStdString(), "Cannot create file \\autosave.blf");  // no save path set
    EXPECT_EQ(recordedBehindTheBox, 2);  // 88 and 87, each failing to save without a box
    EXPECT_EQ(mostBoxes, 1);
    const std::int32_t seconds = dlg.Session().SessionSeconds();
    ASSERT_TRUE(QTest::qWaitFor([&] { return dlg.Session().SessionSeconds() != seconds; }, 5000));
    const double clockSeconds = static_cast<double>(timers.NowMs() - clockAtOpen) / 1000.0;
    EXPECT_GE(clockSeconds, 60.0);
    EXPECT_NEAR(dlg.Session().SessionSeconds() - secondsAtOpen, clockSeconds, 5.0);
    EXPECT_EQ(laterBoxes, 0);
}

}  // namespace
}  // namespace torvane::test

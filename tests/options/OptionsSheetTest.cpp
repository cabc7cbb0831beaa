// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <memory>
#include <string>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "fakes/FakePlatform.h"
#include "fakes/MemoryRegistry.h"
#include "fakes/TempDir.h"
#include "linux/HiveRegistry.h"
#include "options/CColourGridPopup.h"
#include "options/CColourPicker.h"
#include "options/CDlgOptions.h"
#include "options/OptionsPageWidget.h"
#include "options/UpDownControl.h"
#include "options/logic/FakePageControls.h"
#include "options/logic/OptionsControlIds.h"

namespace torvane::test {
namespace {

enum PageIndex { kGeneral = 0, kColors = 1, kView = 2, kSessions = 3 };

class OptionsSheet : public ::testing::Test {
protected:
    TempDir folder;
    HiveRegistry registry{folder / "registry.reg"};
    CSettingsStore store{registry};
    FakeStartupShortcut shortcut;
    ScriptedMessageBox messages;
    std::unique_ptr<CDlgOptions> sheet;

    void Put(const std::string& name, std::uint32_t value) { store.WriteDword(name, value); }
    std::uint32_t Get(const std::string& name) { return store.ReadDword(name); }
    bool Has(const std::string& name) {
        RegValue value;
        return registry.QueryValue(kSettingsKey, name, value);
    }

    void Open() {
        sheet = std::make_unique<CDlgOptions>(nullptr, store, shortcut, messages);
        sheet->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(sheet.get()));
        sheet->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(sheet.get()));
    }
    OptionsPageWidget* ShowPage(int index) {
        sheet->Tabs()->setCurrentIndex(index);
        QApplication::processEvents();
        return sheet->Page(index);
    }
    template <typename T>
    static T* Get(OptionsPageWidget* page, int id) {
        auto* widget = qobject_cast<T*>(page->Control(id));
        EXPECT_NE(widget, nullptr) << id;
        return widget;
    }
    // With nothing highlighted, Down visits Cancel, Automatic, then the first cell.
    static void ChooseSecondCell(CColourPicker* picker) {
        for (Qt::Key key :
             {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Return}) {
            QTest::keyClick(picker->Popup(), key);
        }
    }
    static void Click(OptionsPageWidget* page, int id) {
        QWidget* widget = page->Control(id);
        ASSERT_NE(widget, nullptr) << id;
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(4, widget->height() / 2));
    }
};

TEST_F(OptionsSheet, OpensOnGeneralWithFourTabsAndReadsOnlyThePagesShown) {
    Put("ScaleHours", 12);
    Open();
    EXPECT_EQ(sheet->windowTitle(), "Options");
    QTabWidget* tabs = sheet->Tabs();
    ASSERT_EQ(tabs->count(), 4);
    EXPECT_EQ(tabs->tabText(0), "General");
    EXPECT_EQ(tabs->tabText(1), "Colors");
    EXPECT_EQ(tabs->tabText(2), "View");
    EXPECT_EQ(tabs->tabText(3), "Sessions");
    EXPECT_EQ(tabs->currentIndex(), kGeneral);
    EXPECT_TRUE(sheet->Page(kGeneral)->IsInitialised());
    for (int page : {kColors, kView, kSessions}) {
        EXPECT_FALSE(sheet->Page(page)->IsInitialised()) << page;
    }
    // A value changed while the sheet is open is what a page shows when first opened.
    Put("ScaleHours", 20);
    OptionsPageWidget* view = ShowPage(kView);
    EXPECT_EQ(Get<QLineEdit>(view, IDC_SCALE_HOURS)->text(), "20");
    // Every page fits the handheld's width.
    for (int page = 0; page < 4; ++page) {
        EXPECT_LE(sheet->Page(page)->width(), 240) << page;
    }
}

TEST_F(OptionsSheet, GeneralPageThroughItsControls) {
    Put("AutoPowerOffAt", 42);
    Open();
    OptionsPageWidget* page = sheet->Page(kGeneral);
    auto* percent = Get<QLineEdit>(page, IDC_POWER_OFF_AT);
    EXPECT_EQ(percent->text(), "42");
    EXPECT_FALSE(percent->isEnabled());
    EXPECT_FALSE(page->Control(IDC_POWER_OFF_SPIN)->isEnabled());

    Click(page, IDC_AUTO_POWER_OFF);
    ASSERT_TRUE(percent->isEnabled());
    EXPECT_TRUE(page->Control(IDC_POWER_OFF_SPIN)->isEnabled());

    // Typing 150 and leaving the field shows 99.
    percent->setFocus();
    percent->selectAll();
    QTest::keyClicks(percent, "150");
    page->Control(IDC_AUTO_START)->setFocus();
    EXPECT_EQ(percent->text(), "99");
    percent->setFocus();
    percent->selectAll();
    QTest::keyClicks(percent, "0");
    QTest::keyClick(percent, Qt::Key_Tab);
    EXPECT_EQ(percent->text(), "1");

    Click(page, IDC_AUTO_START);
    Click(page, IDC_APPLY);
    Click(page, IDC_APPLY);
    EXPECT_EQ(Get("AutoPowerOff"), 1u);
    EXPECT_EQ(Get("AutoPowerOffAt"), 1u);
    EXPECT_EQ(Get("AutoStart"), 1u);
    EXPECT_EQ(shortcut.creates, 1);
    EXPECT_TRUE(messages.shown.empty());
}

// A non-number is told when the field is left and when "Auto power off at" is clicked, and
// the focus goes back to the field each time.
TEST_F(OptionsSheet, GeneralPageTellsANonNumberAsSoonAsTheFieldIsTaken) {
    Put("AutoPowerOff", 1);
    Open();
    OptionsPageWidget* page = sheet->Page(kGeneral);
    auto* percent = Get<QLineEdit>(page, IDC_POWER_OFF_AT);
    percent->setFocus();
    percent->selectAll();
    QTest::keyClicks(percent, "abc");
    QTest::keyClick(percent, Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Please enter an integer."});
    EXPECT_EQ(QApplication::focusWidget(), percent);
    EXPECT_EQ(percent->text(), "abc");

    percent->setText("5");
    page->Control(IDC_AUTO_START)->setFocus();
    QApplication::processEvents();
    percent->setText("x1");  // a field without the focus, taken by the click alone
    messages.shown.clear();
    Click(page, IDC_AUTO_POWER_OFF);
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Please enter an integer."});
    EXPECT_EQ(percent->text(), "x1");
    EXPECT_FALSE(percent->isEnabled());  // the box was unchecked all the same
    EXPECT_FALSE(Has("AutoPowerOffAt"));
}

TEST_F(OptionsSheet, UpDownStepsItsFieldAndWrapsAround) {
    Put("AutoPowerOff", 1);
    Put("AutoPowerOffAt", 98);
    Open();
    OptionsPageWidget* page = sheet->Page(kGeneral);
    auto* percent = Get<QLineEdit>(page, IDC_POWER_OFF_AT);
    QWidget* spin = page->Control(IDC_POWER_OFF_SPIN);
    // It sits at the field's right edge, at the field's height.
    EXPECT_EQ(spin->geometry().left(), percent->geometry().right() + 1);
    EXPECT_EQ(spin->geometry().top(), percent->geometry().top());
    EXPECT_EQ(spin->height(), percent->height());

    const QPoint up(spin->width() / 2, 2);
    const QPoint down(spin->width() / 2, spin->height() - 3);
    QTest::mouseClick(spin, Qt::LeftButton, {}, up);
    EXPECT_EQ(percent->text(), "99");
    QTest::mouseClick(spin, Qt::LeftButton, {}, up);
    EXPECT_EQ(percent->text(), "1");
    QTest::mouseClick(spin, Qt::LeftButton, {}, down);
    EXPECT_EQ(percent->text(), "99");
    percent->setFocus();
    QTest::keyClick(percent, Qt::Key_Down);
    EXPECT_EQ(percent->text(), "98");
}

TEST_F(OptionsSheet, ViewPageRefusesAnAbsentTimeScaleAndStoresSlotsInverted) {
    Open();
    OptionsPageWidget* page = ShowPage(kView);
    for (int id : {IDC_SHOW_REF1, IDC_SHOW_REF2, IDC_SHOW_REF3, IDC_SHOW_VGRID, IDC_SHOW_HGRID,
                   IDC_SHOW_DETAILED_GRID, IDC_DRAW_ESTIMATIONS}) {
        EXPECT_TRUE(Get<QCheckBox>(page, id)->isChecked()) << id;
    }
    auto* hours = Get<QLineEdit>(page, IDC_SCALE_HOURS);
    EXPECT_EQ(hours->text(), "0");

    Click(page, IDC_SHOW_REF2);
    Click(page, IDC_APPLY);
    EXPECT_EQ(messages.shown,
              std::vector<std::string>{"Please enter an integer between 1 and 50."});
    EXPECT_EQ(QApplication::focusWidget(), hours);
    EXPECT_FALSE(Has("ShowRef2"));
    EXPECT_FALSE(Has("ScaleHours"));

    QTest::keyClicks(hours, "8");  // the refused entry was selected, so this replaces it
    Click(page, IDC_APPLY);
    EXPECT_EQ(Get("ScaleHours"), 8u);
    EXPECT_EQ(Get("ShowRef2"), 1u);
    EXPECT_EQ(Get("ShowRef1"), 0u);
    Click(page, IDC_SHOW_REF2);
    Click(page, IDC_APPLY);
    EXPECT_EQ(Get("ShowRef2"), 0u);
}

TEST_F(OptionsSheet, AColourChosenAndClosedWithoutApplyIsNotStored) {
    Put("ColorSess", 0x0000FF);
    Open();
    OptionsPageWidget* page = ShowPage(kColors);
    auto* picker = Get<CColourPicker>(page, IDC_COLOR_SESS);
    EXPECT_EQ(picker->GetColour(), 0x0000FFu);
    EXPECT_EQ(picker->text(), "...");

    // A choice in the palette: open it, move to the second cell, accept.
    QTest::mouseClick(picker, Qt::LeftButton);
    ASSERT_TRUE(picker->IsPopupOpen());
    ChooseSecondCell(picker);
    const COLORREF chosen = picker->GetColour();
    ASSERT_NE(chosen, 0x0000FFu);

    Click(page, IDC_CLOSE);
    EXPECT_FALSE(sheet->isVisible());
    EXPECT_EQ(sheet->result(), QDialog::Rejected);
    EXPECT_EQ(Get("ColorSess"), 0x0000FFu);

    // Applied in a new sheet, it is stored with the other seven as they are.
    Open();
    page = ShowPage(kColors);
    picker = Get<CColourPicker>(page, IDC_COLOR_SESS);
    QTest::mouseClick(picker, Qt::LeftButton);
    ChooseSecondCell(picker);
    Click(page, IDC_APPLY);
    EXPECT_EQ(Get("ColorSess"), chosen);
    EXPECT_TRUE(Has("ColorStatus"));
    EXPECT_EQ(Get("ColorStatus"), 0u);
}

TEST_F(OptionsSheet, SessionsPageLimitsTheFolderAndRunsModallyUntilClosed) {
    store.WriteString("SavePath", "\\My Documents");
    Put("AutoStartSessions", 1);
    // Run the sheet as the main window does; a page's Close ends it.
    std::string shownPath;
    bool autoSave = false;
    bool autoStart = true;
    int maxLength = 0;
    QTimer::singleShot(0, [&] {
        auto* modal = qobject_cast<CDlgOptions*>(QApplication::activeModalWidget());
        ASSERT_NE(modal, nullptr);
        modal->Tabs()->setCurrentIndex(kSessions);
        QApplication::processEvents();
        OptionsPageWidget* page = modal->Page(kSessions);
        auto* path = Get<QLineEdit>(page, IDC_SAVE_PATH);
        shownPath = path->text().toStdString();
        maxLength = path->maxLength();
        autoSave = Get<QCheckBox>(page, IDC_AUTO_SAVE_SESSIONS)->isChecked();
        autoStart = Get<QCheckBox>(page, IDC_AUTO_START_SESSIONS)->isChecked();
        path->setText("\\Logs");
        Click(page, IDC_AUTO_START_SESSIONS);
        Click(page, IDC_APPLY);
        Click(page, IDC_CLOSE);
    });
    EXPECT_EQ(RunOptionsSheet(nullptr, store, static_cast<IStartupShortcut&>(shortcut)),
              QDialog::Rejected);
    EXPECT_EQ(shownPath, "\\My Documents");
    EXPECT_EQ(maxLength, 199);
    EXPECT_TRUE(autoSave);
    EXPECT_FALSE(autoStart);
    EXPECT_EQ(store.ReadString("SavePath"), "\\Logs");
    EXPECT_EQ(Get("AutoStartSessions"), 0u);
    EXPECT_EQ(Get("AutoSaveSessions"), 0u);
}

}  // namespace
}  // namespace torvane::test

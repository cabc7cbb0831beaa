// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <memory>
#include <utility>
#include <vector>

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include "options/CColourGridPopup.h"
#include "options/CColourPicker.h"
#include "options/SystemColours.h"
#include "options/logic/ColourTable.h"
#include "options/logic/PickMessages.h"

namespace torvane::test {
namespace {

constexpr int kControlId = 1021;
constexpr COLORREF kBlue = 0xFF0000;  // cell 13 of the palette

struct Received {
    unsigned message;
    COLORREF colour;
    int controlId;
    bool operator==(const Received&) const = default;
};

void PrintTo(const Received& r, std::ostream* os) {
    *os << "{" << r.message << ", 0x" << std::hex << r.colour << std::dec << ", " << r.controlId
        << "}";
}

// A page with one picker on it, recording what the picker tells it.
class PickerOnPage : public ::testing::Test {
protected:
    void SetUp() override {
        page = std::make_unique<QWidget>();
        page->resize(240, 320);
        picker = new CColourPicker(QStringLiteral("Text"), QRect(20, 40, 80, 14), page.get(),
                                   kControlId);
        picker->SetColour(kBlue);
        QObject::connect(picker, &CColourPicker::pickNotification,
                         [this](unsigned message, COLORREF colour, int id) {
                             received.push_back({message, colour, id});
                         });
        page->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
    }

    CColourGridPopup* Open() {
        QTest::mouseClick(picker, Qt::LeftButton, {}, picker->rect().center());
        CColourGridPopup* popup = picker->Popup();
        EXPECT_TRUE(popup->isVisible());
        EXPECT_TRUE(picker->IsPopupOpen());
        return popup;
    }

    void Keys(CColourGridPopup* popup, std::initializer_list<Qt::Key> keys) {
        for (Qt::Key key : keys) {
            QTest::keyClick(popup, key);
        }
    }

    static QPoint Centre(CColourGridPopup* popup, int box) { return popup->BoxRect(box).center(); }

    std::unique_ptr<QWidget> page;
    CColourPicker* picker = nullptr;
    std::vector<Received> received;
};

TEST_F(PickerOnPage, SizesItselfOnCreation) {
    EXPECT_EQ(picker->geometry(), QRect(20, 40, 80, 20));
    EXPECT_EQ(picker->ArrowRect(), QRect(62, 2, 16, 16));
    picker->AttachAt(QRect(5, 6, 33, 18), 1022);
    EXPECT_EQ(picker->geometry(), QRect(5, 6, 36, 20));
    EXPECT_EQ(picker->GetDlgCtrlID(), 1022);
}

TEST_F(PickerOnPage, OpensBelowItselfMarkingItsColour) {
    CColourGridPopup* popup = Open();
    EXPECT_EQ(popup->geometry().topLeft(), picker->mapToGlobal(QPoint(0, picker->height())));
    EXPECT_EQ(popup->Model().ChosenSelection(), 13);
    EXPECT_EQ(popup->Model().CurrentSelection(), kNoBox);
    EXPECT_EQ(received, (std::vector<Received>{{MSG_PICK_OPEN, kBlue, kControlId}}));
    QTest::keyClick(popup, Qt::Key_Escape);
}

TEST_F(PickerOnPage, KeysMoveThenEnterAccepts) {
    CColourGridPopup* popup = Open();
    // No highlight: Down goes to Cancel, then Automatic, then the first cell; Right to cell 1.
    Keys(popup, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right});
    EXPECT_EQ(popup->Model().CurrentSelection(), 1);
    EXPECT_EQ(picker->GetColour(), kBlue);  // moving does not change the picker
    QTest::keyClick(popup, Qt::Key_Return);

    const COLORREF brown = ColourTable()[1].crColour;
    EXPECT_EQ(received, (std::vector<Received>{{MSG_PICK_OPEN, kBlue, kControlId},
                                               {MSG_PICK_CHANGE, kBlue, kControlId},
                                               {MSG_PICK_CHANGE, kAutomaticColour, kControlId},
                                               {MSG_PICK_CHANGE, 0x000000, kControlId},
                                               {MSG_PICK_CHANGE, brown, kControlId},
                                               {MSG_PICK_CLOSE, brown, kControlId},
                                               {MSG_PICK_ACCEPT, brown, kControlId}}));
    EXPECT_EQ(picker->GetColour(), brown);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_FALSE(picker->IsPopupOpen());
}

TEST_F(PickerOnPage, EscapeCancelsAndRestores) {
    CColourGridPopup* popup = Open();
    Keys(popup, {Qt::Key_Up, Qt::Key_Down, Qt::Key_Escape});
    EXPECT_EQ(received, (std::vector<Received>{{MSG_PICK_OPEN, kBlue, kControlId},
                                               {MSG_PICK_CHANGE, kAutomaticColour, kControlId},
                                               {MSG_PICK_CHANGE, 0x000000, kControlId},
                                               {MSG_PICK_CLOSE, kBlue, kControlId},
                                               {MSG_PICK_CANCEL, kBlue, kControlId}}));
    EXPECT_EQ(picker->GetColour(), kBlue);
    EXPECT_FALSE(popup->isVisible());
}

TEST_F(PickerOnPage, TapOnACellAccepts) {
    CColourGridPopup* popup = Open();
    QTest::mousePress(popup, Qt::LeftButton, {}, Centre(popup, 20));
    QTest::mouseRelease(popup, Qt::LeftButton, {}, Centre(popup, 20));
    const COLORREF aqua = ColourTable()[20].crColour;
    EXPECT_EQ(received, (std::vector<Received>{{MSG_PICK_OPEN, kBlue, kControlId},
                                               {MSG_PICK_CHANGE, aqua, kControlId},
                                               {MSG_PICK_CLOSE, aqua, kControlId},
                                               {MSG_PICK_ACCEPT, aqua, kControlId}}));
    EXPECT_EQ(picker->GetColour(), aqua);
    EXPECT_FALSE(popup->isVisible());
}

TEST_F(PickerOnPage, TapOnAutomaticYieldsTheAutomaticColour) {
    CColourGridPopup* popup = Open();
    QTest::mouseClick(popup, Qt::LeftButton, {}, Centre(popup, kAutomaticBox));
    EXPECT_EQ(picker->GetColour(), kAutomaticColour);
    EXPECT_EQ(received.back(), (Received{MSG_PICK_ACCEPT, kAutomaticColour, kControlId}));
}

TEST_F(PickerOnPage, TapOutsideCancelsWithoutSelecting) {
    CColourGridPopup* popup = Open();
    const QPoint outside(-20, popup->height() / 2);
    QTest::mousePress(popup, Qt::LeftButton, {}, outside);
    EXPECT_TRUE(popup->isVisible());  // the press alone does not close it
    EXPECT_EQ(popup->Model().CurrentSelection(), kNoBox);
    QTest::mouseRelease(popup, Qt::LeftButton, {}, outside);
    EXPECT_EQ(received, (std::vector<Received>{{MSG_PICK_OPEN, kBlue, kControlId},
                                               {MSG_PICK_CLOSE, kBlue, kControlId},
                                               {MSG_PICK_CANCEL, kBlue, kControlId}}));
    EXPECT_FALSE(popup->isVisible());
}

TEST_F(PickerOnPage, PressOnACellAndLiftOutsideCancels) {
    CColourGridPopup* popup = Open();
    QTest::mousePress(popup, Qt::LeftButton, {}, Centre(popup, 0));
    QTest::mouseRelease(popup, Qt::LeftButton, {}, QPoint(popup->width() + 10, 5));
    EXPECT_EQ(received, (std::vector<Received>{{MSG_PICK_OPEN, kBlue, kControlId},
                                               {MSG_PICK_CHANGE, 0x000000, kControlId},
                                               {MSG_PICK_CLOSE, kBlue, kControlId},
                                               {MSG_PICK_CANCEL, kBlue, kControlId}}));
    EXPECT_EQ(picker->GetColour(), kBlue);
}

TEST_F(PickerOnPage, SecondClickClosesAsCancel) {
    CColourGridPopup* popup = Open();
    QTest::keyClick(popup, Qt::Key_Right);  // Cancel box
    QTest::keyClick(popup, Qt::Key_Right);  // Automatic box
    picker->SetColour(0x123456);            // set while open: the cancel still restores
    picker->click();
    EXPECT_FALSE(popup->isVisible());
    EXPECT_FALSE(picker->IsPopupOpen());
    EXPECT_EQ(picker->GetColour(), kBlue);
    ASSERT_EQ(received.size(), 5u);
    EXPECT_EQ(received[3], (Received{MSG_PICK_CLOSE, kBlue, kControlId}));
    EXPECT_EQ(received[4], (Received{MSG_PICK_CANCEL, kBlue, kControlId}));
}

TEST_F(PickerOnPage, ClosedFromOutsideCountsAsCancel) {
    CColourGridPopup* popup = Open();
    popup->close();
    EXPECT_FALSE(picker->IsPopupOpen());
    EXPECT_EQ(received.back(), (Received{MSG_PICK_CANCEL, kBlue, kControlId}));
    // And the picker opens again afterwards.
    Open();
    QTest::keyClick(picker->Popup(), Qt::Key_Escape);
}

// The painted palette shows the table's colours the right way round, marks the opening
// colour's cell with the light fill, and the picker's swatch follows its colour.
TEST_F(PickerOnPage, PaintsTheColours) {
    CColourGridPopup* popup = Open();
    const QImage palette = popup->grab().toImage();
    const std::pair<int, QColor> samples[] = {{1, QColor(165, 42, 0)},
                                              {9, QColor(255, 104, 32)},
                                              {13, QColor(0, 0, 255)},
                                              {16, QColor(255, 0, 0)},
                                              {39, QColor(255, 255, 255)}};
    for (const auto& [cell, expected] : samples) {
        EXPECT_EQ(palette.pixelColor(Centre(popup, cell)), expected) << "cell " << cell;
    }
    const SystemColours colours = SystemColours::FromPalette(popup->palette());
    const QPoint markedCorner = popup->BoxRect(13).topLeft() + QPoint(2, 2);
    EXPECT_EQ(palette.pixelColor(markedCorner), colours.highlight3d);
    const QPoint plainCorner = popup->BoxRect(12).topLeft() + QPoint(2, 2);
    EXPECT_EQ(palette.pixelColor(plainCorner), colours.buttonFace);
    QTest::keyClick(popup, Qt::Key_Escape);

    const QPoint swatch(10, picker->height() / 2);
    picker->setText(QString());
    EXPECT_EQ(picker->grab().toImage().pixelColor(swatch), QColor(0, 0, 255));
    picker->SetColour(kAutomaticColour);
    EXPECT_EQ(picker->grab().toImage().pixelColor(swatch), colours.buttonFace);
    picker->SetColour(0x0000FF);
    picker->setEnabled(false);
    EXPECT_EQ(picker->grab().toImage().pixelColor(swatch), colours.buttonFace);
}

}  // namespace
}  // namespace torvane::test

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/logic/ColourGridModel.h"

#include <gtest/gtest.h>

#include "options/logic/PickMessages.h"

namespace torvane {
namespace {

constexpr CaptionExtent kCaption{55, 13};
constexpr PaletteRect kScreen{0, 0, 240, 320};
constexpr COLORREF kOwnColour = 0x7F0000;
constexpr COLORREF kBlue = 0xFF0000;  // cell 13

ColourGridModel Opened(COLORREF colour, bool automatic = true, bool cancel = true) {
    ColourGridModel model(2);
    model.Open(colour, 0, 0, automatic ? std::optional(kCaption) : std::nullopt,
               cancel ? std::optional(kCaption) : std::nullopt, kScreen, 20);
    return model;
}

TEST(PaletteTable, FortyNamedColoursInRowOrder) {
    const auto& table = ColourTable();
    EXPECT_EQ(table[0].crColour, 0x000000u);
    EXPECT_STREQ(table[0].szName, "Black");
    EXPECT_EQ(table[9].crColour, 0x2068FFu);
    EXPECT_STREQ(table[9].szName, "Orange");
    EXPECT_STREQ(table[35].szName, "Pale green ");
    EXPECT_EQ(table[39].crColour, 0xFFFFFFu);
    EXPECT_EQ(FindTableColour(kBlue), 13);
    EXPECT_EQ(FindTableColour(kOwnColour), -1);
    EXPECT_EQ(FindTableColour(kAutomaticColour), -1);
}

TEST(PaletteOpening, MarksTheBoxOfTheOpeningColourAndHighlightsNothing) {
    auto table = Opened(kBlue);
    EXPECT_EQ(table.ChosenSelection(), 13);
    EXPECT_EQ(table.CurrentSelection(), kNoBox);
    EXPECT_EQ(table.Look(13), (BoxLook{true, BoxEdge::SunkenOuter}));
    EXPECT_EQ(table.Look(12), (BoxLook{false, BoxEdge::None}));

    EXPECT_EQ(Opened(kAutomaticColour).ChosenSelection(), kAutomaticBox);
    EXPECT_EQ(Opened(kOwnColour).ChosenSelection(), kCancelBox);

    // Without the box that would stand for it, nothing is marked.
    EXPECT_EQ(Opened(kAutomaticColour, false, true).ChosenSelection(), kCancelBox);
    EXPECT_EQ(Opened(kAutomaticColour, false, false).ChosenSelection(), kNoBox);
    EXPECT_EQ(Opened(kOwnColour, true, false).ChosenSelection(), kNoBox);
}

TEST(PaletteOpening, EveryOpeningStartsAfresh) {
    ColourGridModel model(2);
    model.Open(kBlue, 0, 0, kCaption, kCaption, kScreen, 20);
    model.KeyDown(VK_RIGHT);
    model.KeyDown(VK_RIGHT);
    model.Open(0x000000, 0, 0, kCaption, kCaption, kScreen, 20);
    EXPECT_EQ(model.CurrentSelection(), kNoBox);
    EXPECT_EQ(model.ChosenSelection(), 0);
    EXPECT_EQ(model.CurrentColour(), 0x000000u);
}

TEST(PaletteSelection, EachMoveReportsTheColourOfItsBox) {
    auto model = Opened(kOwnColour);
    auto first = model.KeyDown(VK_DOWN);  // no selection: the Cancel box
    EXPECT_EQ(first.action, GridAction::Change);
    EXPECT_EQ(first.selection, kCancelBox);
    EXPECT_EQ(first.lostHighlight, kNoBox);
    EXPECT_EQ(first.colour, kOwnColour);

    auto automatic = model.KeyDown(VK_DOWN);
    EXPECT_EQ(automatic.selection, kAutomaticBox);
    EXPECT_EQ(automatic.lostHighlight, kCancelBox);
    EXPECT_EQ(automatic.colour, kAutomaticColour);

    auto cell = model.KeyDown(VK_DOWN);
    EXPECT_EQ(cell.selection, 0);
    EXPECT_EQ(cell.lostHighlight, kAutomaticBox);
    EXPECT_EQ(cell.colour, 0x000000u);
    EXPECT_EQ(model.Look(0), (BoxLook{false, BoxEdge::RaisedInner}));
    // The mark of the opening colour's box shows again once the highlight left it.
    EXPECT_EQ(model.Look(kCancelBox), (BoxLook{true, BoxEdge::SunkenOuter}));
}

TEST(PaletteSelection, OutOfRangeMeansCancel) {
    auto model = Opened(kOwnColour);
    auto outcome = model.ChangeSelection(40);
    EXPECT_EQ(outcome.selection, kCancelBox);
    EXPECT_EQ(outcome.colour, kOwnColour);
}

TEST(PaletteEnding, EnterOnCancelAcceptsTheOpeningColour) {
    auto model = Opened(kBlue);
    model.KeyDown(VK_UP);    // Automatic
    model.KeyDown(VK_DOWN);  // cell 0
    model.KeyDown(VK_LEFT);  // Automatic
    model.KeyDown(VK_LEFT);  // Cancel
    auto end = model.KeyDown(VK_RETURN);
    EXPECT_EQ(end.action, GridAction::Accept);
    EXPECT_EQ(end.colour, kBlue);
}

TEST(PaletteEnding, EnterAndSpaceKeepWhatIsHighlighted) {
    EXPECT_EQ(Opened(kBlue).KeyDown(VK_RETURN).colour, kBlue);
    auto spaced = Opened(kBlue);
    spaced.KeyDown(VK_UP);  // Automatic
    auto space = spaced.KeyDown(VK_SPACE);
    EXPECT_EQ(space.action, GridAction::Accept);
    EXPECT_EQ(space.colour, kAutomaticColour);

    EXPECT_EQ(Opened(kBlue).KeyDown('A').action, GridAction::None);
}

TEST(PaletteStylus, APressOnTheHighlightedBoxReportsNothingAndTheMarginIsThePalette) {
    auto model = Opened(kBlue);
    const PaletteRect cell = model.Geometry().BoxRect(20);
    EXPECT_EQ(model.StylusDown(cell.left + 5, cell.top + 5).selection, 20);
    EXPECT_EQ(model.StylusDown(cell.left + 6, cell.top + 6).action, GridAction::None);
    // The margin inside the frame is still the palette: lifting there accepts.
    EXPECT_EQ(Opened(kBlue).StylusUp(0, 0).action, GridAction::Accept);
}

}  // namespace
}  // namespace torvane

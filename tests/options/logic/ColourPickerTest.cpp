#include <gtest/gtest.h>

#include "options/logic/ColourPickerGeometry.h"
#include "options/logic/ColourPickerState.h"
#include "options/logic/PickMessages.h"

namespace torvane {
namespace {

constexpr EdgeMetrics kEdge{2, 2};

TEST(PickerSizing, ArrowAndButtonSize) {
    EXPECT_EQ(PickerArrowSize(kEdge), 16);
    EXPECT_EQ(PickerArrowSize(EdgeMetrics{4, 2}), 20);
    EXPECT_EQ(PickerArrowSize(EdgeMetrics{2, 5}), 25);

    // A narrow template control widens to twice the arrow with its edge; height is fixed.
    PickerSize narrow = PickerButtonSize(33, kEdge);
    EXPECT_EQ(narrow.width, 36);
    EXPECT_EQ(narrow.height, 20);
    PickerSize wide = PickerButtonSize(100, kEdge);
    EXPECT_EQ(wide.width, 100);
    EXPECT_EQ(wide.height, 20);
    EXPECT_EQ(PickerButtonSize(10, EdgeMetrics{4, 3}).height, 26);
}

TEST(PickerSizing, ArrowAtTheRightAndSwatchBesideIt) {
    const PaletteRect client{0, 0, 100, 20};
    const PaletteRect arrow = PickerArrowRect(client, kEdge);
    EXPECT_EQ(arrow, (PaletteRect{82, 2, 98, 18}));
    EXPECT_EQ(PickerSwatchRect(client, arrow, kEdge), (PaletteRect{4, 4, 80, 16}));
}

TEST(PickerSwatch, AutomaticAndDisabledShowTheButtonFace) {
    constexpr COLORREF kFace = 0xEFEFEF;
    EXPECT_EQ(PickerSwatchColour(0x0000FF, true, kFace), 0x0000FFu);
    EXPECT_EQ(PickerSwatchColour(kAutomaticColour, true, kFace), kFace);
    EXPECT_EQ(PickerSwatchColour(0x0000FF, false, kFace), kFace);
}

using Sent = std::vector<PickNotification>;

TEST(PickerNotifications, AcceptKeepsTheColourAndClosesFirst) {
    ColourPickerState state(0x00FF00);
    EXPECT_EQ(state.BeginOpen(), 0x00FF00u);
    EXPECT_TRUE(state.PopupOpen());
    EXPECT_EQ(state.Opened(), (Sent{{MSG_PICK_OPEN, 0x00FF00}}));
    // Moving through the palette tells the owner but leaves the colour alone.
    EXPECT_EQ(state.Change(0x0000FF), (Sent{{MSG_PICK_CHANGE, 0x0000FF}}));
    EXPECT_EQ(state.Colour(), 0x00FF00u);
    EXPECT_EQ(state.Accept(0x0000FF),
              (Sent{{MSG_PICK_CLOSE, 0x0000FF}, {MSG_PICK_ACCEPT, 0x0000FF}}));
    EXPECT_EQ(state.Colour(), 0x0000FFu);
    EXPECT_FALSE(state.PopupOpen());
}

TEST(PickerNotifications, CancelRestoresTheColourAtOpening) {
    ColourPickerState state(kAutomaticColour);
    state.BeginOpen();
    state.SetColour(0x123456);
    EXPECT_EQ(state.ColourAtOpening(), kAutomaticColour);
    EXPECT_EQ(state.Cancel(state.ColourAtOpening()),
              (Sent{{MSG_PICK_CLOSE, kAutomaticColour}, {MSG_PICK_CANCEL, kAutomaticColour}}));
    EXPECT_EQ(state.Colour(), kAutomaticColour);
    EXPECT_FALSE(state.PopupOpen());
}

}  // namespace
}  // namespace torvane

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/logic/ColourGridGeometry.h"

#include <gtest/gtest.h>

namespace torvane {
namespace {

// Captions as an 11-pixel font measures them; the palette's margin is 2, its cells 18.
constexpr CaptionExtent kAutomatic{55, 13};
constexpr CaptionExtent kCancel{34, 13};
constexpr PaletteRect kScreen{0, 0, 240, 320};

ColourGridGeometry Sized(std::optional<CaptionExtent> automatic,
                         std::optional<CaptionExtent> cancel, int left = 10, int top = 30) {
    ColourGridGeometry geometry(2);
    geometry.Size(left, top, automatic, cancel, kScreen, 20);
    return geometry;
}

TEST(ColourGridSizing, BothBoxesStackAboveAndBelowTheGrid) {
    auto g = Sized(kAutomatic, kCancel);
    EXPECT_EQ(g.BoxSize(), 18);
    EXPECT_EQ(g.Columns(), 8);
    EXPECT_EQ(g.Rows(), 5);
    // Caption height 13 + 4 x 2 + 2 = 23; each box adds 2 x 2 + (2 + 23) to the 94-pixel grid.
    EXPECT_EQ(g.BoxRect(kAutomaticBox), (PaletteRect{2, 2, 146, 27}));
    EXPECT_EQ(g.BoxRect(kCancelBox), (PaletteRect{2, 123, 146, 148}));
    EXPECT_EQ(g.WindowRect(), (PaletteRect{10, 30, 158, 182}));
    EXPECT_EQ(g.BoxRect(0), (PaletteRect{2, 29, 20, 47}));
    EXPECT_EQ(g.BoxRect(39), (PaletteRect{128, 101, 146, 119}));
}

TEST(ColourGridSizing, OneBoxOrNone) {
    auto automaticOnly = Sized(kAutomatic, std::nullopt);
    EXPECT_EQ(automaticOnly.WindowRect(), (PaletteRect{10, 30, 158, 153}));
    EXPECT_EQ(automaticOnly.BoxRect(0), (PaletteRect{2, 29, 20, 47}));
    EXPECT_FALSE(automaticOnly.HasCancel());

    auto cancelOnly = Sized(std::nullopt, kCancel);
    EXPECT_EQ(cancelOnly.WindowRect(), (PaletteRect{10, 30, 158, 153}));
    EXPECT_EQ(cancelOnly.BoxRect(kCancelBox), (PaletteRect{2, 94, 146, 119}));
    EXPECT_EQ(cancelOnly.BoxRect(0), (PaletteRect{2, 2, 20, 20}));

    auto none = Sized(std::nullopt, std::nullopt);
    EXPECT_EQ(none.WindowRect(), (PaletteRect{10, 30, 158, 124}));
    EXPECT_EQ(none.BoxRect(9), (PaletteRect{20, 20, 38, 38}));
}

TEST(ColourGridSizing, WideCaptionWidensTheWindowAndBothBoxes) {
    auto g = Sized(CaptionExtent{200, 13}, kCancel);
    EXPECT_EQ(g.WindowRect().Width(), 204);
    EXPECT_EQ(g.BoxRect(kAutomaticBox), (PaletteRect{2, 2, 202, 27}));
    EXPECT_EQ(g.BoxRect(kCancelBox), (PaletteRect{2, 123, 202, 148}));
    // The grid itself stays at the left.
    EXPECT_EQ(g.BoxRect(7), (PaletteRect{128, 29, 146, 47}));
}

TEST(ColourGridSizing, WideEdgesGrowTheCells) {
    EXPECT_EQ(ColourGridGeometry(5).BoxSize(), 18);  // 18 - 12 leaves 6
    EXPECT_EQ(ColourGridGeometry(6).BoxSize(), 19);  // 18 - 14 leaves 4: 2 x 6 + 7
}

TEST(ColourGridClamping, RightEdgeShiftsLeftBottomEdgeGoesAbovePicker) {
    // 148 wide from x = 200 would end at 348: moved so that it ends at the screen's edge.
    auto right = Sized(kAutomatic, kCancel, 200, 30);
    EXPECT_EQ(right.WindowRect(), (PaletteRect{92, 30, 240, 182}));

    // 152 tall from y = 250 would pass 320: it stands above the 20-pixel picker instead.
    auto low = Sized(kAutomatic, kCancel, 10, 250);
    EXPECT_EQ(low.WindowRect(), (PaletteRect{10, 78, 158, 230}));

    // Exactly fitting stays where it is.
    auto fits = Sized(kAutomatic, kCancel, 92, 168);
    EXPECT_EQ(fits.WindowRect(), (PaletteRect{92, 168, 240, 320}));

    auto left = Sized(std::nullopt, std::nullopt, -30, 10);
    EXPECT_EQ(left.WindowRect().left, 0);
}

TEST(ColourGridClamping, ScreenThatDoesNotStartAtZero) {
    ColourGridGeometry g(2);
    g.Size(1900, 1000, kAutomatic, kCancel, PaletteRect{1280, 0, 2000, 1080}, 24);
    EXPECT_EQ(g.WindowRect(), (PaletteRect{1852, 824, 2000, 976}));
}

TEST(ColourGridHitTest, LowestMarginRowsBelongToTheNextRowWithTheAutomaticBox) {
    auto g = Sized(kAutomatic, kCancel);
    // Cell 0 spans y 29..46; its two lowest rows count as row 1.
    EXPECT_EQ(g.HitTest(10, 29), 0);
    EXPECT_EQ(g.HitTest(10, 44), 0);
    EXPECT_EQ(g.HitTest(10, 45), 8);
    EXPECT_EQ(g.HitTest(10, 46), 8);
    // Below the last row there is nothing to move into.
    EXPECT_EQ(g.HitTest(130, 116), 39);
    EXPECT_EQ(g.HitTest(130, 117), std::nullopt);
    EXPECT_EQ(g.HitTest(130, 118), std::nullopt);
    // Columns have no such shift: the margin is taken off both ways.
    EXPECT_EQ(g.HitTest(19, 30), 0);
    EXPECT_EQ(g.HitTest(20, 30), 1);
}

TEST(ColourGridHitTest, WithoutAutomaticBoxEveryPixelOfACellSelectsIt) {
    auto g = Sized(std::nullopt, kCancel);
    for (int cell : {0, 7, 20, 39}) {
        PaletteRect r = g.BoxRect(cell);
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) {
                ASSERT_EQ(g.HitTest(x, y), cell) << x << "," << y;
            }
        }
    }
}

TEST(ColourGridHitTest, BoxesMarginsAndOutside) {
    auto g = Sized(kAutomatic, kCancel);
    EXPECT_EQ(g.HitTest(10, 10), kAutomaticBox);
    EXPECT_EQ(g.HitTest(10, 130), kCancelBox);
    // The tap is moved up and left by the margin before it meets the boxes, so the top two
    // rows of the Cancel box and the last rows below it select nothing ...
    EXPECT_EQ(g.HitTest(10, 124), std::nullopt);
    EXPECT_EQ(g.HitTest(10, 149), kCancelBox);
    EXPECT_EQ(g.HitTest(10, 150), std::nullopt);
    // ... and the left margin beside the Automatic box truncates into the first row.
    EXPECT_EQ(g.HitTest(3, 20), 0);
    // The right margin is past the last column.
    EXPECT_EQ(g.HitTest(147, 40), std::nullopt);
    // Outside the palette nothing is selected, even where the division would truncate to 0.
    EXPECT_EQ(g.HitTest(-5, 40), std::nullopt);
    EXPECT_EQ(g.HitTest(10, -3), std::nullopt);
    EXPECT_EQ(g.HitTest(148, 40), std::nullopt);
    EXPECT_EQ(g.HitTest(10, 152), std::nullopt);
}

}  // namespace
}  // namespace torvane

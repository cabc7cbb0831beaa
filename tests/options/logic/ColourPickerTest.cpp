// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "options/logic/ColourPickerGeometry.h"

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

}  // namespace
}  // namespace torvane

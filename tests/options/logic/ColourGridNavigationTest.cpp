// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/logic/ColourGridNavigation.h"

#include <gtest/gtest.h>

#include "options/logic/PickMessages.h"

namespace torvane {
namespace {

GridShape Shape(bool automatic, bool cancel) {
    GridShape shape;
    shape.automatic = automatic;
    shape.cancel = cancel;
    return shape;
}

const GridShape kBoth = Shape(true, true);
const GridShape kAutomaticOnly = Shape(true, false);
const GridShape kCancelOnly = Shape(false, true);
const GridShape kNeither = Shape(false, false);

struct Moves {
    int down;
    int up;
    int right;
    int left;
};

void ExpectMoves(int from, const GridShape& shape, Moves expected) {
    EXPECT_EQ(NavigationTarget(VK_DOWN, from, shape), expected.down) << "Down from " << from;
    EXPECT_EQ(NavigationTarget(VK_UP, from, shape), expected.up) << "Up from " << from;
    EXPECT_EQ(NavigationTarget(VK_RIGHT, from, shape), expected.right) << "Right from " << from;
    EXPECT_EQ(NavigationTarget(VK_LEFT, from, shape), expected.left) << "Left from " << from;
}

TEST(PaletteKeys, FromNoSelection) {
    ExpectMoves(kNoBox, kBoth, {kCancelBox, kAutomaticBox, kCancelBox, kAutomaticBox});
    ExpectMoves(kNoBox, kAutomaticOnly,
                {kAutomaticBox, kAutomaticBox, kAutomaticBox, kAutomaticBox});
    ExpectMoves(kNoBox, kCancelOnly, {kCancelBox, kCancelBox, kCancelBox, kCancelBox});
    ExpectMoves(kNoBox, kNeither, {0, 39, 0, 39});
}

TEST(PaletteKeys, FromTheBoxes) {
    ExpectMoves(kAutomaticBox, kBoth, {0, kCancelBox, 0, kCancelBox});
    ExpectMoves(kAutomaticBox, kAutomaticOnly, {0, 39, 0, 39});
    ExpectMoves(kCancelBox, kBoth, {kAutomaticBox, 39, kAutomaticBox, 39});
    ExpectMoves(kCancelBox, kCancelOnly, {0, 39, 0, 39});
}

TEST(PaletteKeys, FromFirstAndLastCell) {
    ExpectMoves(0, kBoth, {8, kAutomaticBox, 1, kAutomaticBox});
    ExpectMoves(0, kCancelOnly, {8, kCancelBox, 1, kCancelBox});
    ExpectMoves(0, kNeither, {8, 39, 1, 39});

    ExpectMoves(39, kBoth, {kCancelBox, 31, kCancelBox, 38});
    ExpectMoves(39, kAutomaticOnly, {kAutomaticBox, 31, kAutomaticBox, 38});
    ExpectMoves(39, kNeither, {0, 31, 0, 38});
}

TEST(PaletteKeys, RowEndsWrapToTheNeighbouringRow) {
    ExpectMoves(7, kBoth, {15, kAutomaticBox, 8, 6});
    ExpectMoves(8, kBoth, {16, 0, 9, 7});
    ExpectMoves(32, kBoth, {kCancelBox, 24, 33, 31});
    ExpectMoves(15, kNeither, {23, 7, 16, 14});
}

TEST(PaletteKeys, BothBoxesMakeTheKeysCycle) {
    // Down through a column, then Cancel, Automatic, and back to the first cell.
    int at = 3;
    std::vector<int> visited;
    for (int i = 0; i < 8; ++i) {
        at = *NavigationTarget(VK_DOWN, at, kBoth);
        visited.push_back(at);
    }
    EXPECT_EQ(visited, (std::vector<int>{11, 19, 27, 35, kCancelBox, kAutomaticBox, 0, 8}));

    // Right visits all 40 cells and both boxes before it comes back.
    at = 0;
    int steps = 0;
    do {
        at = *NavigationTarget(VK_RIGHT, at, kBoth);
        ++steps;
    } while (at != 0 && steps < 100);
    EXPECT_EQ(steps, 42);

    // Left runs the same circle backwards.
    at = 0;
    visited.clear();
    for (int i = 0; i < 3; ++i) {
        at = *NavigationTarget(VK_LEFT, at, kBoth);
        visited.push_back(at);
    }
    EXPECT_EQ(visited, (std::vector<int>{kAutomaticBox, kCancelBox, 39}));
}

TEST(PaletteKeys, OtherKeysHaveNoTarget) {
    EXPECT_EQ(NavigationTarget(VK_RETURN, 5, kBoth), std::nullopt);
    EXPECT_EQ(NavigationTarget(VK_ESCAPE, 5, kBoth), std::nullopt);
    EXPECT_EQ(NavigationTarget('A', kNoBox, kBoth), std::nullopt);
}

}  // namespace
}  // namespace torvane

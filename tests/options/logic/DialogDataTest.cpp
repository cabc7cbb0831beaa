// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <optional>

#include "options/logic/CDataExchange.h"
#include "options/logic/UpDownLogic.h"

namespace torvane::test {
namespace {

TEST(DialogData, ParsesWholeNumbersWithBlanksAndSignOnly) {
    EXPECT_EQ(ParseDialogInt("42"), 42);
    EXPECT_EQ(ParseDialogInt(" \t42 "), 42);
    EXPECT_EQ(ParseDialogInt("+7"), 7);
    EXPECT_EQ(ParseDialogInt("-3"), -3);
    EXPECT_EQ(ParseDialogInt("007"), 7);
    EXPECT_EQ(ParseDialogInt("2147483647"), 2147483647);
    EXPECT_EQ(ParseDialogInt("-2147483648"), -2147483647 - 1);
    for (const char* refused : {"", " ", "-", "4 2", "4a", "a4", "1,000", "1.5", "2147483648",
                                "-2147483649", "99999999999999999999"}) {
        EXPECT_EQ(ParseDialogInt(refused), std::nullopt) << refused;
    }
}

TEST(DialogData, UpDownStepsWrapAroundAndComeBackIntoRange) {
    EXPECT_EQ(UpDownStep(50, 1, 99, +1), 51);
    EXPECT_EQ(UpDownStep(50, 1, 99, -1), 49);
    EXPECT_EQ(UpDownStep(99, 1, 99, +1), 1);
    EXPECT_EQ(UpDownStep(1, 1, 99, -1), 99);
    EXPECT_EQ(UpDownStep(0, 1, 50, +1), 1);
    EXPECT_EQ(UpDownStep(0, 1, 50, -1), 50);
    EXPECT_EQ(UpDownStep(150, 1, 99, -1), 99);
    EXPECT_EQ(UpDownStep(150, 1, 99, +1), 1);
    EXPECT_EQ(UpDownStep(std::nullopt, 1, 50, +1), 1);
    EXPECT_EQ(UpDownStep(std::nullopt, 1, 50, -1), 50);
    EXPECT_EQ(UpDownStep(2147483647, 1, 2147483647, +1), 1);
}

TEST(DialogData, UpDownTextAndPlaceBesideItsField) {
    EXPECT_EQ(FormatUpDownValue(50, true), "50");
    EXPECT_EQ(FormatUpDownValue(1234567, true), "1,234,567");
    EXPECT_EQ(FormatUpDownValue(-1234, true), "-1,234");
    EXPECT_EQ(FormatUpDownValue(1234, false), "1234");

    TemplateRect field{82, 65, 24, 11};
    TemplateRect upDown{103, 63, 10, 14};
    AlignUpDownToBuddy(field, upDown);
    EXPECT_EQ(field, (TemplateRect{82, 65, 14, 11}));
    EXPECT_EQ(upDown, (TemplateRect{96, 65, 10, 11}));
}

}  // namespace
}  // namespace torvane::test

// SPDX-License-Identifier: GPL-3.0-or-later
// Twips, font points and sign-position number text.
#include "toolkit/core/NumberText.h"
#include "toolkit/core/Twips.h"

#include <gtest/gtest.h>

namespace {

TEST(Units, TwipsBecomeNearestPixel) {
    EXPECT_EQ(tk::twipsToPixels(11880), 792);
    EXPECT_EQ(tk::twipsToPixels(8310), 554);
    EXPECT_EQ(tk::twipsToPixels(1300), 87);
    EXPECT_EQ(tk::twipsToPixels(7.5), 0);  // half a pixel: to even
    EXPECT_EQ(tk::twipsToPixels(22.5), 2); // one and a half: to even
    EXPECT_EQ(tk::twipsToPixels(-15), -1);
}

TEST(Units, PointsAreSizedAt96Dpi) {
    EXPECT_EQ(tk::pointsToPixels(8.25), 11);
    EXPECT_EQ(tk::pointsToPixels(12), 16);
    EXPECT_EQ(tk::pointsToPixels(15.75), 21);
    EXPECT_EQ(tk::pointsToPixels(36), 48);
    EXPECT_EQ(tk::pointsToPixels(60), 80);
}

TEST(NumberText, BlankForZeroAndPositivesMinusForNegatives) {
    EXPECT_EQ(tk::signPositionText(7), " 7");
    EXPECT_EQ(tk::signPositionText(0), " 0");
    EXPECT_EQ(tk::signPositionText(-3), "-3");
    EXPECT_EQ(tk::signPositionText(1000), " 1000");
}

} // namespace

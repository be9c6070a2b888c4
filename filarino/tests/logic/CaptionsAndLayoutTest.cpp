// SPDX-License-Identifier: GPL-3.0-or-later
// Range banner texts, capped time texts and the places of dots in the drawing frame.
#include "filarino/logic/Captions.h"
#include "filarino/logic/DotLayout.h"

#include <gtest/gtest.h>

namespace {

TEST(Captions, RangeTitleForEachRange) {
    struct Case {
        std::int16_t minimum, maximum;
        const char* title;
    };
    for (const Case c : {Case{1, 4, "  FILARINO DA  1 a 4"}, Case{4, 7, "  FILARINO DA  4 a 7"},
                         Case{6, 10, "  FILARINO DA  6 a 10"}, Case{1, 10, "  FILARINO DA  1 a 10"},
                         Case{-3, 0, "  FILARINO DA -3 a 0"}})
        EXPECT_EQ(filarino::rangeTitle(c.minimum, c.maximum), c.title);
}

TEST(Captions, TimeTextsCapOnlyAboveTheirLimit) {
    EXPECT_EQ(filarino::displayedPartialTime(0), " 0");
    EXPECT_EQ(filarino::displayedPartialTime(99), " 99");
    EXPECT_EQ(filarino::displayedPartialTime(100), "99");
    EXPECT_EQ(filarino::displayedTotalTime(999), " 999");
    EXPECT_EQ(filarino::displayedTotalTime(1000), "999");
    EXPECT_EQ(filarino::displayedTotalTime(86400), "999");
}

TEST(DotLayout, RowMajorPlacesInTwips) {
    struct Case {
        int dotNumber, dotsPerRow;
        filarino::DotPlace circle, picture;
    };
    const Case cases[] = {
        {1, 3, {180, 210}, {180, 180}},        {3, 3, {1260, 210}, {1260, 180}},
        {4, 3, {180, 765}, {180, 735}},        {12, 3, {1260, 1875}, {1260, 1845}},
        {1, 1, {180, 210}, {180, 180}},        {10, 1, {180, 5205}, {180, 5175}},
        {100, 10, {5040, 5205}, {5040, 5175}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(filarino::circlePlace(c.dotNumber, c.dotsPerRow), c.circle) << c.dotNumber;
        EXPECT_EQ(filarino::picturePlace(c.dotNumber, c.dotsPerRow), c.picture) << c.dotNumber;
    }
}

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// Menu titles read from the columns their captions are drawn in.
#include "tools/soak/MenuBar.h"

#include <gtest/gtest.h>
#include <string>

namespace soak {
namespace {

// '#' marks a column with caption text.
std::vector<bool> ink(const std::string& columns) {
    std::vector<bool> out;
    for (char c : columns)
        out.push_back(c == '#');
    return out;
}

TEST(MenuBarTest, WideGapsSeparateTitlesAndNarrowOnesJoinWords) {
    // "SCEGLI IL" with a 3-column blank between its words, then two more titles after wide gaps.
    const MenuBar bar = MenuBar::fromInk(ink("..######...##............#####............###...."), 8);
    ASSERT_EQ(bar.count(), 3);
    EXPECT_EQ(bar.title(0), (Span{2, 13}));
    EXPECT_EQ(bar.title(1), (Span{25, 30}));
    EXPECT_EQ(bar.title(2), (Span{42, 45}));
}

TEST(MenuBarTest, AnEmptyBarHasNoTitles) {
    EXPECT_EQ(MenuBar::fromInk(ink("..........")).count(), 0);
    EXPECT_EQ(MenuBar::fromInk({}).count(), 0);
}

TEST(MenuBarTest, TheFirstTitleReachesTheLeftEdge) {
    const MenuBar bar = MenuBar::fromInk(ink("....####.............####......"), 8);
    EXPECT_EQ(bar.reach(0, 5), (Span{0, 13}));
    EXPECT_EQ(bar.reach(1, 5), (Span{16, 30}));
}

TEST(MenuBarTest, AGapOfExactlyMinGapSeparates) {
    EXPECT_EQ(MenuBar::fromInk(ink("#........#"), 8).count(), 2);
    EXPECT_EQ(MenuBar::fromInk(ink("#.......#"), 8).count(), 1);
}

} // namespace
} // namespace soak

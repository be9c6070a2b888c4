// SPDX-License-Identifier: GPL-3.0-or-later
// The triangle's numbering, its children, the board geometry and the attract-mode glow.
#include "cestaro/logic/Triangle.h"

#include "cestaro/logic/CellGeometry.h"
#include "cestaro/logic/DemoGlow.h"

#include <gtest/gtest.h>

namespace {

using cestaro::CellGeometry;
using cestaro::Triangle;

TEST(Triangle, ChildrenFollowTheSumTable) {
    struct Case {
        int parent, left, right;
    };
    for (const auto& c :
         {Case{1, 2, 3}, Case{2, 4, 5}, Case{3, 5, 6}, Case{4, 7, 8}, Case{5, 8, 9}, Case{6, 9, 10},
          Case{7, 11, 12}, Case{8, 12, 13}, Case{9, 13, 14}, Case{10, 14, 15}}) {
        EXPECT_EQ(Triangle::leftChild(c.parent), c.left) << c.parent;
        EXPECT_EQ(Triangle::rightChild(c.parent), c.right) << c.parent;
    }
}

TEST(CellGeometry, EveryCircleStandsMidwayAboveItsChildren) {
    for (int parent = 1; parent <= Triangle::kParents; ++parent) {
        const auto& p = CellGeometry::of(parent);
        const auto& l = CellGeometry::of(Triangle::leftChild(parent));
        const auto& r = CellGeometry::of(Triangle::rightChild(parent));
        EXPECT_EQ(r.circleLeftTwips - l.circleLeftTwips, 1200) << parent;
        EXPECT_EQ(p.circleLeftTwips, (l.circleLeftTwips + r.circleLeftTwips) / 2) << parent;
        EXPECT_LT(p.circleTopTwips, l.circleTopTwips) << parent;
    }
}

TEST(DemoGlow, CyclesFromYellowToRedAndBackEveryTenTicks) {
    cestaro::DemoGlow glow;
    const tk::Rgb expected[] = {{255, 255, 0}, {255, 204, 0}, {255, 153, 0}, {255, 102, 0}, {255, 51, 0},
                                {255, 0, 0},   {255, 51, 0},  {255, 102, 0}, {255, 153, 0}, {255, 204, 0}};
    for (int lap = 0; lap < 3; ++lap)
        for (int step = 0; step < 10; ++step) {
            EXPECT_EQ(glow.step(), step);
            EXPECT_EQ(glow.tick(), expected[step]) << "lap " << lap << " step " << step;
        }
    EXPECT_EQ(glow.step(), 0);
}

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// The help panel's reveal timeline and its four example boards.
#include "intarsello/logic/ExampleBoards.h"
#include "intarsello/logic/RevealTimeline.h"

#include <gtest/gtest.h>

namespace {

using namespace intarsello;

TEST(RevealTimeline, HidesEverySixthTickAndEndsAtTick1196) {
    RevealTimeline r;
    EXPECT_EQ(r.coverWidthTwips(), 2400);
    EXPECT_EQ(r.label5Text(), RevealTimeline::kRevealingText);
    int hides = 0;
    for (int n = 1; n <= 1195; ++n) {
        const RevealTimeline::Tick t = r.tick();
        EXPECT_EQ(t.hidePanel, n % 6 == 0) << n;
        ASSERT_FALSE(t.finished) << n;
        hides += t.hidePanel;
        if (n == 5) {
            EXPECT_EQ(r.coverWidthTwips(), 2390);
        }
    }
    EXPECT_EQ(hides, 199);
    EXPECT_TRUE(r.running());
    const RevealTimeline::Tick last = r.tick();
    EXPECT_TRUE(last.finished);
    EXPECT_FALSE(last.hidePanel); // 2392 is no multiple of 12
    EXPECT_EQ(r.RevealCount(), 2392);
    EXPECT_EQ(r.coverWidthTwips(), 8);
    EXPECT_FALSE(r.running());
    EXPECT_EQ(r.label5Text(), RevealTimeline::kRevealedText);
}

// A timer left running after the end would push the 16-bit counter on until it wrapped.
TEST(RevealTimeline, TicksAfterTheEndChangeNothing) {
    RevealTimeline r;
    for (int n = 0; n < 40000; ++n)
        r.tick();
    EXPECT_EQ(r.RevealCount(), 2392);
    EXPECT_EQ(r.coverWidthTwips(), 8);
    const RevealTimeline::Tick t = r.tick();
    EXPECT_FALSE(t.hidePanel || t.finished);
}

TEST(RevealTimeline, TextsKeepTheirAccents) {
    EXPECT_NE(RevealTimeline::kRevealingText.find("può"), std::string_view::npos);
    EXPECT_TRUE(RevealTimeline::kRevealingText.ends_with("Vuoi ripassare più tardi?"));
    EXPECT_TRUE(RevealTimeline::kRevealedText.ends_with("Ecco alcuni esempi:"));
}

TEST(ExampleBoards, EachIsATrueTilingOfTheGridByTheTwelveTiles) {
    for (const ExampleBoard& board : exampleBoards())
        EXPECT_EQ(tilingProblem(board), "") << board[0];
}

TEST(ExampleBoards, CheckFindsBrokenBoards) {
    ExampleBoard board = exampleBoards()[0];
    // Two squares of U and N traded: both letters keep five squares, but neither its shape.
    board[0] = "UNUNNIIIII";
    EXPECT_NE(tilingProblem(board), "");
    board = exampleBoards()[0];
    board[5] = "VVVZFPPPL";
    EXPECT_NE(tilingProblem(board), "");
    board[5] = "VVVZFPPPLQ";
    EXPECT_NE(tilingProblem(board), "");
    board[5] = "VVVZFPPPLP"; // P six squares, L four
    EXPECT_NE(tilingProblem(board), "");
}

} // namespace

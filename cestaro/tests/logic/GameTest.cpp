// SPDX-License-Identifier: GPL-3.0-or-later
// The game flow the main window drives: level choice, filtering and judging of edits, and the reward.
#include "cestaro/logic/Game.h"

#include "cestaro/logic/CellText.h"
#include "toolkit/core/Random.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using cestaro::CellColour;
using cestaro::CellView;
using cestaro::Game;

class GameTest : public ::testing::Test {
protected:
    std::vector<int> openCells() const {
        std::vector<int> cells;
        for (int n = 1; n <= 15; ++n)
            if (!game.cell(n).locked) cells.push_back(n);
        return cells;
    }
    std::string solutionText(int n) const { return std::to_string(game.solution(n)); }
    // Types the solution into every open cell but the last, which is returned.
    int fillAllButOne() {
        const auto cells = openCells();
        for (std::size_t i = 0; i + 1 < cells.size(); ++i)
            EXPECT_FALSE(game.CN(cells[i], solutionText(cells[i])).judged);
        return cells.back();
    }
    Game::EditOutcome solve() {
        const int last = fillAllButOne();
        return game.CN(last, solutionText(last));
    }

    tk::RandomSource random{77};
    Game game{random};
};

TEST_F(GameTest, BeforeALevelEditsAreKeptButNeitherFilteredNorJudged) {
    EXPECT_FALSE(game.gameReady());
    EXPECT_EQ(game.level(), 0);
    for (int n = 1; n <= 15; ++n) {
        const auto outcome = game.CN(n, "abc");
        EXPECT_FALSE(outcome.wiped || outcome.judged || outcome.refused);
        EXPECT_EQ(game.cell(n).text, "abc");
    }
}

TEST_F(GameTest, ChoosingALevelResetsTheScoreOnlyWhenACellHoldsText) {
    ASSERT_TRUE(game.chooseLevel(0));
    ASSERT_TRUE(solve().solved);
    ASSERT_TRUE(game.rewardSolved());
    EXPECT_EQ(game.score(), 15);
    EXPECT_EQ(game.triangleNumber(), 2);

    // The new deal shows givens, so the board holds text: the score starts again.
    ASSERT_TRUE(game.chooseLevel(1));
    EXPECT_EQ(game.level(), 2);
    EXPECT_EQ(game.score(), 0);
    EXPECT_EQ(game.triangleNumber(), 1);

    EXPECT_FALSE(game.chooseLevel(3));
    EXPECT_FALSE(game.chooseLevel(-1));
    EXPECT_EQ(game.level(), 2);
}

TEST_F(GameTest, WhatIsNotANumberAtAKeystrokeIsWipedWhole) {
    game.chooseLevel(0);
    const int n = openCells().front();
    struct Step {
        const char* text;
        bool wiped;
        const char* left;
    };
    for (const auto& s :
         {Step{"1", false, "1"}, Step{"12", false, "12"}, Step{"12a", true, ""}, Step{"-", true, ""},
          Step{".", true, ""}, Step{"1", false, "1"}, Step{"1.", false, "1."}, Step{"1.5", false, "1.5"},
          Step{"1.5.", true, ""}, Step{"\u0663", true, ""}}) {
        EXPECT_EQ(game.CN(n, s.text).wiped, s.wiped) << s.text;
        EXPECT_EQ(game.cell(n).text, s.left) << s.text;
    }
    // The window's own emptying comes back as an edit to the text the cell already holds: nothing happens.
    const auto echo = game.CN(n, "");
    EXPECT_FALSE(echo.wiped || echo.judged || echo.refused);
}

TEST_F(GameTest, GivenCellsCannotBeChanged) {
    game.chooseLevel(1);
    for (int n = 1; n <= 15; ++n) {
        if (!game.cell(n).locked) continue;
        const CellView before = game.cell(n);
        EXPECT_TRUE(game.CN(n, "99").refused);
        EXPECT_TRUE(game.CN(n, "").refused);
        EXPECT_EQ(game.cell(n), before);
    }
    EXPECT_FALSE(game.CN(0, "1").refused || game.CN(16, "1").judged);
}

TEST_F(GameTest, TypingIntoTheLastCellJudgesAtEveryKeystroke) {
    game.chooseLevel(2);
    const int last = fillAllButOne();
    const std::string answer = solutionText(last);
    for (std::size_t i = 1; i < answer.size(); ++i) {
        const auto partial = game.CN(last, answer.substr(0, i));
        EXPECT_TRUE(partial.judged);
        EXPECT_FALSE(partial.solved);
    }
    const auto wrong = game.CN(last, answer + "1");
    EXPECT_TRUE(wrong.judged);
    EXPECT_FALSE(wrong.solved);
    EXPECT_FALSE(game.CN(last, "").judged); // an empty cell stops judging
    const auto right = game.CN(last, answer);
    EXPECT_TRUE(right.judged && right.solved);
}

TEST_F(GameTest, TheRewardComesOnlyWhenTheWindowAsksForIt) {
    game.chooseLevel(0);
    ASSERT_TRUE(solve().solved);
    // The sound and the message run now: the solved board stays and the score is unchanged.
    EXPECT_TRUE(game.rewardPending());
    EXPECT_EQ(game.score(), 0);
    EXPECT_EQ(game.triangleNumber(), 1);
    for (int n = 1; n <= 15; ++n)
        EXPECT_EQ(game.cell(n).text, solutionText(n));

    ASSERT_TRUE(game.rewardSolved());
    EXPECT_EQ(game.score(), 15);
    EXPECT_EQ(game.triangleNumber(), 2);
    EXPECT_EQ(game.level(), 1);
    EXPECT_TRUE(game.gameReady());
    EXPECT_FALSE(game.rewardPending());
    EXPECT_FALSE(game.board().allFilled());
    EXPECT_FALSE(game.rewardSolved()); // once per triangle
    EXPECT_EQ(game.score(), 15);
}

// Regression: edits while a solved triangle waits for its reward must not earn the reward a second time.
TEST_F(GameTest, ASolvedTriangleIsRewardedOnce) {
    game.chooseLevel(0);
    const int last = fillAllButOne();
    ASSERT_TRUE(game.CN(last, solutionText(last)).solved);
    game.CN(last, solutionText(last) + ".0");
    EXPECT_FALSE(game.CN(last, solutionText(last)).solved);
    EXPECT_TRUE(game.rewardSolved());
    EXPECT_EQ(game.score(), 15);
}

TEST_F(GameTest, ALevelChosenDuringTheRewardCancelsIt) {
    game.chooseLevel(0);
    ASSERT_TRUE(solve().solved);
    game.chooseLevel(1);
    EXPECT_FALSE(game.rewardSolved());
    EXPECT_EQ(game.score(), 0);
    EXPECT_EQ(game.triangleNumber(), 1);
}

TEST_F(GameTest, WrongFullBoardsLeaveTheScoreAlone) {
    game.chooseLevel(2);
    const int last = fillAllButOne();
    for (const char* text : {"999", "0", "1e400", "-1", "0.5"}) {
        if (solutionText(last) == text) continue;
        const auto outcome = game.CN(last, text);
        EXPECT_TRUE(outcome.judged) << text;
        EXPECT_FALSE(outcome.solved) << text;
    }
    EXPECT_EQ(game.score(), 0);
    EXPECT_FALSE(game.rewardPending());
}

TEST_F(GameTest, ApplyingTheModelsBoardToTheWindowJudgesNothing) {
    game.chooseLevel(0);
    ASSERT_TRUE(solve().solved);
    game.rewardSolved();
    // The window writes each cell's text back, in any order; each change reaches CN with the model's text.
    for (int n = 15; n >= 1; --n) {
        const auto outcome = game.CN(n, game.cell(n).text);
        EXPECT_FALSE(outcome.wiped || outcome.judged || outcome.refused) << n;
    }
}

TEST_F(GameTest, ThousandsOfRandomEditsKeepTheBoardSound) {
    tk::RandomSource pupil(4242);
    const auto pick = [&](int count) { return static_cast<int>(pupil.next() * count); };
    const std::vector<std::string> odd = {"",
                                          " ",
                                          "-",
                                          ".",
                                          "+",
                                          "1e",
                                          "1e+",
                                          "1.2.3",
                                          "abc",
                                          "12a",
                                          "1,5",
                                          "\u0663",
                                          "\u22125",
                                          "0x10",
                                          "1e400",
                                          "-1e400",
                                          "nan",
                                          "inf",
                                          "\xff",
                                          "\u00A07",
                                          " 3 ",
                                          "4.",
                                          ".5",
                                          "2e1",
                                          std::string(3000, '9'),
                                          std::string(2000, '0') + "5",
                                          std::string(1000, 'x'),
                                          "\u00E8\u00E8\u00E8"};
    game.chooseLevel(pick(3));
    std::vector<CellView> givens(16);
    const auto snapshot = [&] {
        for (int n = 1; n <= 15; ++n)
            givens[static_cast<std::size_t>(n)] = game.cell(n);
    };
    snapshot();
    int solved = 0;
    for (int edit = 0; edit < 20000; ++edit) {
        const int n = 1 + pick(15);
        std::string text;
        switch (pick(4)) {
        case 0:
        case 1:
            text = std::to_string(game.solution(n));
            break;
        case 2:
            text = std::to_string(pick(200) - 20);
            break;
        default:
            text = odd[static_cast<std::size_t>(pick(static_cast<int>(odd.size())))];
        }
        const int scoreBefore = game.score();
        const auto outcome = game.CN(n, text);
        if (outcome.solved) {
            ++solved;
            EXPECT_TRUE(game.rewardSolved());
            EXPECT_EQ(game.score(), scoreBefore + 15);
            snapshot();
        } else {
            ASSERT_EQ(game.score(), scoreBefore);
        }
        for (int c = 1; c <= 15; ++c) {
            const auto& cell = game.cell(c);
            ASSERT_TRUE(cell.text.empty() || cestaro::CellText::isNumber(cell.text))
                << cell.text.substr(0, 20);
            if (givens[static_cast<std::size_t>(c)].colour == CellColour::Red) {
                ASSERT_EQ(cell, givens[static_cast<std::size_t>(c)]) << c;
            }
        }
        if (pick(500) == 0) {
            game.chooseLevel(pick(3));
            snapshot();
        }
    }
    EXPECT_GT(solved, 0);
    EXPECT_EQ(game.score() % 15, 0);
}

} // namespace

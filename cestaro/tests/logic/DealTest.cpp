// SPDX-License-Identifier: GPL-3.0-or-later
// Dealing triangles: base ranges per level, the sums, 7 to 10 givens, and the repeat of a thin deal.
#include "cestaro/logic/Game.h"
#include "toolkit/core/Random.h"
#include "toolkit/core/testing/ScriptedRandom.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace {

using cestaro::CellColour;
using cestaro::Game;
using cestaro::Triangle;

// The draw that makes base value `value` at `level`.
double baseDraw(int value, int level) {
    return (value + 0.5) / (3.0 * level);
}
// The draw that makes cell `cell` a given.
double givenDraw(int cell) {
    return (cell - 0.5) / 15.0;
}

// One whole deal's draws: five base values, then ten given cells.
std::vector<double> dealDraws(int level, const std::vector<int>& base, const std::vector<int>& givens) {
    std::vector<double> draws;
    draws.reserve(base.size() + givens.size());
    for (int b : base)
        draws.push_back(baseDraw(b, level));
    for (int g : givens)
        draws.push_back(givenDraw(g));
    return draws;
}

std::vector<double> join(std::vector<double> a, const std::vector<double>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::set<int> givenCells(const Game& game) {
    std::set<int> cells;
    for (int n = 1; n <= Triangle::kCells; ++n)
        if (game.cell(n).colour == CellColour::Red) cells.insert(n);
    return cells;
}

void expectDealtBoard(const Game& game) {
    ASSERT_TRUE(game.gameReady());
    EXPECT_FALSE(game.rewardPending());
    for (const int parent : Triangle::kSumOrder)
        EXPECT_EQ(game.solution(parent),
                  game.solution(Triangle::leftChild(parent)) + game.solution(Triangle::rightChild(parent)));
    for (int n = 1; n <= Triangle::kCells; ++n) {
        const auto& cell = game.cell(n);
        if (cell.colour == CellColour::Red) {
            EXPECT_TRUE(cell.locked) << n;
            EXPECT_EQ(cell.text, std::to_string(game.solution(n))) << n;
        } else {
            EXPECT_EQ(cell.colour, CellColour::Blue) << n;
            EXPECT_FALSE(cell.locked) << n;
            EXPECT_EQ(cell.text, "") << n;
        }
    }
    const auto givens = givenCells(game).size();
    EXPECT_GE(givens, 7u);
    EXPECT_LE(givens, 10u);
}

TEST(Deal, FollowsTheDrawsInOrder) {
    tk::ScriptedRandom random(dealDraws(2, {0, 5, 1, 4, 2}, {1, 15, 11, 7, 3, 3, 9, 13, 2, 6}));
    Game game(random);
    ASSERT_TRUE(game.chooseLevel(1));
    EXPECT_EQ(random.drawn(), 15u);
    const int expected[] = {44, 22, 22, 11, 11, 11, 5, 6, 5, 6, 0, 5, 1, 4, 2}; // cells 1..15
    for (int n = 1; n <= 15; ++n)
        EXPECT_EQ(game.solution(n), expected[n - 1]) << n;
    EXPECT_EQ(givenCells(game), (std::set<int>{1, 2, 3, 6, 7, 9, 11, 13, 15}));
    expectDealtBoard(game);
}

TEST(Deal, AThinDealIsDealtAgainWithNewBaseValues) {
    // Ten draws on six distinct cells: the whole triangle is dealt again, from new base values.
    const auto thin = dealDraws(1, {2, 2, 2, 2, 2}, {1, 2, 3, 4, 5, 6, 1, 2, 3, 4});
    const auto full = dealDraws(1, {1, 0, 2, 0, 1}, {15, 14, 13, 12, 11, 10, 9, 15, 15, 15});
    tk::ScriptedRandom random(join(thin, full));
    Game game(random);
    game.chooseLevel(0);
    EXPECT_EQ(random.drawn(), 30u);
    EXPECT_EQ(game.solution(1), 1 * 1 + 4 * 0 + 6 * 2 + 4 * 0 + 1 * 1);
    for (int n = 11; n <= 15; ++n)
        EXPECT_EQ(game.solution(n), std::vector<int>({1, 0, 2, 0, 1})[static_cast<std::size_t>(n - 11)]);
    EXPECT_EQ(givenCells(game), (std::set<int>{9, 10, 11, 12, 13, 14, 15}));
    expectDealtBoard(game);
}

TEST(Deal, SevenDistinctGivensAreEnoughSixAreNot) {
    struct Case {
        std::vector<int> givens;
        std::size_t drawsUsed;
    };
    const auto next = dealDraws(3, {8, 8, 8, 8, 8}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    for (const auto& c :
         {Case{{1, 2, 3, 4, 5, 6, 7, 7, 7, 7}, 15}, Case{{1, 2, 3, 4, 5, 6, 6, 6, 6, 6}, 30},
          Case{{5, 5, 5, 5, 5, 5, 5, 5, 5, 5}, 30}, Case{{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 15}}) {
        tk::ScriptedRandom random(join(dealDraws(3, {0, 1, 2, 3, 4}, c.givens), next));
        Game game(random);
        game.chooseLevel(2);
        EXPECT_EQ(random.drawn(), c.drawsUsed) << c.givens.size();
        expectDealtBoard(game);
    }
}

TEST(Deal, DrawsAtTheEdgesOfTheUnitIntervalStayOnTheBoard) {
    // The last value below 1 reaches the top base value and cell 15; a source straying to 1.0 is held there.
    const double top = 0x1.fffffffffffffp-1;
    for (const double edge : {top, 1.0}) {
        std::vector<double> draws(5, edge);
        for (int cell = 1; cell <= 9; ++cell)
            draws.push_back(givenDraw(cell));
        draws.push_back(edge);
        tk::ScriptedRandom random(draws);
        Game game(random);
        game.chooseLevel(2);
        EXPECT_EQ(game.solution(11), 8);
        EXPECT_EQ(game.solution(1), 128);
        EXPECT_EQ(givenCells(game).count(15), 1u);
        expectDealtBoard(game);
    }
}

TEST(Deal, EveryBaseValueOfEachLevelIsReachedAndNoneBeyond) {
    tk::RandomSource random(20240611);
    Game game(random);
    for (int index = 0; index < Game::kLevels; ++index) {
        const int top = 3 * (index + 1) - 1;
        std::set<int> seen;
        std::set<int> givens;
        game.chooseLevel(index);
        for (int deal = 0; deal < 400; ++deal) {
            game.NewGame();
            for (int n = 11; n <= 15; ++n) {
                EXPECT_GE(game.solution(n), 0);
                EXPECT_LE(game.solution(n), top);
                seen.insert(game.solution(n));
            }
            EXPECT_LE(game.solution(1), 16 * top);
            for (int n : givenCells(game))
                givens.insert(n);
            if (deal % 50 == 0) expectDealtBoard(game);
        }
        EXPECT_EQ(seen.size(), static_cast<std::size_t>(top + 1)) << "level " << index + 1;
        EXPECT_EQ(givens.size(), 15u) << "level " << index + 1; // cell 15 and the apex included
    }
}

} // namespace

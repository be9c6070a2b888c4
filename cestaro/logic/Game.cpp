// SPDX-License-Identifier: GPL-3.0-or-later
// Level choice, the deal, the filtering and judging of edits, and the reward of a solved triangle.
#include "cestaro/logic/Game.h"

#include "cestaro/logic/CellText.h"
#include "cestaro/logic/Judge.h"
#include "toolkit/core/Random.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace cestaro {
namespace {

// floor(u * count) for a draw u in [0, 1), held in 0..count-1 even if a source strays from [0, 1).
int drawBelow(tk::Random& random, double count) {
    const double x = std::floor(random.next() * count);
    if (!(x >= 0.0) || count < 1.0) return 0;
    return static_cast<int>(std::min(x, count - 1.0));
}

} // namespace

Game::Game(tk::Random& random)
    : random_(random) {
    board_.RRESET();
    board_.PT();
}

bool Game::chooseLevel(int index) {
    if (index < 0 || index >= kLevels) return false;
    gameReady_ = false;
    level_ = index + 1;
    triangleNumber_ = 1;
    if (board_.anyText()) score_ = 0;
    NewGame();
    return true;
}

void Game::NewGame() {
    gameReady_ = false;
    rewardPending_ = false;
    do
        dealOnce();
    while (board_.givenCount() < kFewestGivens);
    Judge::Givens givens{};
    for (int n = 1; n <= Triangle::kCells; ++n)
        givens[static_cast<std::size_t>(n)] = board_.cell(n).colour == CellColour::Red;
    apexFixed_ = Judge::apexFixedBy(givens);
    gameReady_ = true;
}

void Game::dealOnce() {
    board_.RESET();
    board_.ATW();
    board_.RRESET();
    // Base values floor(u * 3 * Level), cells 11..15 in order; the sums above them in the sum order.
    for (int n = Triangle::kFirstBaseCell; n <= Triangle::kCells; ++n)
        board_.setSolution(n, drawBelow(random_, 3.0 * level_));
    for (const int parent : Triangle::kSumOrder)
        board_.setSolution(parent, board_.solution(Triangle::leftChild(parent)) +
                                       board_.solution(Triangle::rightChild(parent)));
    board_.RESET();
    for (int n = 1; n <= Triangle::kCells; ++n)
        board_.cell(n).colour = CellColour::Blue;
    // Ten draws of 1 + floor(u * 15); a cell drawn twice simply stays a given.
    for (int round = 0; round < kDrawsOfGivens; ++round) {
        const int n = 1 + drawBelow(random_, Triangle::kCells);
        CellView& given = board_.cell(n);
        given.colour = CellColour::Red;
        given.locked = true;
        given.text = std::to_string(board_.solution(n));
    }
}

Game::EditOutcome Game::CN(int cell, std::string_view text) {
    EditOutcome outcome;
    if (!Triangle::isCell(cell)) return outcome;
    CellView& view = board_.cell(cell);
    if (view.text == text) return outcome;
    if (view.locked) {
        outcome.refused = true;
        return outcome;
    }
    view.text = text;
    if (!gameReady_) return outcome;
    if (!CellText::isNumber(view.text)) {
        view.text.clear();
        outcome.wiped = true;
    }
    CheckWin(outcome);
    return outcome;
}

void Game::CheckWin(EditOutcome& outcome) {
    if (rewardPending_ || !board_.allFilled()) return;
    outcome.judged = true;
    if (FASE2()) {
        outcome.solved = true;
        rewardPending_ = true;
    }
}

bool Game::FASE2() {
    Judge::Values values{};
    for (int n = 1; n <= Triangle::kCells; ++n)
        values[static_cast<std::size_t>(n)] = CellText::value(board_.cell(n).text);
    // The givens are locked, so a triangle that obeys the sum rule keeps them; when they leave the apex
    // open, any such triangle is as right as the dealt one.
    const Judge::Verdict verdict = Judge::judge(
        values, apexFixed_ ? std::optional<int>(board_.solution(Triangle::kApex)) : std::nullopt);
    board_.setSumChecks(verdict.sumChecks);
    return verdict.right;
}

bool Game::rewardSolved() {
    if (!rewardPending_) return false;
    rewardPending_ = false;
    score_ += kPointsPerTriangle;
    ++triangleNumber_;
    NewGame();
    return true;
}

} // namespace cestaro

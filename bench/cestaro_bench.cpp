// SPDX-License-Identifier: GPL-3.0-or-later
// Timing of cestaro's deal (meant to stay well under 1 ms) and of judging a full board.
#include "cestaro/logic/CellText.h"
#include "cestaro/logic/Game.h"
#include "toolkit/core/Random.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

void BM_Deal(benchmark::State& state) {
    tk::RandomSource random(1);
    cestaro::Game game(random);
    game.chooseLevel(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        game.NewGame();
        benchmark::DoNotOptimize(game.solution(1));
    }
}
BENCHMARK(BM_Deal)->DenseRange(0, 2);

// The last keystroke of a full board: filtering, reading all 15 cells and judging them (wrong each time,
// so the board stays in judging).
void BM_JudgeFullBoard(benchmark::State& state) {
    tk::RandomSource random(2);
    cestaro::Game game(random);
    game.chooseLevel(2);
    int last = 0;
    for (int n = 1; n <= 15; ++n)
        if (!game.cell(n).locked) {
            if (last != 0) game.CN(last, std::to_string(game.solution(last)));
            last = n;
        }
    const std::string texts[] = {std::to_string(game.solution(last) + 1),
                                 std::to_string(game.solution(last) + 2)};
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        const auto outcome = game.CN(last, texts[flip]);
        if (!outcome.judged || outcome.solved) state.SkipWithError("the board was not judged wrong");
    }
}
BENCHMARK(BM_JudgeFullBoard);

void BM_ReadLongText(benchmark::State& state) {
    const std::string text(static_cast<std::size_t>(state.range(0)), '9');
    for (auto _ : state) {
        benchmark::DoNotOptimize(cestaro::CellText::isNumber(text));
        benchmark::DoNotOptimize(cestaro::CellText::value(text));
    }
}
BENCHMARK(BM_ReadLongText)->Arg(3)->Arg(5000);

} // namespace

BENCHMARK_MAIN();

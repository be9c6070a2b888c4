// SPDX-License-Identifier: GPL-3.0-or-later
// Timing of the model's part of one drag motion: five squares of a tile moved by the pointer.
#include "intarsello/logic/Board.h"

#include <benchmark/benchmark.h>

namespace {

void BM_DragMotion(benchmark::State& state) {
    intarsello::Board board;
    const int cell = intarsello::Board::cellOf(10, 2);
    board.handle({intarsello::MouseEventKind::Press, intarsello::LeftButton, intarsello::LeftButton, 0, 180,
                  180, cell});
    intarsello::MouseEvent motion{
        intarsello::MouseEventKind::Motion, 0, intarsello::LeftButton, 0, 180, 180, cell};
    double step = 15;
    for (auto _ : state) {
        // The pointer jitters one pixel back and forth, so the tile stays in place over the run.
        motion.xTwips = 180 + step;
        motion.yTwips = 180 - step;
        step = -step;
        benchmark::DoNotOptimize(board.handle(motion));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DragMotion);

} // namespace

BENCHMARK_MAIN();

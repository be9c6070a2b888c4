// SPDX-License-Identifier: GPL-3.0-or-later
// Timing of intarsello's puzzle window: one motion event of a drag with its repaint, the load of the
// windows up to their first paint, and the CPU used while the help panel's reveal timer runs alone.
#include "bench/QtBench.h"
#include "intarsello/logic/Board.h"
#include "intarsello/tests/ui/frmPuzzleTesting.h"
#include "intarsello/ui/Form1.h"
#include "toolkit/ui/Application.h"
#include "toolkit/ui/QtMessageBoxes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace {

using intarsello::ui::Form1;
using intarsello::ui::frmPuzzle;

struct Run {
    tk::ui::QtMessageBoxes messages; // never shown here
    QPointer<Form1> form1 = new Form1(messages);

    Run() { form1->Form_Load(); }
    ~Run() {
        delete form1.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    frmPuzzle& puzzle() { return *form1->puzzle(); }
};

void paintPending() {
    QCoreApplication::processEvents();
}

void BM_DragMotionWithRepaint(benchmark::State& state) {
    Run run;
    frmPuzzle& puzzle = run.puzzle();
    if (!QTest::qWaitForWindowExposed(&puzzle)) {
        state.SkipWithError("the puzzle window was never shown");
        return;
    }
    paintPending();
    const auto& cell = intarsello::ui::frmPuzzleTesting(puzzle).cell();
    bench::PaintCounter counter;
    for (int j = 0; j < intarsello::Board::kSquaresPerTile; ++j)
        cell[intarsello::Board::cellOf(10, j)]->installEventFilter(&counter);

    QWindow* window = puzzle.windowHandle();
    const QPoint grip = cell[intarsello::Board::cellOf(10, 2)]->geometry().center() + puzzle.client()->pos();
    QTest::mousePress(window, Qt::LeftButton, {}, grip);
    // The pointer goes back and forth by three pixels each way, so every motion moves the tile.
    int step = 0;
    for (auto _ : state) {
        step = (step + 1) % 2;
        QTest::mouseMove(window, grip + QPoint(3 - 6 * step, 3 - 6 * step));
        paintPending();
    }
    QTest::mouseRelease(window, Qt::LeftButton, {}, grip);
    state.counters["square_paints_per_motion"] =
        benchmark::Counter(double(counter.paints) / double(state.iterations()));
}
BENCHMARK(BM_DragMotionWithRepaint)->Unit(benchmark::kMicrosecond);

void BM_LoadToFirstPaint(benchmark::State& state) {
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        bench::PaintCounter counter;
        Run run;
        run.puzzle().client()->installEventFilter(&counter);
        while (counter.paints == 0)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        state.SetIterationTime(double(clock.nsecsElapsed()) * 1e-9);
    }
}
BENCHMARK(BM_LoadToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// The window left alone with the reveal running (and the help panel open, so the covers repaint).
void BM_IdleWithRevealTimer(benchmark::State& state) {
    Run run;
    run.puzzle().mnuHelp_Click();
    paintPending();
    const int watchMs = int(state.range(0));
    for (auto _ : state) {
        state.counters["cpu_percent_of_one_core"] = bench::cpuPercentWhileIdle(watchMs);
        state.counters["reveal_ticks"] = benchmark::Counter(run.puzzle().RevealCount() / 2);
        state.SetIterationTime(watchMs * 1e-3);
    }
}
BENCHMARK(BM_IdleWithRevealTimer)->Arg(5000)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// Timing of cestaro's main window: one glow tick (thirty recolourings) with its repaint, the load of the
// window up to its first paint, and the CPU used while the board glows alone.
#include "bench/QtBench.h"
#include "cestaro/tests/ui/frmGameTesting.h"
#include "toolkit/core/Clock.h"
#include "toolkit/core/Random.h"
#include "toolkit/core/testing/ManualClock.h"
#include "toolkit/ui/Application.h"
#include "toolkit/ui/QtMessageBoxes.h"
#include "toolkit/ui/Shape.h"
#include "toolkit/ui/SoundSink.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace {

struct Session {
    tk::RandomSource random{1};
    tk::ManualClock clock{36000};
    bench::Silence sound;
    tk::ui::QtMessageBoxes messages; // never shown here
    QPointer<cestaro::ui::frmGame> window = new cestaro::ui::frmGame({random, clock, sound, messages});

    ~Session() {
        delete window.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

void BM_DemoTickWithRepaint(benchmark::State& state) {
    Session session;
    cestaro::ui::frmGame& window = *session.window;
    cestaro::ui::frmGameTesting(window).DEMO().stop(); // the benchmark ticks by hand
    window.showModeless();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the window was never shown");
        return;
    }
    QCoreApplication::processEvents();
    bench::PaintCounter counter;
    for (int n = 1; n <= 15; ++n) {
        window.T(n)->installEventFilter(&counter);
        window.Shape(n)->installEventFilter(&counter);
    }
    for (auto _ : state) {
        window.DEMO_Timer();
        QCoreApplication::processEvents();
    }
    state.counters["paints_per_tick"] =
        benchmark::Counter(double(counter.paints) / double(state.iterations()));
}
BENCHMARK(BM_DemoTickWithRepaint)->Unit(benchmark::kMicrosecond);

void BM_LoadToFirstPaint(benchmark::State& state) {
    for (auto _ : state) {
        QElapsedTimer elapsed;
        elapsed.start();
        bench::PaintCounter counter;
        Session session;
        session.window->client()->installEventFilter(&counter);
        session.window->showModeless();
        while (counter.paints == 0)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        state.SetIterationTime(double(elapsed.nsecsElapsed()) * 1e-9);
    }
}
BENCHMARK(BM_LoadToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// The window left alone, glowing, for range(0) milliseconds.
void BM_IdleWhileGlowing(benchmark::State& state) {
    Session session;
    session.window->showModeless();
    QCoreApplication::processEvents();
    const int watchMs = int(state.range(0));
    for (auto _ : state) {
        const int stepBefore = session.window->glow().step();
        state.counters["cpu_percent_of_one_core"] = bench::cpuPercentWhileIdle(watchMs);
        state.counters["glow_step_moved"] = benchmark::Counter(session.window->glow().step() != stepBefore);
        state.SetIterationTime(watchMs * 1e-3);
    }
}
BENCHMARK(BM_IdleWhileGlowing)->Arg(5000)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// Timing of filarino's exercise window with a 10 x 10 array: one flashing tick and the repaint it causes
// (meant to stay under 2 ms), "Nuovo filarino" to the new dots painted (under 20 ms), memory over 1000
// arrays (no growth), and the CPU share while the dots flash (under 5% of one core).
#include "bench/QtBench.h"
#include "filarino/logic/Modulo1.h"
#include "filarino/tests/ui/ExerciseWindowTesting.h"
#include "filarino/ui/Shell.h"
#include "toolkit/core/Clock.h"
#include "toolkit/core/Random.h"
#include "toolkit/ui/Application.h"
#include "toolkit/ui/Label.h"
#include "toolkit/ui/QtMessageBoxes.h"
#include "toolkit/ui/SoundSink.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <fstream>
#include <unistd.h>

namespace {

// A filarino run with the array-to-operation window open on the range 10 to 10, so every array is 10 x 10.
struct Run {
    filarino::Modulo1 modulo;
    tk::RandomSource random{7};
    tk::SystemClock clock;
    bench::Silence sound;
    tk::ui::QtMessageBoxes messages;
    filarino::ui::Shell shell{modulo, {random, clock, sound, messages}};

    Run() {
        modulo.SuonoIniziale = true;
        modulo.NumeroMinimo = 10;
        modulo.NumeroMassimo = 10;
        shell.loadForm11();
        settle();
    }
    ~Run() {
        filarino::ui::ExerciseWindowTesting(window()).Timer1().stop();
        settle();
    }
    filarino::ui::ExerciseWindow& window() { return *shell.exerciseWindow(); }

    // Handles what is queued, painting included.
    static void settle() { QCoreApplication::processEvents(); }

    // Answers the open array with "10" and "10" and checks it, so that "Nuovo filarino" is offered again.
    void finishArray() {
        filarino::ui::ExerciseWindow& w = window();
        tk::ui::Label* ten = w.keys()[9];
        w.LblNumero1_DragOver(ten, tk::ui::InWindowDrag::DragState::Enter);
        w.LblNumero2_DragOver(ten, tk::ui::InWindowDrag::DragState::Enter);
        w.CmdVerifica_Click();
        settle();
    }
};

void BM_FlashTickHundredDots(benchmark::State& state) {
    Run run;
    run.window().CmdOperazione_Click();
    filarino::ui::ExerciseWindowTesting(run.window()).Timer1().stop(); // ticks are driven here
    Run::settle();
    bench::PaintCounter counter;
    QCoreApplication::instance()->installEventFilter(&counter);
    for (auto _ : state) {
        run.window().Timer1_Timer();
        Run::settle();
    }
    QCoreApplication::instance()->removeEventFilter(&counter);
    state.counters["paints_per_tick"] = static_cast<double>(counter.paints) / state.iterations();
}
BENCHMARK(BM_FlashTickHundredDots)->Unit(benchmark::kMillisecond);

void BM_NewArrayHundredDots(benchmark::State& state) {
    Run run;
    run.window().CmdOperazione_Click();
    for (auto _ : state) {
        state.PauseTiming();
        run.finishArray();
        state.ResumeTiming();
        run.window().CmdOperazione_Click();
        Run::settle();
    }
}
BENCHMARK(BM_NewArrayHundredDots)->Unit(benchmark::kMillisecond);

long residentKilobytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Resident memory after 1000 more arrays of 100 dots, each answered and replaced.
void BM_MemoryOverThousandArrays(benchmark::State& state) {
    Run run;
    auto arrays = [&run](int count) {
        for (int i = 0; i < count; ++i) {
            run.window().CmdOperazione_Click();
            Run::settle();
            run.finishArray();
        }
    };
    arrays(100); // caches and pools reach their working size first
    const long before = residentKilobytes();
    for (auto _ : state)
        arrays(1000);
    state.counters["rss_growth_kB"] = static_cast<double>(residentKilobytes() - before);
}
BENCHMARK(BM_MemoryOverThousandArrays)->Iterations(1)->Unit(benchmark::kMillisecond);

// The event loop runs for three seconds while 100 dots flash every 200 ms.
void BM_CpuWhileFlashing(benchmark::State& state) {
    Run run;
    run.window().CmdOperazione_Click();
    Run::settle();
    double percent = 0;
    for (auto _ : state)
        percent = bench::cpuPercentWhileIdle(3000);
    state.counters["cpu_percent_of_one_core"] = percent;
}
BENCHMARK(BM_CpuWhileFlashing)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

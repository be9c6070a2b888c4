// SPDX-License-Identifier: GPL-3.0-or-later
// Series counters, answer times and their displayed texts.
#include "filarino/logic/Exercise.h"
#include "filarino/logic/Modulo1.h"
#include "toolkit/core/Clock.h"
#include "toolkit/core/NumberText.h"
#include "toolkit/core/Random.h"
#include "toolkit/core/testing/ManualClock.h"
#include "toolkit/core/testing/ScriptedRandom.h"

#include <gtest/gtest.h>

namespace {

using filarino::Exercise;

struct Series {
    filarino::Modulo1 modulo;
    tk::ManualClock clock{36000.25};
    tk::ScriptedRandom random{{}};
    std::optional<Exercise> exercise;

    Series() {
        modulo.NumeroMinimo = 1;
        modulo.NumeroMassimo = 10;
        exercise.emplace(modulo, clock, random);
    }

    // A new array of 3 dots per row in 4 rows.
    void draw() {
        random.push(0.25);
        random.push(0.35);
        exercise->NuovoFilarino();
    }

    // One whole exercise that takes `seconds` from the drawn array to the check.
    Exercise::Verdict answer(double seconds, bool right = true) {
        draw();
        exercise->AvviaRisposta();
        clock.advance(seconds);
        exercise->RiempiCasella1("3");
        exercise->RiempiCasella2(right ? "4" : "5");
        return exercise->Verifica().value();
    }
};

TEST(Times, PartialTimeIsWholeSecondsFromAnswerPhaseToCheck) {
    Series s;
    s.draw();
    s.clock.advance(30); // drawing the dots does not count
    s.exercise->AvviaRisposta();
    s.clock.advance(7.9);
    s.exercise->RiempiCasella1("3");
    s.exercise->RiempiCasella2("4");
    const auto verdict = s.exercise->Verifica().value();
    EXPECT_EQ(s.modulo.TempoParziale, 7);
    EXPECT_EQ(verdict.partialTimeText, " 7");
    EXPECT_EQ(verdict.totalTimeText, " 7");
    EXPECT_FLOAT_EQ(s.modulo.TempoInizio, 36030.25f);
    EXPECT_FLOAT_EQ(s.modulo.TempoFine, 36038.15f);
}

TEST(Times, DisplayCapsLeaveStoredTimesGrowing) {
    struct Step {
        double seconds;
        const char *partial, *total;
        long long storedTotal;
    };
    Series s;
    const Step steps[] = {
        {8, " 8", " 8", 8},       {99.5, " 99", " 107", 107}, {100, "99", " 207", 207},
        {120, "99", " 327", 327}, {672, "99", " 999", 999},   {1, " 1", "999", 1000},
        {0.5, " 0", "999", 1000},
    };
    for (const Step& step : steps) {
        const auto verdict = s.answer(step.seconds);
        EXPECT_EQ(verdict.partialTimeText, step.partial) << step.seconds;
        EXPECT_EQ(verdict.totalTimeText, step.total) << step.seconds;
        EXPECT_EQ(s.modulo.TempoTotale, step.storedTotal);
        EXPECT_EQ(s.modulo.TestoTempoTotale, tk::signPositionText(step.storedTotal));
    }
}

TEST(Times, AnswerSpanningMidnightCountsItsTrueSeconds) {
    Series s;
    s.clock.set(86395.5);
    const auto verdict = s.answer(10); // the clock wraps to 5.5
    EXPECT_EQ(s.modulo.TempoParziale, 10);
    EXPECT_EQ(verdict.partialTimeText, " 10");
    EXPECT_EQ(s.modulo.TempoTotale, 10);
}

TEST(Times, TotalTimeRestartsWithEachSeries) {
    Series s;
    s.answer(40);
    ASSERT_EQ(s.modulo.TempoTotale, 40);
    s.exercise.emplace(s.modulo, s.clock, s.random); // the window is opened again
    EXPECT_EQ(s.modulo.TempoTotale, 0);
    EXPECT_EQ(s.modulo.TestoTempoTotale, "");
    EXPECT_EQ(s.answer(3).totalTimeText, " 3");
}

TEST(Counters, SeriesStartZeroesCountersAndKeepsRangeAndStartSound) {
    Series s;
    s.modulo.SuonoIniziale = true;
    s.answer(1, false);
    s.answer(1, true);
    s.draw();
    s.exercise.emplace(s.modulo, s.clock, s.random);
    EXPECT_EQ(s.modulo.NumOperazioni, 0);
    EXPECT_EQ(s.modulo.NumEsatte, 0);
    EXPECT_EQ(s.modulo.NumErrate, 0);
    EXPECT_EQ(s.exercise->PalliniPerRiga(), 0);
    EXPECT_EQ(s.exercise->NumeroRighe(), 0);
    EXPECT_EQ(s.modulo.NumeroMinimo, 1);
    EXPECT_EQ(s.modulo.NumeroMassimo, 10);
    EXPECT_TRUE(s.modulo.SuonoIniziale);
}

TEST(Counters, VerdictReportsTheCounterItChanged) {
    Series s;
    auto verdict = s.answer(1, false);
    EXPECT_FALSE(verdict.right);
    EXPECT_EQ(verdict.count, 1);
    EXPECT_EQ(s.modulo.NumEsatte, 0);
    EXPECT_EQ(s.modulo.NumErrate, 1);
    verdict = s.answer(1, true);
    EXPECT_TRUE(verdict.right);
    EXPECT_EQ(verdict.count, 1);
    verdict = s.answer(1, true);
    EXPECT_EQ(verdict.count, 2);
    EXPECT_EQ(s.modulo.NumOperazioni, 3);
}

TEST(Counters, CountersStopAtSixteenBitMaximumInsteadOfOverflowing) {
    Series s;
    s.modulo.NumOperazioni = 32766;
    s.modulo.NumEsatte = 32766;
    s.modulo.NumErrate = 32767;
    s.answer(1, true);
    EXPECT_EQ(s.answer(1, true).count, 32767);
    EXPECT_EQ(s.answer(1, false).count, 32767);
    EXPECT_EQ(s.modulo.NumOperazioni, 32767);
    EXPECT_EQ(s.modulo.NumEsatte, 32767);
    EXPECT_EQ(s.modulo.NumErrate, 32767);
}

} // namespace

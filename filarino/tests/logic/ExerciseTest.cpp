// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise's states, factor draws and judging of the two answer boxes.
#include "filarino/logic/Exercise.h"

#include "filarino/logic/Modulo1.h"
#include "toolkit/core/Clock.h"
#include "toolkit/core/Random.h"
#include "toolkit/core/testing/ManualClock.h"
#include "toolkit/core/testing/ScriptedRandom.h"

#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <string>

namespace {

using filarino::Exercise;
using State = Exercise::State;

const double kJustBelowOne = std::nextafter(1.0, 0.0);

struct Scripted {
    filarino::Modulo1 modulo;
    tk::ManualClock clock{36000.0};
    tk::ScriptedRandom random;
    Exercise exercise;

    explicit Scripted(std::vector<double> values, std::int16_t minimum = 1, std::int16_t maximum = 10)
        : random(std::move(values))
        , exercise(withRange(modulo, minimum, maximum), clock, random) {}

    static filarino::Modulo1& withRange(filarino::Modulo1& modulo, std::int16_t minimum,
                                        std::int16_t maximum) {
        modulo.NumeroMinimo = minimum;
        modulo.NumeroMassimo = maximum;
        return modulo;
    }

    // Draws an array and opens its answer phase, as the window does.
    Exercise::NewArray start() {
        const auto array = exercise.NuovoFilarino();
        EXPECT_TRUE(array.has_value());
        exercise.AvviaRisposta();
        return array.value_or(Exercise::NewArray{});
    }

    bool answer(const char* first, const char* second) {
        exercise.RiempiCasella1(first);
        exercise.RiempiCasella2(second);
        return exercise.Verifica().value().right;
    }
};

// r = 0.25 and 0.35 over 1..10 give 3 dots per row and 4 rows.
Scripted threeByFour() {
    return Scripted({0.25, 0.35});
}

TEST(Exercise, FactorsCoverWholeRangeAtExactEnds) {
    struct Case {
        std::int16_t minimum, maximum;
    };
    for (const Case c : {Case{1, 4}, Case{4, 7}, Case{6, 10}, Case{1, 10}}) {
        Scripted low({0.0, 0.0}, c.minimum, c.maximum);
        const auto lowArray = low.start();
        EXPECT_EQ(lowArray.palliniPerRiga, c.minimum);
        EXPECT_EQ(lowArray.numeroRighe, c.minimum);

        Scripted high({kJustBelowOne, kJustBelowOne}, c.minimum, c.maximum);
        const auto highArray = high.start();
        EXPECT_EQ(highArray.palliniPerRiga, c.maximum);
        EXPECT_EQ(highArray.numeroRighe, c.maximum);
        const std::string top = std::to_string(c.maximum); // "10" is a key of its own
        EXPECT_TRUE(high.answer(top.c_str(), top.c_str()));
    }
}

TEST(Exercise, FactorsAreUniformAndIndependentWithTheRealSource) {
    filarino::Modulo1 modulo;
    modulo.NumeroMinimo = 1;
    modulo.NumeroMassimo = 10;
    tk::ManualClock clock(50000.0); // the same reading every time: mixing must still not replay
    tk::RandomSource random(2024);
    Exercise exercise(modulo, clock, random);

    std::map<int, int> perRow, rows;
    int squares = 0, tenByTen = 0;
    const int n = 20000;
    for (int i = 0; i < n; ++i) {
        const auto array = exercise.NuovoFilarino().value();
        ++perRow[array.palliniPerRiga];
        ++rows[array.numeroRighe];
        squares += array.palliniPerRiga == array.numeroRighe;
        tenByTen += array.palliniPerRiga == 10 && array.numeroRighe == 10;
        exercise.RiempiCasella1("1");
        exercise.RiempiCasella2("1");
        exercise.Verifica();
        ASSERT_EQ(modulo.NumOperazioni, modulo.NumEsatte + modulo.NumErrate);
    }
    ASSERT_EQ(perRow.size(), 10u);
    ASSERT_EQ(rows.size(), 10u);
    for (int value = 1; value <= 10; ++value) {
        EXPECT_NEAR(perRow[value], n / 10.0, 300) << value;
        EXPECT_NEAR(rows[value], n / 10.0, 300) << value;
    }
    EXPECT_NEAR(squares, n / 10.0, 300);
    EXPECT_GT(tenByTen, 0);
}

TEST(Exercise, ClockIsMixedBeforeEachArrayIsDrawn) {
    Scripted s({0.0, 0.0, 0.5, 0.5});
    s.start();
    EXPECT_EQ(s.random.mixes(), std::vector<double>{36000.0});
    EXPECT_EQ(s.random.drawn(), 2u);
    s.answer("1", "1");
    s.clock.set(36100.5);
    s.start();
    EXPECT_EQ(s.random.mixes(), (std::vector<double>{36000.0, 36100.5}));
}

TEST(Exercise, NewArrayReportsTheOldDotCountAndEmptiesTheBoxes) {
    Scripted s({0.25, 0.35, 0.0, 0.0});
    const auto first = s.start();
    EXPECT_EQ(first.previousDotCount, 0);
    EXPECT_EQ(s.exercise.dotCount(), 12);
    s.answer("3", "4");
    const auto second = s.start();
    EXPECT_EQ(second.previousDotCount, 12);
    EXPECT_EQ(s.exercise.dotCount(), 1);
    EXPECT_EQ(s.exercise.firstBox(), "");
    EXPECT_EQ(s.exercise.secondBox(), "");
    EXPECT_FALSE(s.exercise.RiempiCasella2("1")) << "the first box must be filled again";
}

TEST(Exercise, StateTableGovernsWhatIsOffered) {
    struct Expect {
        State state;
        bool draggable, check, newArray;
    };
    const auto expect = [](const Exercise& e, Expect x) {
        EXPECT_EQ(e.state(), x.state);
        EXPECT_EQ(e.keypadDraggable(), x.draggable);
        EXPECT_EQ(e.checkOffered(), x.check);
        EXPECT_EQ(e.newArrayOffered(), x.newArray);
    };
    Scripted s = threeByFour();
    expect(s.exercise, {State::Waiting, false, false, true});
    EXPECT_FALSE(s.exercise.RiempiCasella1("3")) << "no boxes before the first array";
    s.start();
    expect(s.exercise, {State::AnsweringFirstEmpty, true, false, false});
    EXPECT_FALSE(s.exercise.NuovoFilarino()) << "an exercise cannot be skipped";
    EXPECT_TRUE(s.exercise.RiempiCasella1("3"));
    expect(s.exercise, {State::AnsweringFirstFilled, true, false, false});
    EXPECT_TRUE(s.exercise.RiempiCasella2("4"));
    expect(s.exercise, {State::ReadyToCheck, true, true, false});
    EXPECT_TRUE(s.exercise.Verifica());
    expect(s.exercise, {State::Judged, false, false, true});
    EXPECT_FALSE(s.exercise.PrimaCasellaPiena());
    EXPECT_FALSE(s.exercise.RiempiCasella1("5")) << "keys are not draggable after the verdict";
    EXPECT_EQ(s.exercise.firstBox(), "3");
}

TEST(Exercise, SecondBoxRefusesValuesBeforeTheFirst) {
    Scripted s = threeByFour();
    s.start();
    EXPECT_FALSE(s.exercise.RiempiCasella2("4"));
    EXPECT_EQ(s.exercise.secondBox(), "");
    EXPECT_FALSE(s.exercise.checkOffered());
    EXPECT_FALSE(s.exercise.Verifica());
    EXPECT_EQ(s.modulo.NumErrate, 0);
}

TEST(Exercise, CheckStaysOfferedWhenFirstBoxChangesAndJudgesTheNewValue) {
    Scripted s({0.45, 0.35}); // 5 dots per row, 4 rows
    s.start();
    s.exercise.RiempiCasella1("3");
    s.exercise.RiempiCasella2("4");
    EXPECT_TRUE(s.exercise.RiempiCasella1("5"));
    EXPECT_TRUE(s.exercise.checkOffered());
    EXPECT_EQ(s.exercise.firstBox(), "5");
    EXPECT_TRUE(s.exercise.Verifica().value().right);
}

TEST(Exercise, AnswerOrderMattersDotsPerRowFirst) {
    struct Case {
        const char *first, *second;
        bool right;
    };
    for (const Case c :
         {Case{"3", "4", true}, Case{"4", "3", false}, Case{"3", "3", false}, Case{"4", "4", false}}) {
        Scripted s = threeByFour();
        s.start();
        EXPECT_EQ(s.answer(c.first, c.second), c.right) << c.first << " x " << c.second;
    }
}

TEST(Exercise, BoxesTakeOnlyKeypadCaptions) {
    Scripted s = threeByFour();
    s.start();
    for (const char* bad : {"", "0", "11", " 3", "3 ", "x", "-1"})
        EXPECT_FALSE(s.exercise.RiempiCasella1(bad)) << '"' << bad << '"';
    EXPECT_FALSE(s.exercise.PrimaCasellaPiena());
    EXPECT_TRUE(s.exercise.RiempiCasella1("3"));
    EXPECT_FALSE(s.exercise.RiempiCasella2("12"));
    EXPECT_FALSE(s.exercise.checkOffered());
}

TEST(Exercise, SecondVerificaForTheSameExerciseDoesNotJudgeAgain) {
    Scripted s = threeByFour();
    s.start();
    s.exercise.RiempiCasella1("3");
    s.exercise.RiempiCasella2("4");
    const auto first = s.exercise.Verifica();
    ASSERT_TRUE(first);
    s.clock.advance(5);
    EXPECT_FALSE(s.exercise.Verifica()); // the queued second click
    EXPECT_EQ(s.modulo.NumEsatte, 1);
    EXPECT_EQ(s.modulo.NumErrate, 0);
    EXPECT_EQ(s.modulo.TempoTotale, 0);
    EXPECT_EQ(s.modulo.NumOperazioni, s.modulo.NumEsatte + s.modulo.NumErrate);
    EXPECT_TRUE(s.exercise.NuovoFilarino());
    EXPECT_FALSE(s.exercise.Verifica()) << "a new array is not judged before its boxes are filled";
}

} // namespace

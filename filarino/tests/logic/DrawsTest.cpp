// SPDX-License-Identifier: GPL-3.0-or-later
// Sound, portrait, colour and blank-index draws: exact values at the edges and how often each comes up.
#include "filarino/logic/Draws.h"

#include "toolkit/core/Random.h"
#include "toolkit/core/testing/ScriptedRandom.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <map>

namespace {

const double kJustBelowOne = std::nextafter(1.0, 0.0);

using Draw = std::function<int(tk::Random&)>;

const Draw kRightSound = [](tk::Random& r) { return filarino::drawVerdictSound(r, true); };
const Draw kWrongSound = [](tk::Random& r) { return filarino::drawVerdictSound(r, false); };
const Draw kPortrait = [](tk::Random& r) { return filarino::drawPortraitId(r); };
const Draw kBlankIndex = [](tk::Random& r) { return filarino::drawBlankIndex(r); };
const Draw kRed = [](tk::Random& r) { return filarino::drawFlashColour(r).red; };

int drawOnce(const Draw& draw, double r) {
    tk::ScriptedRandom random({r});
    return draw(random);
}

TEST(Draws, ExactValuesAtEndsAndTies) {
    struct Case {
        const char* name;
        Draw draw;
        double r;
        int expected;
    };
    const Case cases[] = {
        {"right sound", kRightSound, 0.0, 108},
        {"right sound", kRightSound, kJustBelowOne, 114},
        {"right sound", kRightSound, 0.25, 110}, // 109.5 goes to the even 110
        {"right sound", kRightSound, 0.75, 112}, // 112.5 goes to the even 112
        {"wrong sound", kWrongSound, 0.0, 102},
        {"wrong sound", kWrongSound, kJustBelowOne, 108},
        {"wrong sound", kWrongSound, 0.25, 104},
        {"portrait", kPortrait, 0.0, 101},
        {"portrait", kPortrait, kJustBelowOne, 200},
        {"portrait", kPortrait, 0.5, 150}, // 150.5 goes to the even 150
        // 102.5000001 in double precision, exactly 102.5 in single: single precision decides.
        {"portrait", kPortrait, 0.015151516151515151, 102},
        {"blank index", kBlankIndex, 0.0, 0},
        {"blank index", kBlankIndex, kJustBelowOne, 11},
        {"blank index", kBlankIndex, 0.5, 6}, // 5.5 goes to the even 6
        {"colour", kRed, 0.0, 0},
        {"colour", kRed, kJustBelowOne, 255},
        {"colour", kRed, 0.5, 128}, // 127.5 goes to the even 128
    };
    for (const Case& c : cases)
        EXPECT_EQ(drawOnce(c.draw, c.r), c.expected) << c.name << " at r = " << c.r;
}

TEST(Draws, FlashColourDrawsRedGreenBlueInThatOrder) {
    tk::ScriptedRandom random({0.0, kJustBelowOne, 0.2});
    EXPECT_EQ(filarino::drawFlashColour(random), (tk::Rgb{0, 255, 51}));
    EXPECT_EQ(random.drawn(), 3u);
}

// Every value of lowest..highest comes up; the two ends about half as often as the inner values.
void expectEndsHalfAsLikely(const Draw& draw, int lowest, int highest, const char* name) {
    tk::RandomSource random(77);
    const int inner = highest - lowest - 1;
    const int perInnerValue = 4000;
    const int n = perInnerValue * (inner + 1); // the two ends together weigh as one inner value
    std::map<int, int> counts;
    for (int i = 0; i < n; ++i)
        ++counts[draw(random)];
    ASSERT_EQ(counts.begin()->first, lowest) << name;
    ASSERT_EQ(counts.rbegin()->first, highest) << name;
    ASSERT_EQ(static_cast<int>(counts.size()), highest - lowest + 1) << name;
    const double innerTolerance = 5 * std::sqrt(perInnerValue);
    for (const auto& [value, count] : counts) {
        const double expected = (value == lowest || value == highest) ? perInnerValue / 2.0 : perInnerValue;
        EXPECT_NEAR(count, expected, innerTolerance) << name << " value " << value;
    }
}

TEST(Draws, EndValuesComeUpHalfAsOften) {
    expectEndsHalfAsLikely(kRightSound, 108, 114, "right sound");
    expectEndsHalfAsLikely(kWrongSound, 102, 108, "wrong sound");
    expectEndsHalfAsLikely(kPortrait, 101, 200, "portrait");
    expectEndsHalfAsLikely(kBlankIndex, 0, 11, "blank index");
}

TEST(Draws, FlashColourComponentsStayInByteRange) {
    tk::RandomSource random(5);
    int lowest = 255, highest = 0;
    for (int i = 0; i < 100000; ++i) {
        const auto colour = filarino::drawFlashColour(random);
        for (int component : {colour.red, colour.green, colour.blue}) {
            lowest = std::min(lowest, component);
            highest = std::max(highest, component);
        }
    }
    EXPECT_EQ(lowest, 0);
    EXPECT_EQ(highest, 255);
}

} // namespace

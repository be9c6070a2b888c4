// SPDX-License-Identifier: GPL-3.0-or-later
// Which cell texts are numbers, and what every text reads as.
#include "cestaro/logic/CellText.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace {

using cestaro::CellText;

constexpr double kInf = std::numeric_limits<double>::infinity();

struct Case {
    std::string text;
    bool number;
    double value;
};

void expectReads(const Case& c) {
    EXPECT_EQ(CellText::isNumber(c.text), c.number) << '"' << c.text << '"';
    EXPECT_EQ(CellText::value(c.text), c.value) << '"' << c.text << '"';
}

TEST(CellText, TextsThatSurviveTyping) {
    for (const Case& c :
         {Case{"0", true, 0}, Case{"7", true, 7}, Case{"007", true, 7}, Case{"1.", true, 1},
          Case{".5", true, 0.5}, Case{"-.5", true, -0.5}, Case{"+5", true, 5}, Case{"-5", true, -5},
          Case{" 12 ", true, 12}, Case{"\t7\t", true, 7}, Case{"2.5", true, 2.5}, Case{"1e3", true, 1000},
          Case{"1E+2", true, 100}, Case{"1e-3", true, 0.001}, Case{"-2.5e1", true, -25}})
        expectReads(c);
}

TEST(CellText, TextsThatAreWipedReadAsFarAsTheyGo) {
    for (const Case& c :
         {Case{"", false, 0},     Case{"   ", false, 0}, Case{".", false, 0},       Case{"-", false, 0},
          Case{"+", false, 0},    Case{"-.", false, 0},  Case{"- 5", false, 0},     Case{"1e", false, 1},
          Case{"1e+", false, 1},  Case{"2E-", false, 2}, Case{"1.2.3", false, 1.2}, Case{"12a", false, 12},
          Case{"a", false, 0},    Case{"a12", false, 0}, Case{"1 2", false, 1},     Case{"1,5", false, 1},
          Case{"0x10", false, 0}, Case{"inf", false, 0}, Case{"nan", false, 0},     Case{"1e3x", false, 1000},
          Case{"5-", false, 5}})
        expectReads(c);
}

TEST(CellText, OnlyAsciiCounts) {
    for (const Case& c : {Case{"\u0663", false, 0},               // Arabic-Indic digit three
                          Case{"\u22125", false, 0},              // Unicode minus
                          Case{"\uFF15", false, 0},               // full-width five
                          Case{"12\u00A0", false, 12},            // trailing no-break space
                          Case{"\u00A012", false, 0},             // leading no-break space
                          Case{"4\xff\xfe", false, 4},            // not UTF-8 at all
                          Case{std::string("3\0", 2), false, 3}}) // embedded NUL
        expectReads(c);
}

TEST(CellText, MagnitudesBeyondADoubleSaturate) {
    for (const Case& c :
         {Case{"1e400", true, kInf}, Case{"-1e400", true, -kInf}, Case{"1e-400", true, 0},
          Case{"1e99999999999999999999999", true, kInf}, Case{"1e-99999999999999999999999", true, 0},
          Case{"0.0001e309", true, 1e305}, Case{"0e999999", true, 0}})
        expectReads(c);
}

TEST(CellText, ThousandsOfDigitsAreReadWhole) {
    const std::string nines(5000, '9');
    const std::string zeros(5000, '0');
    for (const Case& c :
         {Case{nines, true, kInf}, Case{zeros + "12", true, 12}, Case{"0." + zeros + "1", true, 0},
          Case{"1" + zeros + "e-5000", true, 1}, Case{"0." + zeros + "1e5001", true, 1},
          Case{nines + "x", false, kInf}, Case{"-" + zeros, true, 0}})
        expectReads(c);
}

} // namespace

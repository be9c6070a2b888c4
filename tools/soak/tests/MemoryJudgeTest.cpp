// SPDX-License-Identifier: GPL-3.0-or-later
// The growth rule: the peak at the end against the peak at the reference time.
#include "tools/soak/MemoryJudge.h"

#include <gtest/gtest.h>

namespace soak {
namespace {

TEST(MemoryJudgeTest, ReferenceIsTheSecondMinuteOrAThirdOfAShortSoak) {
    const struct {
        double soak, reference;
    } cases[] = {{60, 20}, {180, 60}, {360, 120}, {600, 120}, {1800, 120}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(MemoryJudge::referenceFor(c.soak), c.reference) << c.soak;
}

TEST(MemoryJudgeTest, GrowthOverFivePercentAfterTheReferenceFails) {
    const struct {
        long end;
        bool growing;
    } cases[] = {{100000, false}, {104000, false}, {105000, false}, {105001, true}, {150000, true}};
    for (const auto& c : cases) {
        MemoryJudge judge(120);
        judge.record(10, 90000, 90000);
        judge.record(120, 100000, 100000);
        judge.record(1800, c.end, c.end);
        EXPECT_EQ(judge.growing(), c.growing) << c.end;
    }
}

TEST(MemoryJudgeTest, GrowthWithinTheWarmUpIsNotCounted) {
    MemoryJudge judge(20);
    judge.record(2, 50000, 50000);
    judge.record(18, 100000, 100000);
    judge.record(60, 101000, 101000);
    EXPECT_FALSE(judge.growing());
    EXPECT_EQ(judge.firstPeakKb(), 50000);
    EXPECT_EQ(judge.referencePeakKb(), 100000);
    EXPECT_EQ(judge.growthText(), "+1.0%");
}

TEST(MemoryJudgeTest, ARestartedProgramDoesNotLowerThePeak) {
    MemoryJudge judge(120);
    judge.record(100, 100000, 100000);
    judge.record(300, 103000, 103000);
    judge.record(302, 40000, 40000); // restarted after an exit
    judge.record(900, 90000, 90000);
    EXPECT_EQ(judge.endPeakKb(), 103000);
    EXPECT_FALSE(judge.growing());
}

TEST(MemoryJudgeTest, WithoutSamplesBeforeTheReferenceTheFirstLaterOneStandsIn) {
    MemoryJudge judge(20);
    judge.record(25, 100000, 100000);
    judge.record(60, 120000, 120000);
    EXPECT_EQ(judge.referencePeakKb(), 100000);
    EXPECT_TRUE(judge.growing());
}

TEST(MemoryJudgeTest, FloorsAreTheLowestResidentSizesBeforeTheReferenceAndAtTheEnd) {
    MemoryJudge judge(120);
    const struct {
        double seconds;
        long resident;
    } samples[] = {{30, 40000},  {70, 62000},  {100, 60000}, {120, 64000},
                   {400, 58000}, {560, 61000}, {600, 63000}};
    for (const auto& s : samples)
        judge.record(s.seconds, s.resident, 70000);
    EXPECT_EQ(judge.referenceFloorKb(), 60000); // 30 s is before the half of the reference time
    EXPECT_EQ(judge.endFloorKb(), 61000);       // 400 s is more than 60 s before the end
}

TEST(MemoryJudgeTest, NoSamplesJudgeNothing) {
    MemoryJudge judge(20);
    EXPECT_FALSE(judge.growing());
    EXPECT_EQ(judge.growthText(), "n/a");
    EXPECT_EQ(judge.referenceFloorKb(), 0);
    EXPECT_EQ(judge.endFloorKb(), 0);
}

} // namespace
} // namespace soak

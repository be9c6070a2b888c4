// SPDX-License-Identifier: GPL-3.0-or-later
// Judges whether a program's memory keeps growing: the peak resident size (VmHWM) at the end of a soak
// against the peak at a reference time after the warm-up. Also keeps the lowest resident size (VmRSS) just
// before the reference and at the end: a peak follows the heaviest state seen so far, while a leak lifts
// the floor too. Sizes in KiB, times in seconds from the start.
#pragma once

#include <string>
#include <vector>

namespace soak {

class MemoryJudge {
public:
    // `allowedGrowth` is a fraction: 0.05 lets the end peak exceed the reference peak by 5 %.
    explicit MemoryJudge(double referenceSeconds, double allowedGrowth = 0.05);

    // The reference time for a soak of this length: the end of the second minute, or a third of a shorter
    // soak (20 s of a one-minute run).
    static double referenceFor(double soakSeconds);

    // One sample of a running program. A program restarted after an exit starts again from a low peak;
    // the judge keeps the highest peak seen.
    void record(double seconds, long residentKb, long peakKb);

    long firstPeakKb() const { return first_; }
    long referencePeakKb() const;
    long endPeakKb() const { return end_; }
    double referenceSeconds() const { return reference_; }
    bool growing() const;
    // "+1.2%" style growth of the end peak over the reference peak.
    std::string growthText() const;
    // Lowest resident size in the half of the reference time before it, and in as long a time at the end;
    // 0 without samples there.
    long referenceFloorKb() const;
    long endFloorKb() const;

private:
    double reference_;
    double allowed_;
    long first_ = 0;
    long atReference_ = 0; // highest peak sampled up to the reference time
    long firstAfter_ = 0;  // first peak sampled after it, for when nothing was sampled before
    long end_ = 0;
    struct Sample {
        double seconds;
        long residentKb;
    };
    std::vector<Sample> samples_;
};

} // namespace soak

// SPDX-License-Identifier: GPL-3.0-or-later
// Peak memory at the reference time and at the end.
#include "tools/soak/MemoryJudge.h"

#include <algorithm>
#include <cstdio>

namespace soak {

namespace {
// The second minute ends here.
constexpr double kWarmUpSeconds = 120.0;
} // namespace

MemoryJudge::MemoryJudge(double referenceSeconds, double allowedGrowth)
    : reference_(referenceSeconds)
    , allowed_(allowedGrowth) {}

double MemoryJudge::referenceFor(double soakSeconds) {
    return std::min(kWarmUpSeconds, soakSeconds / 3.0);
}

void MemoryJudge::record(double seconds, long residentKb, long peakKb) {
    samples_.push_back({seconds, residentKb});
    if (first_ == 0) first_ = peakKb;
    if (seconds <= reference_)
        atReference_ = std::max(atReference_, peakKb);
    else if (firstAfter_ == 0)
        firstAfter_ = peakKb;
    end_ = std::max(end_, peakKb);
}

long MemoryJudge::referencePeakKb() const {
    return atReference_ != 0 ? atReference_ : firstAfter_;
}

bool MemoryJudge::growing() const {
    const long reference = referencePeakKb();
    return reference > 0 && static_cast<double>(end_) > static_cast<double>(reference) * (1.0 + allowed_);
}

long MemoryJudge::referenceFloorKb() const {
    long floor = 0;
    for (const Sample& s : samples_)
        if (s.seconds > reference_ / 2 && s.seconds <= reference_ && (floor == 0 || s.residentKb < floor))
            floor = s.residentKb;
    return floor;
}

long MemoryJudge::endFloorKb() const {
    if (samples_.empty()) return 0;
    const double from = samples_.back().seconds - reference_ / 2;
    long floor = 0;
    for (const Sample& s : samples_)
        if (s.seconds >= from && (floor == 0 || s.residentKb < floor)) floor = s.residentKb;
    return floor;
}

std::string MemoryJudge::growthText() const {
    const long reference = referencePeakKb();
    if (reference <= 0) return "n/a";
    char text[32];
    std::snprintf(text, sizeof text, "%+.1f%%", 100.0 * static_cast<double>(end_ - reference) / reference);
    return text;
}

} // namespace soak

// SPDX-License-Identifier: GPL-3.0-or-later
// Ticks of the help panel's reveal.
#include "intarsello/logic/RevealTimeline.h"

namespace intarsello {

RevealTimeline::Tick RevealTimeline::tick() {
    Tick t;
    if (!running_) return t;
    revealCount_ = static_cast<std::int16_t>(revealCount_ + kStepTwips);
    t.hidePanel = revealCount_ % kHideEvery == 0;
    if (revealCount_ > kLastCountBefore) {
        running_ = false;
        t.finished = true;
    }
    return t;
}

} // namespace intarsello

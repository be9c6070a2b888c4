// SPDX-License-Identifier: GPL-3.0-or-later
// The help panel's slow reveal: a counter advanced once a second that narrows the covers of the examples.
#pragma once

#include <cstdint>
#include <string_view>

namespace intarsello {

class RevealTimeline {
public:
    static constexpr int kTickIntervalMs = 1000;
    static constexpr int kStartCoverWidthTwips = 2400;
    static constexpr int kStepTwips = 2;  // RevealCount's growth per tick
    static constexpr int kHideEvery = 12; // the panel hides whenever RevealCount is a multiple of this
    static constexpr int kLastCountBefore = 2390; // the tick that passes this count ends the reveal

    // Label5's caption while the reveal runs, and from its end on.
    static constexpr std::string_view kRevealingText =
        "Questo gioco di intarsello può essere risolto in duemila modi diversi. Ecco alcuni esempi, ma "
        "occorre "
        "un po' di tempo per vederli bene... Vuoi ripassare più tardi?";
    static constexpr std::string_view kRevealedText =
        "Questo gioco di intarsello può essere risolto in duemila modi diversi. Ecco alcuni esempi:";

    struct Tick {
        bool hidePanel = false; // hide the panel, whether or not it is shown
        bool finished = false;  // this tick ended the reveal: stop the timer and change Label5
    };

    // One tick of the timer. Once the reveal has ended further ticks change nothing.
    Tick tick();

    std::int16_t RevealCount() const { return revealCount_; }
    bool running() const { return running_; }
    // Width of each cover over the example pictures; the cover keeps its left edge.
    int coverWidthTwips() const { return kStartCoverWidthTwips - revealCount_; }
    std::string_view label5Text() const { return running_ ? kRevealingText : kRevealedText; }

private:
    std::int16_t revealCount_ = 0;
    bool running_ = true;
};

} // namespace intarsello

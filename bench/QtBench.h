// SPDX-License-Identifier: GPL-3.0-or-later
// Support shared by the window benchmarks: processor time and the share of a core used while idling.
#pragma once

#include "toolkit/ui/SoundSink.h"

#include <QEvent>
#include <QObject>

namespace bench {

// A sound sink that plays nothing: benchmarks measure the windows, not the sound.
class Silence final : public tk::ui::SoundSink {
public:
    void play(int, tk::ui::PlayMode) override {}
};

// Counts the paint events of the widgets it watches (install it as their event filter), to show that
// what a benchmark times is really painted.
class PaintCounter : public QObject {
public:
    long paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// Processor time (user and system) of this process, in seconds.
double cpuSeconds();

// Runs the event loop for `watchMs` milliseconds and returns the processor time it took, as a percentage
// of one core over that wall time.
double cpuPercentWhileIdle(int watchMs);

} // namespace bench

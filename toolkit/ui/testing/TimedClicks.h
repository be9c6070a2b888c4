// SPDX-License-Identifier: GPL-3.0-or-later
// Left clicks at event times a test chooses, delivered as the window system delivers them, so that a press
// soon after another arrives as a double click too.
#pragma once

#include <QTest>

class QWidget;

namespace tk::ui::testing {

class TimedClicks {
public:
    // Times count from a moment well after QTest's last mouse event.
    TimedClicks()
        : start_(ulong(QTest::lastMouseTimestamp) + 1000) {}
    // QTest's clock moves on past these clicks, so its later clicks stay single.
    ~TimedClicks() { QTest::lastMouseTimestamp = int(last_ + QTest::mouseDoubleClickInterval); }

    // Presses the centre of `widget` at `pressedAtMs` and releases it `heldMs` later, then lets the
    // event loop run.
    void click(QWidget* widget, int pressedAtMs, int heldMs = 40);

private:
    ulong start_;
    ulong last_ = start_;
};

} // namespace tk::ui::testing

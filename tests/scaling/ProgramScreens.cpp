// SPDX-License-Identifier: GPL-3.0-or-later
// Recording the windows a program shows and judging them against scale 1 and for crispness.
#include "tests/scaling/ProgramScreens.h"

#include "tests/scaling/RatioImages.h"
#include "tests/scaling/ScaleOneRun.h"
#include "tests/scaling/WindowCrispness.h"
#include "tests/scaling/WindowLayout.h"

#include <gtest/gtest.h>

namespace scaling {

void expectLayoutAsAtScaleOne(const WindowVisit& visit) {
    EXPECT_EQ(screenRatio(), intendedRatio());
    QStringList layout;
    visit([&](QWidget* window) { layout << layoutOf(window); });
    if (handBackToParent(layout)) return;
    const QStringList plain = linesAtScaleOne();
    EXPECT_EQ(layout, plain) << differences(plain, layout).toStdString();
}

void expectCrispWindows(const WindowVisit& visit) {
    visit([](QWidget* window) { expectCrisp(window, screenRatio()); });
}

} // namespace scaling

// SPDX-License-Identifier: GPL-3.0-or-later
// The running test run again in a child process at one device pixel per logical pixel, for comparison.
#pragma once

#include <QStringList>

namespace scaling {

// In the child: hands `lines` back to the parent and returns true (the test should end there). In any
// other run: returns false.
bool handBackToParent(const QStringList& lines);

// In the parent: runs the current test in a child process on a plain 96-dpi screen with no scaling and
// returns the lines it handed back; empty, with a test failure, when the child could not run.
QStringList linesAtScaleOne();

} // namespace scaling

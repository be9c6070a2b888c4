// SPDX-License-Identifier: GPL-3.0-or-later
// How every game starts and ends: command line, display, application set-up, the real services, the loop.
#pragma once

#include "toolkit/ui/CommandLine.h"
#include "toolkit/ui/Services.h"
#include "toolkit/ui/Zoom.h"

#include <functional>

class QObject;

namespace tk::ui {

struct Program {
    ProgramAbout about;
    // The program's largest window, so that everything is drawn smaller on a screen it does not fit.
    WindowExtent largest;
    // A program that plays no sound never opens an audio device.
    bool playsSounds = true;
    // ICON 1 on every window that sets no icon of its own (message boxes among them).
    bool iconOnEveryWindow = true;
};

// Opens the program's first windows with the real services and returns what owns them; it is deleted
// when the program ends, if it still exists. The program ends through endProgram().
using OpenFirstWindows = std::function<QObject*(const Services&)>;

// Runs a game from main(): an Italian line and status 1 when there is no display it can draw on, status 2
// on a bad command line, otherwise 0 once the program has ended.
int runProgram(int argc, char** argv, const Program& program, const OpenFirstWindows& open);

} // namespace tk::ui

// SPDX-License-Identifier: GPL-3.0-or-later
// Application-wide set-up shared by the three programs: style, palette, fonts, quiet logging.
#pragma once

#include "toolkit/ui/CommandLine.h"
#include "toolkit/ui/Zoom.h"

#include <QFont>

class QApplication;

namespace tk::ui {

// Call first thing in main, before the application object is made: standard streams kept open, the session
// steered away from anything the libraries would write or leave running, and their noise kept off the
// terminal.
void prepareProcess();

// Classic style and palette, font substitutions, and no automatic quit: each program decides when it
// ends. On a screen too small for `largest`, the program's largest window, everything is drawn smaller so
// that it fits. With --mute no sound is played.
void prepareApplication(QApplication& app, const WindowExtent& largest = {},
                        const StartOptions& options = {});

// The font of menus and message boxes, at the zoom.
QFont applicationFont();

// Whether the screen can show the programs' colours (15 bits of colour or more: Qt draws nothing on a
// display of 256 colours). When it cannot, says so in one Italian line on stderr; the program then ends
// with status 1 before opening any window.
bool displayCanShowColours();

// Handles every event already queued (painting, timer ticks, clicks) and returns.
void yieldToPendingEvents();

// Ends the program at once: no close handler of any window runs afterwards.
void endProgram();

} // namespace tk::ui

// SPDX-License-Identifier: GPL-3.0-or-later
// A first look at the X display before Qt opens it: is there one, and how large is its work area.
#pragma once

#include "toolkit/ui/CommandLine.h"
#include "toolkit/ui/Zoom.h"

namespace tk::ui {

// Call before the application object is made. When the program would draw on X11 and no display answers,
// says so in one Italian line on stderr and returns false: the program then ends with status 1 (Qt would
// abort). Otherwise sets Qt's scale factor for the zoom asked for: the factor given, or for a fit the largest
// at which `largest`, the program's largest window, fits the display's work area with its title bar.
bool prepareDisplay(const ProgramAbout& about, const StartOptions& options, const WindowExtent& largest);

// Closes the connection prepareDisplay looked through; call once Qt has connected.
void closeDisplayProbe();

// The factor, at least 1, at which a window `designed` pixels large at factor 1, together with `frame`
// pixels that do not scale, fits `available`.
double scaleToFit(QSize designed, QSize frame, QSize available);

} // namespace tk::ui

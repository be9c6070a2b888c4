// SPDX-License-Identifier: GPL-3.0-or-later
// The programs' own scale on top of the desktop's: windows, fonts and pictures drawn smaller to fit a small
// screen. Qt's own scale factor cannot go below 1 (Qt 6.4 then repaints widgets only in part), so the
// shrinking goes through the twips-to-pixels conversion instead.
#pragma once

#include <QRect>
#include <QSize>

class QScreen;

namespace tk::ui {

// Logical pixels per designed pixel: 1 draws every window at its designed size. Set once, before the first
// font or window is made.
double zoom();
void setZoom(double factor);

// `natural`, a picture's size in pixels, as the picture is shown at the zoom.
QSize zoomed(QSize natural);

// The largest window the program opens: its client area in twips, and whether a menu bar tops it.
struct WindowExtent {
    double clientWidthTwips = 0;
    double clientHeightTwips = 0;
    bool menuBar = false;
};

// Room kept on the screen for what the window manager puts around a window: its title bar and edges, in
// device pixels (they do not scale with the program).
inline constexpr QSize kWindowFrameAllowance{8, 40};

// The same room in logical pixels of `screen`.
QSize frameAllowance(const QScreen& screen);

// The zoom, at most 1, at which a window `designed` (frame allowance included) at zoom 1 fits `available`.
double zoomToFit(QSize designed, QSize available);

// When the largest window of the program does not fit the primary screen's available area at its designed
// size, sets the zoom at which it does; on a screen where it fits the zoom stays 1. Call after the
// application object exists and before any font or window is made.
void shrinkToFitScreen(const WindowExtent& largest);

} // namespace tk::ui

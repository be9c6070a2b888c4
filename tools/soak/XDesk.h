// SPDX-License-Identifier: GPL-3.0-or-later
// The X display as the soak driver reads it: the program's windows, the pixels they show, and close
// requests like a close box's.
#pragma once

#include "tools/soak/ProgramProfile.h"
#include "tools/soak/Rect.h"
#include "tools/soak/Scene.h"

#include <vector>

struct _XDisplay; // NOLINT(bugprone-reserved-identifier): Xlib's own name behind Display

namespace soak {

class XDesk {
public:
    // Opens the display named by $DISPLAY; throws std::runtime_error when it cannot.
    XDesk();
    ~XDesk();
    XDesk(const XDesk&) = delete;
    XDesk& operator=(const XDesk&) = delete;

    Rect screen() const;
    // The mapped top-level windows of process `pid` (by _NET_WM_PID), bottom of the stacking order first.
    // Windows that vanish while being read are left out.
    std::vector<WindowFacts> windowsOf(int pid);
    // For each column of `area` (screen pixels), whether its middle rows show dark text.
    std::vector<bool> inkColumns(const Rect& area);
    // Points on a grid of `stepPx` inside `area` whose screen colour is one of `colours`.
    std::vector<Point> pointsShowing(const Rect& area, const std::vector<tk::Rgb>& colours, int stepPx);
    // Asks `window` to close (WM_DELETE_WINDOW), as a window manager's close box does.
    void requestClose(unsigned long window);

private:
    _XDisplay* display_;
};

} // namespace soak

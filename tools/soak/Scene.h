// SPDX-License-Identifier: GPL-3.0-or-later
// The program's windows as the X server shows them, told apart into backdrops, working windows, message
// boxes, pop-ups and tooltips.
#pragma once

#include "tools/soak/ProgramProfile.h"
#include "tools/soak/Rect.h"

#include <string>
#include <vector>

namespace soak {

// One mapped top-level window, as read from the X server.
struct WindowFacts {
    unsigned long id = 0;
    std::string title;
    Rect area;                     // the window itself, without a window manager's frame; screen pixels
    bool overrideRedirect = false; // pop-ups and tooltips place themselves
    std::string type; // _NET_WM_WINDOW_TYPE without its prefix, lower case: "normal", "tooltip", ...
};

enum class WindowKind { Backdrop, Working, MessageBox, Popup, Tooltip };

struct SeenWindow {
    WindowFacts facts;
    WindowKind kind = WindowKind::MessageBox;
    const WorkingWindow* profile = nullptr; // working windows only
    Rect client;                            // working windows: the client area; others: the whole window
    Rect menuBar; // working windows with a menu bar: the strip above the client area
};

class Scene {
public:
    Scene() = default;
    // `facts` in stacking order, bottom first.
    static Scene classify(const std::vector<WindowFacts>& facts, const ProgramProfile& profile, Rect screen);

    const std::vector<SeenWindow>& windows() const { return windows_; }
    // The window of this kind nearest the front, or nullptr.
    const SeenWindow* topmost(WindowKind kind) const;
    // Whether a backdrop stands in front of the working window nearest the front.
    bool workingWindowBehindBackdrop() const;
    // Whether `p` lies in one of the program's windows (tooltips aside).
    bool covers(Point p) const;
    // Names the windows on show, front last; equal signatures mean nothing opened or closed.
    std::string signature() const;

private:
    std::vector<SeenWindow> windows_;
};

} // namespace soak

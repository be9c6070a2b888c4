// SPDX-License-Identifier: GPL-3.0-or-later
// A mouse event on one square of the board, as the window passes it to the model.
#pragma once

namespace intarsello {

enum class MouseEventKind { Press, Motion, Release };

// Button bits: one of them names the button of a press or release; motion carries the set held.
enum MouseButtons : unsigned { LeftButton = 1, RightButton = 2, MiddleButton = 4 };

// Modifier key bits held during the event.
enum ModifierKeys : unsigned { ShiftKey = 1, CtrlKey = 2, AltKey = 4 };

struct MouseEvent {
    MouseEventKind kind = MouseEventKind::Motion;
    unsigned button = 0;      // press and release: the button that caused the event
    unsigned heldButtons = 0; // motion: every button held
    unsigned modifiers = 0;   // ModifierKeys
    double xTwips = 0;        // pointer, relative to the receiving square's current top-left (model position)
    double yTwips = 0;
    int cell = 0; // index 0..59 of the square that receives the event (the pressed one under grab)
};

} // namespace intarsello

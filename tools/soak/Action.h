// SPDX-License-Identifier: GPL-3.0-or-later
// One gesture of the soak driver: a click, a drag, some typing, the answer to a message box or a close
// request, with the xdotool commands that perform it.
#pragma once

#include "tools/soak/Rect.h"

#include <string>
#include <vector>

namespace soak {

enum Modifier : unsigned { kShift = 1, kCtrl = 2 };

struct Action {
    enum class Kind {
        Wait,        // nothing to press: the program is between windows
        Click,       // press and release at path[0]; `clicks` times
        Drag,        // press at path.front(), move through path, release at path.back()
        Keys,        // type `keys` into the window that has the focus
        AnswerBox,   // click path[0] inside a message box, then Return
        CloseWindow, // ask `window` to close, as its close box does
    };
    Kind kind = Kind::Wait;
    int button = 1;                // X button: 1 left, 2 middle, 3 right, 4 and 5 the wheel
    int clicks = 1;                // Click: 2 for a double click
    unsigned modifiers = 0;        // Shift and Ctrl held through the gesture
    std::vector<Point> path;       // screen pixels
    std::vector<std::string> keys; // key names as xdotool spells them ("5", "BackSpace", "ctrl+v")
    unsigned long window = 0;      // CloseWindow, and commands: the window they close
    bool endsProgram = false;      // a command that ends the program
    bool leavesWindow = false;     // a command that closes its window while the program goes on
    std::string label;             // what the gesture is meant to do, for the log

    // Arguments for one xdotool run (without the program name); empty for Wait and CloseWindow.
    std::vector<std::string> xdotoolArguments() const;
    // X input events the gesture generates: pointer motions, button and key presses and releases.
    int inputEvents() const;
    // One line for the log.
    std::string describe() const;
};

} // namespace soak

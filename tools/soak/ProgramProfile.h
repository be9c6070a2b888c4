// SPDX-License-Identifier: GPL-3.0-or-later
// What the soak driver knows of each program: its working windows, where their commands lie and which spots
// a pupil is drawn to. Places are in twips of a window's client area, as the windows are laid out.
#pragma once

#include "toolkit/core/RgbColour.h"
#include "tools/soak/Rect.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace soak {

constexpr int kTwipsPerPixel = 15;

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    // Pixels relative to the client area's top-left corner.
    Rect pixels() const;
};

// A way of closing a window: a control of its client area, a title of its menu bar, or its close box.
struct Command {
    enum class Kind { Control, MenuTitle, CloseBox };
    Kind kind = Kind::CloseBox;
    std::string name;    // for the log
    TwipsRect control{}; // Control only
    int menuTitle = -1;  // MenuTitle only: index among the titles that show a caption
};

struct WorkingWindow {
    std::string title;
    int clientWidthTwips = 0;
    int clientHeightTwips = 0;
    int menuTitles = 0;           // titles with a caption in the menu bar (0: no menu bar)
    std::vector<Command> ending;  // each ends the program
    std::vector<Command> leaving; // each closes this window while the program goes on
    std::vector<TwipsRect> avoid; // never pressed at random: controls of a window that may take this place
    std::vector<int> avoidMenuTitles; // the same for menu titles
    std::vector<TwipsRect> hot;       // spots a pupil presses: buttons, keys, cells, lists
    std::vector<TwipsRect> drops;     // spots a pupil drags things to
    std::vector<tk::Rgb> hotColours;  // pressed where the screen shows these colours (pieces that move)
    bool typing = false;              // whether typing means something here
    int stay = 250;                   // gestures a pupil spends here, on average, before leaving by command
    // Gestures made the first time the window shows, before any random one: what the program builds on first
    // use (a message box, pictures, a dealt board) is then built before its memory is judged.
    std::vector<Command> warmUp;

    int clientWidth() const { return (clientWidthTwips + kTwipsPerPixel / 2) / kTwipsPerPixel; }
    int clientHeight() const { return (clientHeightTwips + kTwipsPerPixel / 2) / kTwipsPerPixel; }
    // Every spot that random presses stay away from: avoided places and the controls of the commands.
    std::vector<TwipsRect> keepOut() const;
    // Menu titles that random menu choices stay away from.
    std::vector<int> keepOutTitles() const;
};

struct ProgramProfile {
    std::string name;
    std::vector<WorkingWindow> windows;

    // The working window with this title whose client area fits a top-level window of this size, if any.
    const WorkingWindow* find(std::string_view title, int width, int height) const;
};

// The profile of filarino, cestaro or intarsello; nullptr for any other name.
const ProgramProfile* profileNamed(std::string_view name);

} // namespace soak

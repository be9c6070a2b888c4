// SPDX-License-Identifier: GPL-3.0-or-later
// The options every program takes on its command line, read before the application object is made.
#pragma once

#include <QString>

namespace tk::ui {

struct StartOptions {
    // How many times larger than designed the program is drawn, or whether to fit the screen.
    double zoom = 1.0;
    bool zoomToFit = false;
    // Play nothing and open no audio device.
    bool mute = false;
};

// What --help says of the program: its name on the command line and one Italian line about it.
struct ProgramAbout {
    const char* name;
    const char* summary;
};

// Reads --zoom=FACTOR (1 to 4, with a point or a comma), --zoom=fit and --mute. --help prints the Italian
// usage and --version the version, and the process ends with status 0; an unknown option or a bad value
// prints one line and the usage on stderr, and the process ends with status 2.
StartOptions readCommandLine(int argc, char** argv, const ProgramAbout& about);

// The usage text, as --help prints it.
QString usageText(const ProgramAbout& about);

} // namespace tk::ui

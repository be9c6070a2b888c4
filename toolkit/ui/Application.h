// Application-wide set-up shared by the three programs: style, palette, fonts, quiet logging.
#pragma once

class QApplication;

namespace tk::ui {

// Classic style and palette, font substitutions, and no automatic quit: each program decides when it
// ends. Also keeps Qt Multimedia's "no sound server" warnings off the terminal.
void prepareApplication(QApplication& app);

// Handles every event already queued (painting, timer ticks, clicks) and returns.
void yieldToPendingEvents();

// Ends the program at once: no close handler of any window runs afterwards.
void endProgram();

} // namespace tk::ui

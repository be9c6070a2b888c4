// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps what the sound server and Qt Multimedia have to say off the terminal: for the games no sound is
// silence, not a message.
#pragma once

class QString;

namespace tk::ui {

// Whether a message Qt is about to print comes from the sound side: Qt Multimedia's categories, and the
// lines its PulseAudio backend prints in the default category (which Qt 6.4 prints in quotes).
bool isSoundServerNoise(const char* category, const QString& message);

// Installs, once, a message handler that drops those messages and passes every other one on.
void installQuietMessages();

} // namespace tk::ui

// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps what the session's make-up has to say off the terminal: a session without a runtime folder is no
// news to a pupil.
#pragma once

class QString;

namespace tk::ui {

// Whether a message Qt is about to print is such noise: QStandardPaths' complaints about the runtime folder.
bool isSessionNoise(const QString& message);

// Installs, once, a message handler that drops those messages and passes every other one on. Call it
// before the application object is made, which already looks for the runtime folder.
void installQuietMessages();

} // namespace tk::ui

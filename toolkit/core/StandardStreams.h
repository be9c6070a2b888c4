// SPDX-License-Identifier: GPL-3.0-or-later
// Descriptors 0, 1 and 2 kept open, so that nothing the program opens can take their place.
#pragma once

namespace tk {

// Opens /dev/null on each of the standard descriptors 0 to 2 that is closed. Started with stderr closed, a
// program would be given descriptor 2 for its display connection, and its first warning would be written
// into that connection. Call it first thing in main.
void openMissingStandardStreams();

} // namespace tk

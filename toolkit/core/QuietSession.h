// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the libraries the games load from writing to the pupil's account or leaving processes behind.
#pragma once

namespace tk {

// Call first thing in main, before any library starts. Without XDG_RUNTIME_DIR, Qt would make
// /tmp/runtime-<user>: the session's own /run/user/<uid> is named instead when it is there and private.
// Without a session bus, libdbus would start one (dbus-launch --autolaunch) that outlives the game: a
// missing bus is named instead, so each connection fails at once. libpulse's own log goes to the system
// journal rather than to the terminal, unless a log target is already chosen.
void quietSession();

} // namespace tk

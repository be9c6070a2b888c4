// SPDX-License-Identifier: GPL-3.0-or-later
// A PulseAudio cookie held in memory, so that the first sound writes no cookie file.
#pragma once

namespace tk::ui {

// libpulse makes ~/.config/pulse/cookie when it finds no cookie anywhere. A cookie only matters to a server
// reached over the network, which publishes its own in a cookie file or on the X display; when there is
// neither, libpulse is handed a cookie kept in memory instead (PULSE_COOKIE on a memory file). Call once,
// after the application object exists and before the first use of the sound server.
void keepPulseCookieInMemory();

} // namespace tk::ui
